#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "device/FeatureReports.h"

namespace orvix {
namespace {

std::unique_ptr<ProfileRecord> SampleProfile() {
  auto p = std::make_unique<ProfileRecord>();
  std::memset(p.get(), 0, sizeof *p);
  p->XYSynchronous = 0;
  p->Sensitivity = 6;
  p->Sensitivity_X = 3;
  p->Sensitivity_Y = 9;
  const std::uint8_t enabled[6] = {1, 1, 0, 1, 1, 0};
  std::memcpy(p->dpi, enabled, sizeof enabled);
  const std::int32_t levels[5] = {4, 8, 16, 32, 41};
  std::memcpy(p->CpiLevel_X, levels, sizeof levels);
  p->Cpi_X = 2;
  p->PollingRate = 3;
  p->LightInfo[0] = {0, 1, 0, 100, 250};
  p->CustomLightInfo[0] = {9, 1, 1, 2, 3};
  p->LtChoseType = 0;
  p->LightColorFlow = 1;
  p->LightEffectType = 2;
  p->LightEffectSpeed = 2;
  return p;
}

bool SameRecord(const ProfileRecord& a, const ProfileRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(DeviceSettingsReport, EncodesTheProfileByteForByte) {
  const auto profile = SampleProfile();
  const Report<31> expected = {6,  31,  0,  0,   6,  6,   0x1B, 16, 32, 64, 128, 164, 2, 16, 32, 64,
                               128, 164, 0, 3,   1,  0,   1,    2,  2,  0,  0,   100, 250, 0xDD, 0x04};
  EXPECT_EQ(EncodeDeviceSettings(0, *profile), expected);

  profile->XYSynchronous = 1;
  profile->LtChoseType = 1;
  profile->LightInfo[0].on = 7;  // only 1 counts as on
  const Report<31> synchronous = EncodeDeviceSettings(4, *profile);
  EXPECT_EQ(synchronous[2], 4);
  EXPECT_EQ(synchronous[4], 3);
  EXPECT_EQ(synchronous[5], 9);
  EXPECT_EQ(synchronous[20], 0);
  EXPECT_EQ(synchronous[21], 1);
  EXPECT_EQ(synchronous[25], 255);  // the custom colour goes out with palette index 255
  EXPECT_EQ(synchronous[26], 1);
  EXPECT_EQ(synchronous[28], 3);
  EXPECT_TRUE(ReportSealed(synchronous.data(), synchronous.size()));
}

TEST(DeviceSettingsReport, ReadingStoresWhatTheReportCarries) {
  auto profile = SampleProfile();
  Report<31> report = EncodeDeviceSettings(0, *profile);
  report[3] = 0;
  report[4] = 2;
  report[5] = 8;
  report[7] = 164;
  report[12] = 4;
  report[25] = 12;
  SealReport(report.data(), report.size());
  ASSERT_TRUE(DecodeDeviceSettings(report, *profile));
  EXPECT_EQ(profile->Sensitivity, 8);  // not synchronous: byte 5, and X and Y stay
  EXPECT_EQ(profile->Sensitivity_X, 3);
  EXPECT_EQ(profile->Sensitivity_Y, 9);
  EXPECT_EQ(profile->CpiLevel_X[0], 41);
  EXPECT_EQ(profile->CpiLevel_Y[0], 41);
  EXPECT_EQ(profile->Cpi_X, 4);
  EXPECT_EQ(profile->Cpi_Y, 4);
  EXPECT_EQ(profile->dpi[2], 0);
  EXPECT_EQ(profile->dpi[3], 1);
  EXPECT_EQ(profile->LtChoseType, 0);
  EXPECT_EQ(profile->LightInfo[0].paletteIndex, 12);

  report[3] = 1;
  report[25] = 255;
  report[26] = 7;
  SealReport(report.data(), report.size());
  ASSERT_TRUE(DecodeDeviceSettings(report, *profile));
  EXPECT_EQ(profile->Sensitivity_X, 2);
  EXPECT_EQ(profile->Sensitivity_Y, 8);
  EXPECT_EQ(profile->LtChoseType, 1);
  EXPECT_EQ(profile->CustomLightInfo[0].paletteIndex, 255);
  EXPECT_EQ(profile->CustomLightInfo[0].red, 7);
  EXPECT_EQ(profile->LightInfo[0].paletteIndex, 12);  // the palette entry stays

  const auto before = std::make_unique<ProfileRecord>(*profile);
  report[7] = 4;  // changed after sealing
  EXPECT_FALSE(DecodeDeviceSettings(report, *profile));
  report[0] = 7;
  SealReport(report.data(), report.size());
  EXPECT_FALSE(DecodeDeviceSettings(report, *profile));
  EXPECT_TRUE(SameRecord(*profile, *before));
}

TEST(ButtonFunctionsReport, ShortcutKeysTravelInTheEntry) {
  auto profile = SampleProfile();
  for (int s = 0; s < kButtonSlots; ++s) profile->MacroKeyInfo[s].function = static_cast<std::uint8_t>(100 + s);
  ButtonAssignment& shortcut = profile->MacroKeyInfo[12];  // device button 9
  shortcut.function = kFunctionShortcut;
  shortcut.events[0] = {0x1D, kModifierCtrl, 0};
  const Report<59> report = EncodeButtonFunctions(3, *profile);
  EXPECT_EQ(report[1], 59);
  EXPECT_EQ(report[2], 3);
  EXPECT_EQ(report[3 + 3 * 5], 107);  // device button 5 = slot 7
  EXPECT_EQ(report[3 + 3 * 9], kFunctionShortcut);
  EXPECT_EQ(report[4 + 3 * 9], kModifierCtrl);
  EXPECT_EQ(report[5 + 3 * 9], 0x1D);
  EXPECT_EQ(report[4 + 3 * 10], 0);  // other codes carry no key
  EXPECT_TRUE(ReportSealed(report.data(), report.size()));
}

TEST(ButtonFunctionsReport, AShortcutReadBackBecomesAOneKeyAssignment) {
  auto profile = SampleProfile();
  ButtonAssignment& slot = profile->MacroKeyInfo[20];  // device button 15
  slot.function = kFunctionMacro;
  std::strcpy(slot.macroName, "Old macro");
  std::strcpy(slot.macroSetName, "Set");
  slot.eventCount = 3;
  slot.events[2] = {0x05, 1, 40};
  profile->MacroKeyInfo[5].function = 77;  // a slot the mouse does not store
  Report<59> report{};
  report[0] = 7;
  report[1] = 59;
  for (int d = 0; d < 18; ++d) report[3 + 3 * d] = kFunctionClick;
  report[3 + 3 * 15] = kFunctionShortcut;
  report[4 + 3 * 15] = kModifierShift | kModifierAlt;
  report[5 + 3 * 15] = 0x04;
  SealReport(report.data(), report.size());
  ASSERT_TRUE(DecodeButtonFunctions(report, *profile));
  EXPECT_EQ(slot.function, kFunctionShortcut);
  EXPECT_EQ(slot.eventCount, 1);
  EXPECT_EQ(slot.events[0].key, 0x04);
  EXPECT_EQ(slot.events[0].direction, kModifierShift | kModifierAlt);
  EXPECT_EQ(slot.events[2].key, 0);
  EXPECT_EQ(slot.macroName[0], '\0');
  EXPECT_EQ(slot.macroSetName[0], '\0');
  EXPECT_EQ(profile->MacroKeyInfo[0].function, kFunctionClick);
  EXPECT_EQ(profile->MacroKeyInfo[5].function, 77);
}

TEST(MacroReport, FiveHundredEventsFillTheReportToItsChecksum) {
  auto profile = SampleProfile();
  ButtonAssignment& slot = profile->MacroKeyInfo[21];
  slot.loopCount = 0x102;  // only the low byte travels
  std::strcpy(slot.macroName, "A name longer than twenty-four characters");
  std::strcpy(slot.macroSetName, "Set  ");
  slot.eventCount = 500;
  for (int e = 0; e < 500; ++e) slot.events[e] = {static_cast<std::uint8_t>(e), 1, static_cast<std::uint16_t>(e)};
  auto report = std::make_unique<MacroReport>();
  ASSERT_TRUE(EncodeMacro(2, 16, slot, *report));
  EXPECT_EQ((*report)[1], 0x22);
  EXPECT_EQ((*report)[2], 0x08);
  EXPECT_EQ((*report)[3], 2);
  EXPECT_EQ((*report)[4], 16);
  EXPECT_EQ((*report)[5], 2);
  EXPECT_EQ(std::memcmp(&(*report)[54], "A name longer than twenty-four", 24), 0);
  EXPECT_EQ((*report)[78], 500 & 0xFF);
  EXPECT_EQ((*report)[79], 500 >> 8);
  EXPECT_EQ((*report)[2076], 499 & 0xFF);  // key of the last event
  EXPECT_EQ((*report)[2079], 499 >> 8);    // high byte of its delay
  EXPECT_TRUE(ReportSealed(report->data(), report->size()));

  ButtonAssignment back{};
  back.slot = 21;
  ASSERT_TRUE(DecodeMacro(*report, back));
  EXPECT_EQ(back.slot, 21);  // the slot keeps its own index
  EXPECT_EQ(back.function, kFunctionMacro);
  EXPECT_EQ(back.loopCount, 2);
  EXPECT_STREQ(back.macroName, "A name longer than twent");
  EXPECT_STREQ(back.macroSetName, "Set");
  EXPECT_EQ(back.eventCount, 500);
  EXPECT_EQ(std::memcmp(back.events, slot.events, sizeof slot.events), 0);
}

TEST(MacroReport, CountsBeyondTheEventAreaAreRefused) {
  ButtonAssignment slot{};
  slot.eventCount = 501;
  auto report = std::make_unique<MacroReport>();
  EXPECT_FALSE(EncodeMacro(0, 0, slot, *report));

  slot.eventCount = 2;
  slot.events[0] = {0x04, 1, 10};
  ASSERT_TRUE(EncodeMacro(0, 0, slot, *report));
  ButtonAssignment stored{};
  stored.eventCount = 7;
  (*report)[78] = 0xF5;  // 501
  (*report)[79] = 0x01;
  SealReport(report->data(), report->size());
  EXPECT_FALSE(DecodeMacro(*report, stored));
  EXPECT_EQ(stored.eventCount, 7);
  (*report)[78] = 2;
  (*report)[79] = 0;
  EXPECT_FALSE(DecodeMacro(*report, stored));  // checksum no longer matches
  EXPECT_EQ(stored.eventCount, 7);
}

TEST(SmallReports, FixedForms) {
  EXPECT_EQ(EncodeSelect(3, kSelectButtonFunctions), (Report<3>{4, 3, 0x90}));
  EXPECT_EQ(EncodeCurrentProfile(4), (Report<3>{5, 3, 4}));
  EXPECT_EQ(DecodeCurrentProfile({5, 3, 4}), 4);
  EXPECT_EQ(DecodeCurrentProfile({5, 3, 5}), std::nullopt);
  EXPECT_EQ(EncodeRestoreFactoryDefaults(), (Report<6>{9, 6, 11, 0, 0, 0}));
  EXPECT_EQ(DecodeFirmwareVersion({9, 6, 200, 0, 0, 0}), 200);
  EXPECT_EQ(EncodeSensorCapture(), (Report<4>{12, 3, 1, 0}));
  EXPECT_EQ(EncodeHostMode(0), (Report<3>{14, 3, 0}));

  const TrackingValues values{1, 0, 77, 2};
  EXPECT_EQ(EncodeTracking(values, 1), (Report<6>{15, 6, 1, 0, 77, 2}));
  EXPECT_EQ(EncodeTracking(values, 255), (Report<6>{15, 6, 1, 255, 255, 255}));
  EXPECT_EQ(EncodeTracking(values, 254), (Report<6>{15, 6, 1, 255, 255, 1}));
  EXPECT_EQ(EncodeTracking(values, 253), (Report<6>{15, 6, 1, 255, 255, 0}));
  const auto read = DecodeTracking({15, 6, 1, 1, 90, 3});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->calibrationValue, 90);
  EXPECT_EQ(read->calibrationMode, 3);
}

TEST(SmallReports, LightControlForms) {
  EXPECT_EQ(EncodeCompanionLight(16, 255, 255), (Report<16>{16, 16, 16, 255, 255, 255}));
  std::uint8_t ambient[20] = {1, 0, 0, 0};
  for (int i = 4; i < 20; ++i) ambient[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(EncodeAmbientLight(ambient), (Report<16>{16, 16, 255, 255, 255, 1, 3, 1, 4, 8, 12, 13, 14, 15, 16, 17}));
  ambient[1] = 1;  // mode 257 is not mode 1
  EXPECT_EQ(EncodeAmbientLight(ambient)[6], 4);
}

TEST(SmallReports, ALastPartialLightChunkIsPaddedWithZeros) {
  const std::uint8_t data[3] = {0xAA, 0xBB, 0xCC};
  const Report<1029> chunk = EncodeLightChunk(258, data, 1);
  EXPECT_EQ(chunk[0], 26);
  EXPECT_EQ(chunk[1], 2);
  EXPECT_EQ(chunk[2], 1);
  EXPECT_EQ(chunk[3], 0xAA);
  EXPECT_EQ(chunk[4], 0);
  EXPECT_EQ(chunk[1027], (26 + 2 + 1 + 0xAA) & 0xFF);
  EXPECT_EQ(chunk[1028], (26 + 2 + 1 + 0xAA) >> 8);
}

}  // namespace
}  // namespace orvix
