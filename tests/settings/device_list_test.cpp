#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "DeviceList.h"
#include "FakeRegistry.h"
#include "FakeSystemInfo.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::FakeRegistry;
using testing::FakeSystemInfo;
using testing::TempFolder;
using testing::WriteFileBytes;

class DeviceListTest : public ::testing::Test {
 protected:
  std::unique_ptr<CompanionDeviceList> ListFromFile(const std::string& content) {
    WriteFileBytes(folder.PathOf("DeviceInfo.ini"), content);
    auto list = std::make_unique<CompanionDeviceList>();
    std::memset(list.get(), 0x5A, sizeof *list);  // whatever was there before
    ReadDeviceList(store, *list);
    return list;
  }

  TempFolder folder;
  TextIniStore ini;
  HostConfigFiles files;
  FakeRegistry registry;
  FakeSystemInfo system{folder.Folder()};
  SettingsStore store{ini, files, registry, system};
};

TEST_F(DeviceListTest, AWrittenListReadsBack) {
  auto written = std::make_unique<CompanionDeviceList>();
  std::memset(written.get(), 0, sizeof *written);
  written->count = 2;
  written->devices[0] = {0x1234, 0xBEEF, "Keyboard K7", {1, 2, 3, 4, 5}};
  written->devices[1] = {0xFFFF, 0x0001, "Headset", {0, 0, 0, 0, -1}};
  ASSERT_TRUE(WriteDeviceList(store, *written));

  auto read = std::make_unique<CompanionDeviceList>();
  ReadDeviceList(store, *read);
  EXPECT_EQ(std::memcmp(read.get(), written.get(), sizeof *written), 0);
}

TEST_F(DeviceListTest, CountZeroOrMissingFileGivesAnEmptyList) {
  EXPECT_EQ(ListFromFile("[Setting]\nCount=0\n[Device0]\nPID=5\n")->count, 0);
  auto list = std::make_unique<CompanionDeviceList>();
  list->count = 3;
  ReadDeviceList(store, *list);  // the file of the line above is still there
  EXPECT_EQ(list->count, 0);
  EXPECT_EQ(list->devices[0].PID, 0);
}

TEST_F(DeviceListTest, AbsurdCountsStayWithinTheList) {
  EXPECT_EQ(ListFromFile("[Setting]\nCount=-3\n[Device0]\nPID=5\n")->count, 0);
  EXPECT_EQ(ListFromFile("[Setting]\nCount=many\n[Device0]\nPID=5\n")->count, 0);

  auto list = ListFromFile("[Setting]\nCount=1000000\n[Device0]\nPID=5\n[Device1]\nPID=6\n[Device3]\nPID=8\n");
  EXPECT_EQ(list->count, 2);  // stops at the first missing section
  EXPECT_EQ(list->devices[1].PID, 6);
  EXPECT_EQ(list->devices[2].PID, 0);  // entries beyond the count are zero

  std::string many = "[Setting]\nCount=1000000\n";
  for (int i = 0; i < 150; ++i) many += "[Device" + std::to_string(i) + "]\nPID=" + std::to_string(i) + "\n";
  list = ListFromFile(many);
  EXPECT_EQ(list->count, kMaxCompanionDevices);
  EXPECT_EQ(list->devices[kMaxCompanionDevices - 1].PID, kMaxCompanionDevices - 1);
}

TEST_F(DeviceListTest, LongNamesAndLargeIdentifiersAreCut) {
  auto list = ListFromFile("[Setting]\nCount=1\n[Device0]\nName=A name far longer than nineteen\nVID=70000\nPID=-1\n");
  EXPECT_STREQ(list->devices[0].Name, "A name far longer t");
  EXPECT_EQ(list->devices[0].VID, 70000 & 0xFFFF);
  EXPECT_EQ(list->devices[0].PID, 0xFFFF);
  EXPECT_EQ(list->devices[0].Cpi[0], 0);
}

TEST_F(DeviceListTest, WritingHoldsTheCountToTheList) {
  auto list = std::make_unique<CompanionDeviceList>();
  std::memset(list.get(), 0, sizeof *list);
  list->count = 5000;
  std::memset(list->devices[0].Name, 'n', sizeof list->devices[0].Name);  // unterminated
  ASSERT_TRUE(WriteDeviceList(store, *list));
  const IniFile file = store.FileOf("DeviceInfo.ini");
  EXPECT_EQ(file.ReadInt("Setting", "Count", 0), kMaxCompanionDevices);
  EXPECT_EQ(file.ReadText("Device0", "Name"), std::string(kCompanionNameSize, 'n'));
  ReadDeviceList(store, *list);
  EXPECT_EQ(list->count, kMaxCompanionDevices);
  EXPECT_EQ(list->devices[0].Name[kCompanionNameSize - 1], '\0');
}

}  // namespace
}  // namespace orvix
