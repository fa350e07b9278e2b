#include <gtest/gtest.h>

#include <cstring>

#include "FakeRegistry.h"
#include "PointerRegistry.h"
#include "ProfileFile.h"
#include "Registry.h"

namespace orvix {
namespace {

using testing::FakeRegistry;

constexpr char kMouse[] = "Control Panel\\Mouse";
constexpr char kDesktop[] = "Control Panel\\Desktop";
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

ProfileRecord DefaultProfile() {
  ProfileRecord profile;
  InitDefaultProfile(profile, 0);
  return profile;
}

TEST(RegistryPath, RootNamesSelectTheirRootAndAnythingElseIsLocalMachine) {
  const RegistryPath software = ParseRegistryPath("Software\\Microsoft\\Windows\\CurrentVersion");
  EXPECT_EQ(software.root, RegistryRoot::kLocalMachine);
  EXPECT_EQ(software.subkey, "Software\\Microsoft\\Windows\\CurrentVersion");
  const RegistryPath user = ParseRegistryPath("hkey_current_user\\Control Panel\\Mouse");
  EXPECT_EQ(user.root, RegistryRoot::kCurrentUser);
  EXPECT_EQ(user.subkey, "Control Panel\\Mouse");
  EXPECT_EQ(ParseRegistryPath("HKEY_CLASSES_ROOT\\.mp3").root, RegistryRoot::kClassesRoot);
  EXPECT_EQ(ParseRegistryPath("HKEY_CURRENT_CONFIG").subkey, "");
  EXPECT_EQ(ParseRegistryPath("HKEY_CURRENT_USERS\\x").subkey, "HKEY_CURRENT_USERS\\x");
}

TEST(RegistryKeyObject, OpensCreatesReadsAndCloses) {
  FakeRegistry registry;
  registry.Set(kUser, "Software\\Player", "Path", FakeRegistry::Value{"%ProgramFiles%\\Player", true});
  registry.environment["ProgramFiles"] = "C:\\Program Files";
  RegistryKey key(registry);
  char buffer[64] = {};
  EXPECT_FALSE(key.ReadString("Path", buffer, sizeof buffer));  // nothing open

  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\software\\player", RegistryAccess::kRead));
  EXPECT_EQ(key.Root(), RegistryRoot::kCurrentUser);
  EXPECT_EQ(key.Subkey(), "software\\player");
  EXPECT_EQ(registry.lastAccess, RegistryAccess::kRead);
  ASSERT_TRUE(key.ReadExpandString("Path", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "C:\\Program Files\\Player");
  ASSERT_TRUE(key.ReadString("Path", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "%ProgramFiles%\\Player");

  // A value longer than the buffer fails and leaves the buffer alone.
  char small[8] = "before";
  EXPECT_FALSE(key.ReadExpandString("Path", small, sizeof small));
  EXPECT_STREQ(small, "before");

  // A missing key is created; reopening closes the key held before.
  ASSERT_TRUE(key.Open("Software\\Orvix", RegistryAccess::kFull));
  EXPECT_TRUE(registry.HasKey(RegistryRoot::kLocalMachine, "Software\\Orvix"));
  EXPECT_EQ(registry.OpenKeys(), 1);
  EXPECT_TRUE(key.WriteString("Version", "1.0"));
  EXPECT_EQ(registry.Get(RegistryRoot::kLocalMachine, "Software\\Orvix", "version"), "1.0");

  key.Close();
  EXPECT_EQ(registry.OpenKeys(), 0);
  EXPECT_EQ(key.Subkey(), "");
  EXPECT_FALSE(key.WriteString("Version", "2.0"));

  registry.Refuse(RegistryRoot::kLocalMachine, "Software\\Locked");
  EXPECT_FALSE(key.Open("Software\\Locked", RegistryAccess::kFull));
  EXPECT_FALSE(key.IsOpen());
}

TEST(RegistryStrings, ReadThroughAnEightyByteBuffer) {
  FakeRegistry registry;
  registry.Set(kUser, "K", "Fits", std::string(79, 'a'));
  registry.Set(kUser, "K", "TooLong", std::string(80, 'a'));
  registry.Set(kUser, "K", "Number", FakeRegistry::Value{"1", false, false});
  const RegKey key = OpenOrCreateKey(registry, kUser, "K");
  ASSERT_TRUE(key);
  EXPECT_EQ(registry.lastAccess, RegistryAccess::kFull);
  EXPECT_EQ(ReadRegString(key, "Fits")->size(), 79u);
  EXPECT_FALSE(ReadRegString(key, "TooLong"));
  EXPECT_FALSE(ReadRegString(key, "Number"));
  EXPECT_FALSE(ReadRegString(RegKey(), "Fits"));
}

class PointerRegistryTest : public ::testing::Test {
 protected:
  std::string Mouse(const char* name) { return registry.Get(kUser, kMouse, name).value_or("<missing>"); }
  std::string Desktop(const char* name) { return registry.Get(kUser, kDesktop, name).value_or("<missing>"); }
  void SetAcceleration(const char* speed, const char* threshold1, const char* threshold2) {
    registry.Set(kUser, kMouse, "MouseSpeed", speed);
    registry.Set(kUser, kMouse, "MouseThreshold1", threshold1);
    registry.Set(kUser, kMouse, "MouseThreshold2", threshold2);
  }

  FakeRegistry registry;
  ProfileRecord profile = DefaultProfile();
};

TEST_F(PointerRegistryTest, WritesTheProfileAndTheAccelerationTriple) {
  profile.DbleClickSpeed = 620;
  profile.MouseSpeed = 14;
  profile.MouseTrails = 7;
  profile.TiltSpeed = 5;
  profile.AccelerationFlag = 0;
  profile.Acceleration = 15;
  EXPECT_EQ(WritePointerRegistry(profile, registry), 1);
  EXPECT_EQ(Mouse("DoubleClickSpeed"), "620");
  EXPECT_EQ(Mouse("MouseSensitivity"), "14");
  EXPECT_EQ(Mouse("MouseTrails"), "7");
  EXPECT_EQ(Mouse("MouseSpeed") + Mouse("MouseThreshold1") + Mouse("MouseThreshold2"), "000");
  EXPECT_EQ(Desktop("WheelScrollLines"), "3");
  EXPECT_EQ(Desktop("WheelScrollChars"), "5");

  profile.AccelerationFlag = 1;
  profile.Acceleration = 25;
  profile.ScrollWheelFlag = 1;
  WritePointerRegistry(profile, registry);
  EXPECT_EQ(Mouse("MouseSpeed") + "," + Mouse("MouseThreshold1") + "," + Mouse("MouseThreshold2"), "2,4,5");
  EXPECT_EQ(Desktop("WheelScrollLines"), "-1");

  profile.Acceleration = -4;
  WritePointerRegistry(profile, registry);
  EXPECT_EQ(Mouse("MouseThreshold1"), "0");
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(PointerRegistryTest, AccelerationIndexFromTheRegistryValues) {
  EXPECT_EQ(AccelerationIndexFromRegistry({1, 6, 0}), 8);
  EXPECT_EQ(AccelerationIndexFromRegistry({1, 7, 0}), 7);  // indices 1..7 match, the last wins
  EXPECT_EQ(AccelerationIndexFromRegistry({2, 4, 5}), 19);
  EXPECT_EQ(AccelerationIndexFromRegistry({0, 0, 0}), 0);
  EXPECT_EQ(AccelerationIndexFromRegistry({0, 6, 10}), std::nullopt);
  EXPECT_EQ(AccelerationIndexFromRegistry({1, 14, 0}), std::nullopt);
  EXPECT_EQ(AccelerationIndexFromRegistry({1, 13, 0}), 1);
}

TEST_F(PointerRegistryTest, ReadsTheAccelerationAndItsFlag) {
  SetAcceleration("1", "6", "0");
  EXPECT_EQ(ReadPointerRegistry(profile, registry), 1);
  EXPECT_EQ(profile.Acceleration, 8);
  EXPECT_EQ(profile.AccelerationFlag, 1);

  SetAcceleration("0", "0", "0");
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.Acceleration, 0);
  EXPECT_EQ(profile.AccelerationFlag, 0);

  profile.Acceleration = 12;
  SetAcceleration("0", "6", "10");  // no entry: the index stays, the flag follows it
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.Acceleration, 12);
  EXPECT_EQ(profile.AccelerationFlag, 1);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(PointerRegistryTest, OneScreenPerNotchGetsAUsableLineCount) {
  registry.Set(kUser, kDesktop, "WheelScrollLines", "-1");
  profile.ScrollWheelSpeed = 0;
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.ScrollWheelFlag, 1);
  EXPECT_EQ(profile.ScrollWheelSpeed, 3);

  profile.ScrollWheelSpeed = 7;
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.ScrollWheelSpeed, 7);

  registry.Set(kUser, kDesktop, "WheelScrollLines", "5");
  registry.Set(kUser, kDesktop, "WheelScrollChars", "9");
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.ScrollWheelFlag, 0);
  EXPECT_EQ(profile.ScrollWheelSpeed, 5);
  EXPECT_EQ(profile.TiltSpeed, 9);
}

TEST_F(PointerRegistryTest, UnreadableValuesKeepTheProfileFields) {
  registry.Set(kUser, kMouse, "DoubleClickSpeed", std::string(100, '5'));  // longer than the buffer
  registry.Set(kUser, kMouse, "MouseTrails", FakeRegistry::Value{"", false, false});
  registry.Set(kUser, kMouse, "MouseSensitivity", "15");
  registry.Set(kUser, kMouse, "MouseSpeed", "2");  // the thresholds are missing
  profile.AccelerationFlag = 1;
  const ProfileRecord before = profile;
  ReadPointerRegistry(profile, registry);
  EXPECT_EQ(profile.DbleClickSpeed, before.DbleClickSpeed);
  EXPECT_EQ(profile.MouseTrails, before.MouseTrails);
  EXPECT_EQ(profile.MouseSpeed, 15);
  EXPECT_EQ(profile.Acceleration, before.Acceleration);
  EXPECT_EQ(profile.AccelerationFlag, 1);
  EXPECT_EQ(profile.ScrollWheelSpeed, before.ScrollWheelSpeed);
  EXPECT_EQ(profile.TiltSpeed, before.TiltSpeed);
}

TEST_F(PointerRegistryTest, KeysThatCannotBeOpenedOrCreated) {
  registry.Refuse(kUser, kDesktop);
  EXPECT_EQ(WritePointerRegistry(profile, registry), -1);
  EXPECT_EQ(Mouse("DoubleClickSpeed"), "480");  // the Mouse key was written before
  EXPECT_EQ(ReadPointerRegistry(profile, registry), -1);

  registry.Refuse(kUser, kMouse);
  EXPECT_EQ(WritePointerRegistry(profile, registry), -1);
  EXPECT_EQ(ReadPointerRegistry(profile, registry), 0);
  EXPECT_EQ(registry.OpenKeys(), 0);

  FakeRegistry fresh;  // keys that cannot be opened are created
  fresh.RefuseOpening(kUser, kMouse);
  EXPECT_EQ(WritePointerRegistry(profile, fresh), 1);
  EXPECT_EQ(fresh.Get(kUser, kMouse, "MouseTrails"), "0");
}

}  // namespace
}  // namespace orvix
