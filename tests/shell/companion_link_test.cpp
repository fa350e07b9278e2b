#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "ButtonFunctionCodes.h"
#include "Messages.h"
#include "companion/CompanionLink.h"
#include "companion/CompanionRecords.h"

namespace orvix {
namespace {

struct Sent {
  std::uintptr_t window;
  std::uint32_t dwData;
  std::vector<std::uint8_t> bytes;
};

class FakePorts : public CompanionPorts {
 public:
  void SendCopyData(std::uintptr_t window, std::uint32_t dwData, const std::vector<std::uint8_t>& bytes) override {
    sent.push_back({window, dwData, bytes});
  }
  void SendLightReport(std::uint8_t a, std::uint8_t b, std::uint8_t c) override { lights.emplace_back(a, b, c); }
  void UpdateTrayIcon() override { ++trayUpdates; }
  void PostCommandToSelf(unsigned command) override { commands.push_back(command); }
  void SaveDeviceList(const CompanionDeviceList&) override { ++saves; }
  void NotifyDevicesChanged() override { ++notices; }
  std::string ToAnsi(const std::u16string& name, std::size_t maxBytes) override {
    std::string out;
    for (char16_t c : name) out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out.substr(0, maxBytes);
  }

  std::vector<Sent> sent;
  std::vector<std::tuple<int, int, int>> lights;
  std::vector<unsigned> commands;
  int trayUpdates = 0, saves = 0, notices = 0;
};

std::vector<std::uint8_t> DeviceRecordBytes(std::uint16_t pid, const char* name) {
  std::vector<std::uint8_t> bytes(64, 0);
  bytes[0] = 0x34;
  bytes[2] = static_cast<std::uint8_t>(pid);
  bytes[3] = static_cast<std::uint8_t>(pid >> 8);
  for (int i = 0; name[i] && i < 20; ++i) bytes[4 + 2 * i] = static_cast<std::uint8_t>(name[i]);
  bytes[44] = 0x90;  // first DPI value 400
  bytes[45] = 0x01;
  return bytes;
}

ProfileRecord ProfileWithLevels() {
  ProfileRecord p{};
  const int levels[5] = {4, 8, 16, 32, 41};
  std::memcpy(p.CpiLevel_X, levels, sizeof levels);
  return p;
}

}  // namespace

TEST(CompanionLink, StatusSixStartsTheExchangeOnceAndTakesOverTheTray) {
  FakePorts ports;
  CompanionLink link(ports, 0x1234);
  const ProfileRecord profile = ProfileWithLevels();
  link.SendDpiTable(&profile);
  EXPECT_TRUE(ports.sent.empty());  // nothing is sent before the companion window is known

  link.OnStatus(StatusChannel::kStatusMessage, 6, 0x777, &profile);
  ASSERT_EQ(ports.sent.size(), 2u);
  EXPECT_EQ(ports.sent[0].dwData, 0x07970003u);
  EXPECT_EQ(ports.sent[1].dwData, 0x07970005u);
  const auto& record = ports.sent[1].bytes;
  ASSERT_EQ(record.size(), 28u);
  EXPECT_EQ(record[4], 0x34);  // our window handle
  EXPECT_EQ(record[5], 0x12);
  EXPECT_EQ(record[24] | record[25] << 8, 41 * 200);
  EXPECT_TRUE(link.takeover());

  // A second status 6 keeps the first window.
  link.OnStatus(StatusChannel::kRegisteredMessage, 6, 0x888, &profile);
  EXPECT_EQ(ports.sent.size(), 2u);
  link.SendDeviceStatus(false, &profile);
  EXPECT_EQ(ports.sent.back().window, 0x777u);
  EXPECT_EQ(ports.sent.back().dwData, 0x07970004u);

  link.OnStatus(StatusChannel::kStatusMessage, 7, 0, &profile);
  EXPECT_FALSE(link.takeover());
  EXPECT_EQ(ports.trayUpdates, 3);
}

TEST(CompanionLink, LightStatusesAndCommandsFollowTheirChannel) {
  FakePorts ports;
  CompanionLink link(ports, 1);
  link.OnStatus(StatusChannel::kStatusMessage, 140, 2, nullptr);
  link.OnStatus(StatusChannel::kRegisteredMessage, 245, 0, nullptr);
  link.OnStatus(StatusChannel::kStatusMessage, 141, 0, nullptr);
  link.OnStatus(StatusChannel::kStatusMessage, 141, 1, nullptr);  // only argument 0 toggles
  link.OnStatus(StatusChannel::kRegisteredMessage, 246, 0, nullptr);
  link.OnStatus(StatusChannel::kStatusMessage, 249, 0, nullptr);
  link.OnStatus(StatusChannel::kRegisteredMessage, 249, 0, nullptr);  // ignored there
  using L = std::tuple<int, int, int>;
  EXPECT_EQ(ports.lights, (std::vector<L>{{255, 255, 255}, {1, 255, 255}, {255, 1, 255}, {255, 0, 255}, {255, 255, 3}}));

  link.OnStatus(StatusChannel::kStatusMessage, 8, 0, nullptr);
  link.OnStatus(StatusChannel::kRegisteredMessage, 9, 0, nullptr);
  link.OnStatus(StatusChannel::kStatusMessage, 9, 0, nullptr);
  EXPECT_EQ(ports.commands, (std::vector<unsigned>{kCommandOpenConfiguration, kCommandExit}));
}

TEST(CompanionLink, DeviceRecordsReplaceBySameProductAndRefuseWhenFull) {
  FakePorts ports;
  CompanionLink link(ports, 1);
  auto first = DeviceRecordBytes(0x10, "Keyboard");
  link.OnDeviceRecord(first.data(), first.size());
  auto renamed = DeviceRecordBytes(0x10, "Keyboard Pro Edition X");  // 22 characters: cut to 19
  link.OnDeviceRecord(renamed.data(), renamed.size());
  ASSERT_EQ(link.devices().count, 1);
  EXPECT_STREQ(link.devices().devices[0].Name, "Keyboard Pro Editio");
  EXPECT_EQ(link.devices().devices[0].Cpi[0], 400);

  std::vector<std::uint8_t> wrongSize(63, 0);
  link.OnDeviceRecord(wrongSize.data(), wrongSize.size());
  EXPECT_EQ(ports.saves, 2);

  for (int pid = 100; link.devices().count < kMaxCompanionDevices; ++pid) {
    auto record = DeviceRecordBytes(static_cast<std::uint16_t>(pid), "x");
    link.OnDeviceRecord(record.data(), record.size());
  }
  const int savesWhenFull = ports.saves;
  auto extra = DeviceRecordBytes(0x7FFF, "extra");
  link.OnDeviceRecord(extra.data(), extra.size());
  EXPECT_EQ(link.devices().count, kMaxCompanionDevices);
  EXPECT_EQ(ports.saves, savesWhenFull);
  auto update = DeviceRecordBytes(0x10, "again");  // a known device is still updated
  link.OnDeviceRecord(update.data(), update.size());
  EXPECT_STREQ(link.devices().devices[0].Name, "again");
}

TEST(CompanionLink, ButtonFunctionRecordsCarryTypeAndParameter) {
  FakePorts ports;
  CompanionLink link(ports, 1);
  link.OnStatus(StatusChannel::kStatusMessage, 6, 5, nullptr);
  ports.sent.clear();
  ButtonAssignment slot{};
  slot.function = kFunctionAltlayerDeviceLock;
  slot.companionDevice = 0xABCD;
  link.OnButtonFunction(slot, 1);
  slot.function = kFunctionAltlayerAllDevices;
  link.OnButtonFunction(slot, 0);
  ASSERT_EQ(ports.sent.size(), 2u);
  EXPECT_EQ(ports.sent[0].dwData, 0x07970000u + 246);
  EXPECT_EQ(ports.sent[0].bytes, (std::vector<std::uint8_t>{0x4E, 0x2F, 0x11, 0x0A, 246, 0x4E, 0x2F, 0xCD, 0xAB, 1}));
  EXPECT_EQ(ports.sent[1].bytes[4], 140);
  EXPECT_EQ(ports.sent[1].bytes[7], 0xFF);
  EXPECT_EQ(ports.sent[1].bytes[8], 0xFF);
}

}  // namespace orvix
