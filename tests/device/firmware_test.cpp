#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "ButtonFunctionCodes.h"
#include "FirmwareFixture.h"

namespace orvix::test {
namespace {

using vmouse::MouseEvent;
using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> Read(VirtualMouse& mouse, std::uint8_t id, int length) {
  Bytes report(static_cast<std::size_t>(length), 0);
  report[0] = id;
  if (!mouse.firmware.GetFeature(report.data(), length)) return std::nullopt;
  return report;
}

int Status(VirtualMouse& mouse) {
  const auto status = Read(mouse, 4, 3);
  return status ? (*status)[1] : -1;
}

// Writes and returns the status the mouse then reports; -1 when the write was refused.
int Write(VirtualMouse& mouse, Bytes report) {
  if (!mouse.firmware.SetFeature(report.data(), static_cast<int>(report.size()))) return -1;
  return Status(mouse);
}

int Select(VirtualMouse& mouse, int profile, int selector) {
  return Write(mouse, {4, static_cast<std::uint8_t>(profile), static_cast<std::uint8_t>(selector)});
}

Bytes SettingsReport(int profile, std::uint8_t level0) {
  Bytes r(31, 0);
  r[0] = 6;
  r[1] = 31;
  r[2] = static_cast<std::uint8_t>(profile);
  r[4] = r[5] = 7;     // sensitivity
  r[6] = 0x1F;
  r[7] = level0;
  r[12] = 2;           // current level
  r[19] = 1;
  Seal(r);
  return r;
}

Bytes MacroReport(int profile, int button, int events) {
  Bytes r(2082, 0);
  r[0] = 8;
  r[1] = 0x22;
  r[2] = 0x08;
  r[3] = static_cast<std::uint8_t>(profile);
  r[4] = static_cast<std::uint8_t>(button);
  r[5] = 3;
  std::memcpy(&r[54], "Combo", 5);
  r[78] = static_cast<std::uint8_t>(events);
  r[79] = static_cast<std::uint8_t>(events >> 8);
  for (int e = 0; e < events && e < 500; ++e) {
    r[80 + 4 * e] = static_cast<std::uint8_t>(4 + e % 20);
    r[81 + 4 * e] = e % 2 ? 2 : 1;
    r[82 + 4 * e] = 10;
  }
  Seal(r);
  return r;
}

TEST(VirtualMouseReports, SelectChoosesWhatTheNextReadReturns) {
  VirtualMouse mouse;
  ASSERT_EQ(Select(mouse, 2, 0x80), 1);
  auto settings = Read(mouse, 6, 31);
  ASSERT_TRUE(settings);
  EXPECT_EQ((*settings)[1], 31);
  EXPECT_EQ((*settings)[2], 2);
  EXPECT_EQ((*settings)[7], 16);   // 800 DPI in steps of 50
  EXPECT_EQ((*settings)[25], 7);   // the factory colour of profile 2
  EXPECT_EQ((*settings)[26], 250);
  EXPECT_TRUE(Sealed(*settings));
  // The selection is for report 6 only.
  EXPECT_FALSE(Read(mouse, 7, 59));
  EXPECT_FALSE(Read(mouse, 8, 2082));

  ASSERT_EQ(Select(mouse, 0, 0x90), 1);
  auto buttons = Read(mouse, 7, 59);
  ASSERT_TRUE(buttons);
  EXPECT_TRUE(Sealed(*buttons));
  EXPECT_EQ((*buttons)[3 + 3 * 0], kFunctionClick);
  EXPECT_EQ((*buttons)[3 + 3 * 7], kFunctionDpiUp);        // device button 7 = slot 9
  EXPECT_EQ((*buttons)[3 + 3 * 17], kFunctionProfileDown); // device button 17 = slot 22

  ASSERT_EQ(Select(mouse, 4, 17), 1);
  auto macro = Read(mouse, 8, 2082);
  ASSERT_TRUE(macro);
  EXPECT_EQ((*macro)[1], 0x22);
  EXPECT_EQ((*macro)[2], 0x08);
  EXPECT_EQ((*macro)[3], 4);
  EXPECT_EQ((*macro)[4], 17);
  EXPECT_TRUE(Sealed(*macro));

  // A bad selection leaves nothing selected.
  EXPECT_EQ(Select(mouse, 5, 0x80), vmouse::kStatusBadParameter);
  EXPECT_EQ(Select(mouse, 0, 18), vmouse::kStatusBadParameter);
  EXPECT_FALSE(Read(mouse, 8, 2082));
}

TEST(VirtualMouseReports, FixedReadsCarryTheirValues) {
  VirtualMouse mouse;
  auto version = Read(mouse, 9, 6);
  ASSERT_TRUE(version);
  EXPECT_EQ((*version)[1], 6);
  EXPECT_EQ((*version)[2], vmouse::kVirtualFirmwareVersion);
  ASSERT_EQ(Write(mouse, {5, 3, 3}), 1);
  EXPECT_EQ((*Read(mouse, 5, 3))[2], 3);
  ASSERT_EQ(Write(mouse, {15, 6, 1, 2, 90, 1}), 1);
  EXPECT_EQ(*Read(mouse, 15, 6), (Bytes{15, 6, 1, 2, 90, 1}));
  auto image = Read(mouse, 12, 1028);
  ASSERT_TRUE(image);
  EXPECT_NE((*image)[3], 0);
  EXPECT_EQ((*image)[903], 0);
}

TEST(VirtualMouseReports, AcceptedWritesAreKeptAndReadBack) {
  VirtualMouse mouse;
  ASSERT_EQ(Write(mouse, SettingsReport(3, 164)), 1);
  ASSERT_EQ(Select(mouse, 3, 0x80), 1);
  EXPECT_EQ(*Read(mouse, 6, 31), SettingsReport(3, 164));

  Bytes buttons(59, 0);
  buttons[0] = 7;
  buttons[1] = 59;
  buttons[2] = 1;
  buttons[3 + 3 * 5] = kFunctionShortcut;
  buttons[4 + 3 * 5] = 0x04;  // Ctrl
  buttons[5 + 3 * 5] = 0x1D;  // Z
  Seal(buttons);
  ASSERT_EQ(Write(mouse, buttons), 1);
  ASSERT_EQ(Select(mouse, 1, 0x90), 1);
  EXPECT_EQ(*Read(mouse, 7, 59), buttons);

  // A macro of 500 events fills the event area to its last byte.
  const Bytes macro = MacroReport(1, 9, 500);
  ASSERT_EQ(Write(mouse, macro), 1);
  ASSERT_EQ(Select(mouse, 1, 9), 1);
  EXPECT_EQ(*Read(mouse, 8, 2082), macro);

  ASSERT_EQ(Write(mouse, {14, 3, 1}), 1);
  Bytes chunk(1029, 0);
  chunk[0] = 26;
  chunk[1] = 2;
  chunk[3] = 0xAB;
  Seal(chunk);
  ASSERT_EQ(Write(mouse, chunk), 1);
  const auto memory = mouse.firmware.Memory();
  EXPECT_EQ(memory->state.hostMode, 1);
  ASSERT_EQ(memory->lightDatabase.size(), 3u * 1024);
  EXPECT_EQ(memory->lightDatabase[2048], 0xAB);
  EXPECT_EQ(mouse.store.saves, 5);
}

TEST(VirtualMouseReports, WritesAreCheckedBeforeTheyAreStored) {
  VirtualMouse mouse;
  Bytes badChecksum = SettingsReport(0, 100);
  badChecksum[30] ^= 1;
  Bytes badLengthByte = SettingsReport(0, 100);
  badLengthByte[1] = 30;
  Seal(badLengthByte);
  Bytes badLevel = SettingsReport(0, 100);
  badLevel[12] = 5;
  Seal(badLevel);
  Bytes badMacroLength = MacroReport(0, 0, 1);
  badMacroLength[2] = 0;
  Seal(badMacroLength);
  Bytes chunkTooFar(1029, 0);
  chunkTooFar[0] = 26;
  chunkTooFar[2] = 1;  // chunk 256
  Seal(chunkTooFar);

  const struct {
    Bytes report;
    int status;
  } cases[] = {
      {badChecksum, vmouse::kStatusBadChecksum},
      {badLengthByte, vmouse::kStatusRejected},
      {SettingsReport(5, 100), vmouse::kStatusBadParameter},
      {badLevel, vmouse::kStatusBadParameter},
      {badMacroLength, vmouse::kStatusRejected},
      {MacroReport(0, 18, 1), vmouse::kStatusBadParameter},
      {MacroReport(0, 0, 501), vmouse::kStatusBadParameter},
      {{5, 3, 5}, vmouse::kStatusBadParameter},
      {{5, 4, 1}, vmouse::kStatusRejected},
      {{9, 6, 10, 0, 0, 0}, vmouse::kStatusBadParameter},
      {{14, 3, 2}, vmouse::kStatusBadParameter},
      {{12, 4, 1, 0}, vmouse::kStatusRejected},
      {chunkTooFar, vmouse::kStatusBadParameter},
  };
  for (const auto& c : cases) EXPECT_EQ(Write(mouse, c.report), c.status) << "report " << int(c.report[0]);
  EXPECT_EQ(mouse.store.saves, 0);
  const auto memory = mouse.firmware.Memory();
  const auto factory = FactoryMouseMemory();
  EXPECT_EQ(std::memcmp(&memory->state, &factory->state, sizeof memory->state), 0);

  // Sizes the HID layer does not take never reach the mouse.
  Bytes shortSettings = SettingsReport(0, 100);
  EXPECT_FALSE(mouse.firmware.SetFeature(shortSettings.data(), 30));
  Bytes unknown{3, 3, 0};
  EXPECT_FALSE(mouse.firmware.SetFeature(unknown.data(), 3));
  EXPECT_FALSE(Read(mouse, 5, 4));
  EXPECT_FALSE(Read(mouse, 26, 1029));
}

TEST(VirtualMouseReports, RestoreResetsTheProfilesOnly) {
  VirtualMouse mouse;
  ASSERT_EQ(Write(mouse, SettingsReport(0, 100)), 1);
  ASSERT_EQ(Write(mouse, MacroReport(2, 3, 5)), 1);
  ASSERT_EQ(Write(mouse, {5, 3, 4}), 1);
  ASSERT_EQ(Write(mouse, {15, 6, 1, 1, 80, 0}), 1);
  ASSERT_EQ(Write(mouse, {9, 6, 11, 0, 0, 0}), 1);
  const auto memory = mouse.firmware.Memory();
  const auto factory = FactoryMouseMemory();
  EXPECT_EQ(std::memcmp(memory->state.profiles, factory->state.profiles, sizeof memory->state.profiles), 0);
  EXPECT_EQ(memory->state.currentProfile, 0);
  EXPECT_EQ(memory->state.tracking.calibrationValue, 80);
}

TEST(VirtualMouseFaults, BusyAnswersPrecedeTheRealStatus) {
  VirtualMouse mouse;
  mouse.firmware.SetFaults({.busyAnswers = 2, .failStatus = 0, .failStatusWrites = 0});
  Bytes profile{5, 3, 2};
  ASSERT_TRUE(mouse.firmware.SetFeature(profile.data(), 3));
  EXPECT_EQ(Status(mouse), vmouse::kStatusBusy);
  EXPECT_EQ(Status(mouse), vmouse::kStatusBusy);
  EXPECT_EQ(Status(mouse), vmouse::kStatusDone);
}

TEST(VirtualMouseFaults, AFailedStatusLeavesTheMemoryAlone) {
  VirtualMouse mouse;
  mouse.firmware.SetFaults({.busyAnswers = 0, .failStatus = 7, .failStatusWrites = 1});
  EXPECT_EQ(Write(mouse, {5, 3, 2}), 7);
  EXPECT_EQ((*Read(mouse, 5, 3))[2], 0);
  EXPECT_EQ(Write(mouse, {5, 3, 2}), 1);
  EXPECT_EQ((*Read(mouse, 5, 3))[2], 2);
}

TEST(VirtualMouseFaults, CorruptChecksumsAndFailedReadsAreServedInTurn) {
  VirtualMouse mouse;
  mouse.firmware.SetFaults({.corruptChecksums = 1, .failedReads = 1});
  ASSERT_EQ(Select(mouse, 0, 0x80), -1);  // the status read fails
  ASSERT_EQ(Status(mouse), 1);
  EXPECT_FALSE(Sealed(*Read(mouse, 6, 31)));
  EXPECT_TRUE(Sealed(*Read(mouse, 6, 31)));
}

TEST(VirtualMouseFaults, SlowAnswersWaitBeforeEveryReport) {
  VirtualMouse mouse;
  mouse.firmware.SetFaults({.slowMs = 250});
  Write(mouse, {5, 3, 1});
  EXPECT_EQ(mouse.sleeps, (std::vector<int>{250, 250}));
}

TEST(VirtualMouseFaults, UnplugDuringTheNextFullRead) {
  VirtualMouse mouse;
  mouse.firmware.SetFaults({.unplugAfterReports = 3});  // three reports pass after the version
  EXPECT_TRUE(Read(mouse, 5, 3));  // not armed yet: no firmware version read
  EXPECT_TRUE(Read(mouse, 9, 6));
  EXPECT_TRUE(Read(mouse, 5, 3));
  EXPECT_EQ(Select(mouse, 0, 0x80), 1);
  EXPECT_TRUE(mouse.sink.arrivals.empty());
  EXPECT_FALSE(Read(mouse, 6, 31));
  EXPECT_EQ(mouse.sink.arrivals, (std::vector<bool>{false}));
  EXPECT_FALSE(mouse.firmware.OpenFeatureDevice());
  EXPECT_FALSE(Read(mouse, 9, 6));

  mouse.firmware.Replug();
  EXPECT_EQ(mouse.sink.arrivals, (std::vector<bool>{false, true}));
  EXPECT_FALSE(Read(mouse, 9, 6));  // not opened again yet
  EXPECT_TRUE(mouse.firmware.OpenFeatureDevice());
  EXPECT_TRUE(Read(mouse, 9, 6));
  EXPECT_TRUE(Read(mouse, 5, 3));  // the fault was served once
}

TEST(VirtualMouseFaults, ClosedDeviceAnswersNothing) {
  VirtualMouse mouse;
  mouse.firmware.CloseFeatureDevice();
  EXPECT_FALSE(Read(mouse, 9, 6));
  EXPECT_EQ(Write(mouse, {14, 3, 1}), -1);
}

// ---- the mouse's own buttons ----

struct ButtonMouse : VirtualMouse {
  ButtonMouse() {
    Bytes buttons(59, 0);
    buttons[0] = 7;
    buttons[1] = 59;
    for (int d = 0; d < 18; ++d) buttons[3 + 3 * d] = functions[d];
    for (int p = 0; p < 5; ++p) {
      buttons[2] = static_cast<std::uint8_t>(p);
      Seal(buttons);
      firmware.SetFeature(buttons.data(), 59);
    }
  }
  std::vector<MouseEvent> Press(int d) {
    sink.events.clear();
    firmware.PressButton(d);
    firmware.ReleaseButton(d);
    return sink.events;
  }
  std::uint8_t functions[18] = {kFunctionDpiUp,     kFunctionDpiDown,          kFunctionDpiCycle,
                                kFunctionProfileUp, kFunctionProfileDown,      kFunctionProfileCycle,
                                kFunctionSensitivityUp, kFunctionSensitivityDown, kFunctionSensitivityCycle,
                                kFunctionShortcut,  kFunctionMacro,            kFunctionTimer,
                                kFunctionQuicklaunch, kFunctionOpenDriver,     kFunctionNextTrack,
                                kFunctionTiltRight, kFunctionWindowsVolumeDown, kFunctionAltlayerDevice};
};

TEST(VirtualMouseButtons, DpiFunctionsStepThroughTheEnabledLevels) {
  ButtonMouse mouse;
  Bytes settings = SettingsReport(0, 16);
  settings[6] = 0b10101;  // levels 0, 2, 4
  settings[12] = 0;
  Seal(settings);
  ASSERT_EQ(Write(mouse, settings), 1);
  using E = std::vector<MouseEvent>;
  EXPECT_EQ(mouse.Press(0), (E{{0xB000, 3}}));
  EXPECT_EQ(mouse.Press(0), (E{{0xB000, 5}}));
  EXPECT_EQ(mouse.Press(0), E{});  // already at the top
  EXPECT_EQ(mouse.Press(2), (E{{0xB000, 1}}));  // the cycle wraps
  EXPECT_EQ(mouse.Press(1), E{});  // already at the bottom
  EXPECT_EQ(mouse.firmware.Memory()->state.profiles[0].settings.currentLevel, 0);
}

TEST(VirtualMouseButtons, ProfileFunctionsSwitchTheButtonsToo) {
  ButtonMouse mouse;
  using E = std::vector<MouseEvent>;
  EXPECT_EQ(mouse.Press(4), E{});
  EXPECT_EQ(mouse.Press(3), (E{{0x2000, 2}}));
  EXPECT_EQ(mouse.Press(5), (E{{0x2000, 3}}));
  EXPECT_EQ(mouse.firmware.Memory()->state.currentProfile, 2);
  // Profile 2 gets its own functions: device button 0 becomes a click.
  Bytes buttons(59, 0);
  buttons[0] = 7;
  buttons[1] = 59;
  buttons[2] = 2;
  buttons[3] = kFunctionClick;
  Seal(buttons);
  ASSERT_EQ(Write(mouse, buttons), 1);
  EXPECT_EQ(mouse.Press(0), (E{{0xE100, 1}}));
}

TEST(VirtualMouseButtons, SensitivityFunctionsReportBothAxesWhenSynchronous) {
  ButtonMouse mouse;
  using E = std::vector<MouseEvent>;
  EXPECT_EQ(mouse.Press(6), (E{{0xC000, 7}}));
  Bytes settings = SettingsReport(0, 16);
  settings[3] = 1;
  settings[4] = 11;
  settings[5] = 4;
  Seal(settings);
  ASSERT_EQ(Write(mouse, settings), 1);
  EXPECT_EQ(mouse.Press(6), (E{{0xC000, 0x050B}}));  // X stays at 11
  EXPECT_EQ(mouse.Press(8), (E{{0xC000, 0x0601}}));  // the cycle wraps X to 1
  EXPECT_EQ(mouse.Press(7), (E{{0xC000, 0x0501}}));
}

TEST(VirtualMouseButtons, HostFunctionsReportTheirClasses) {
  ButtonMouse mouse;
  using E = std::vector<MouseEvent>;
  EXPECT_EQ(mouse.Press(9), (E{{0x9000, 10}, {0x9000, 0x010A}}));  // shortcut: press, then release
  EXPECT_EQ(mouse.Press(10), (E{{0x8000, 11}}));
  EXPECT_EQ(mouse.Press(11), (E{{0x8000, 12}}));
  EXPECT_EQ(mouse.Press(12), (E{{0x6000, 13}}));
  EXPECT_EQ(mouse.Press(13), (E{{0xA000, 1}}));
  EXPECT_EQ(mouse.Press(14), (E{{0xF000, 34}}));
  EXPECT_EQ(mouse.Press(15), (E{{0x1000, 255}}));
  EXPECT_EQ(mouse.Press(16), (E{{0x1B00, 255}}));
  EXPECT_EQ(mouse.Press(17), (E{{0xFF00, 18}}));
  EXPECT_EQ(mouse.Press(18), E{});
}

TEST(VirtualMouseButtons, CountersAndTheUnpluggedMouse) {
  VirtualMouse mouse;
  mouse.firmware.Click(2, 3);
  mouse.firmware.Wheel(-4);
  mouse.firmware.Wheel(2);
  mouse.firmware.Move(500);
  mouse.firmware.PressButton(0);  // factory: a click
  EXPECT_EQ(mouse.sink.events, (std::vector<MouseEvent>{
                                   {0xE200, 3}, {0xE700, 4}, {0xE600, 2}, {0xEA00, 500}, {0xE100, 1}}));
  mouse.firmware.Unplug();
  mouse.sink.events.clear();
  mouse.firmware.PressButton(0);
  mouse.firmware.RaiseEvent(0xB000, 1);
  EXPECT_TRUE(mouse.sink.events.empty());
}

TEST(VirtualMouseCalibration, LeavingCalibrationModeEvaluatesTheSurface) {
  VirtualMouse mouse;
  Write(mouse, {15, 6, 0, 0, 255, 255});  // a request form: keeps the calibration
  Write(mouse, {15, 6, 0, 0, 128, 1});     // calibrating
  EXPECT_TRUE(mouse.sink.events.empty());
  Write(mouse, {15, 6, 0, 0, 128, 0});
  Write(mouse, {15, 6, 0, 0, 3, 0});
  Write(mouse, {15, 6, 0, 0, 0, 0});       // discarded: nothing to evaluate
  EXPECT_EQ(mouse.sink.events, (std::vector<MouseEvent>{{0x3000, 1}, {0x3000, 2}}));
}

}  // namespace
}  // namespace orvix::test
