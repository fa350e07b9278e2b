#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "PointerRegistry.h"
#include "ProfileFile.h"
#include "Registry_win.h"
#include "WinHandles.h"

namespace orvix {
namespace {

// Everything the tests write goes below a scratch key that is removed afterwards.
class SystemRegistryTest : public ::testing::Test {
 protected:
  SystemRegistryTest() {
    scratchPath_ = "Software\\NORVEL\\OrvixOneSettingsTest" + std::to_string(::GetCurrentProcessId());
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    scratch_.reset(key);
  }
  ~SystemRegistryTest() override {
    scratch_.reset();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, scratchPath_.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\NORVEL");  // only when it is empty
  }

  std::string Value(const char* subkey, const char* name) {
    char buffer[128] = {};
    DWORD size = sizeof buffer - 1;
    if (::RegGetValueA(scratch_.get(), subkey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
      return "<missing>";
    return buffer;
  }
  void SetRaw(const char* subkey, const char* name, DWORD type, const std::string& bytes) {
    ::RegSetKeyValueA(scratch_.get(), subkey, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
  }

  std::string scratchPath_;
  RegKeyHandle scratch_;
};

TEST_F(SystemRegistryTest, PointerValuesRoundTrip) {
  ASSERT_TRUE(scratch_);
  SystemRegistry registry(scratch_.get());
  ProfileRecord profile;
  InitDefaultProfile(profile, 0);
  profile.DbleClickSpeed = 690;
  profile.MouseSpeed = 12;
  profile.AccelerationFlag = 1;
  profile.Acceleration = 8;
  profile.ScrollWheelFlag = 1;
  profile.TiltSpeed = 6;
  ASSERT_EQ(WritePointerRegistry(profile, registry), 1);
  EXPECT_EQ(Value("Control Panel\\Mouse", "DoubleClickSpeed"), "690");
  EXPECT_EQ(Value("Control Panel\\Mouse", "MouseThreshold1"), "6");
  EXPECT_EQ(Value("Control Panel\\Desktop", "WheelScrollLines"), "-1");

  ProfileRecord read;
  InitDefaultProfile(read, 1);
  read.ScrollWheelSpeed = 0;
  ASSERT_EQ(ReadPointerRegistry(read, registry), 1);
  EXPECT_EQ(read.DbleClickSpeed, 690);
  EXPECT_EQ(read.MouseSpeed, 12);
  EXPECT_EQ(read.Acceleration, 8);
  EXPECT_EQ(read.AccelerationFlag, 1);
  EXPECT_EQ(read.ScrollWheelFlag, 1);
  EXPECT_EQ(read.ScrollWheelSpeed, 3);
  EXPECT_EQ(read.TiltSpeed, 6);
}

TEST_F(SystemRegistryTest, LongAndForeignValuesNeverOverrun) {
  SystemRegistry registry(scratch_.get());
  SetRaw("Values", "Long", REG_SZ, std::string(200, '7') + '\0');
  SetRaw("Values", "Exact", REG_SZ, std::string(80, '7'));  // stored without its terminator
  SetRaw("Values", "Fits", REG_SZ, std::string(79, '7'));   // likewise, one byte shorter
  SetRaw("Values", "Dword", REG_DWORD, std::string(4, '\1'));
  SetRaw("Values", "Path", REG_EXPAND_SZ, std::string("%WINDIR%\\x") + '\0');
  const RegKey key = OpenOrCreateKey(registry, RegistryRoot::kCurrentUser, "Values");
  ASSERT_TRUE(key);
  EXPECT_FALSE(ReadRegString(key, "Long"));
  EXPECT_FALSE(ReadRegString(key, "Exact"));
  EXPECT_EQ(ReadRegString(key, "Fits"), std::string(79, '7'));
  EXPECT_FALSE(ReadRegString(key, "Dword"));
  EXPECT_FALSE(ReadRegString(key, "Missing"));

  RegistryKey object(registry);
  ASSERT_TRUE(object.Open("HKEY_CURRENT_USER\\Values", RegistryAccess::kRead));
  char buffer[MAX_PATH] = {};
  ASSERT_TRUE(object.ReadExpandString("Path", buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer).find('%'), std::string::npos);
  ASSERT_TRUE(object.ReadString("Path", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "%WINDIR%\\x");
  char small[4] = "abc";
  EXPECT_FALSE(object.ReadString("Long", small, sizeof small));
  EXPECT_STREQ(small, "abc");
  EXPECT_FALSE(object.WriteString("New", "1"));  // opened for reading only

  ASSERT_TRUE(object.Open("HKEY_CURRENT_USER\\Created\\Deeper", RegistryAccess::kFull));
  EXPECT_TRUE(object.WriteString("New", "1"));
  EXPECT_EQ(Value("Created\\Deeper", "New"), "1");
}

}  // namespace
}  // namespace orvix
