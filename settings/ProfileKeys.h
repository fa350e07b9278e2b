// The keys of a profile file ("*.nmp"), all in the section "Setting", in file order,
// each with its field. Reading, writing and checking go through this one list so that
// they can never disagree about a key.
#pragma once

#include <cstdio>

#include "ProfileRecord.h"

namespace orvix {

inline constexpr char kProfileSection[] = "Setting";

// Calls v.Text(key, char[N]), v.Int(key, int32&[, missing]), v.Byte(key, uint8&) and
// v.Block(key, record&) for every key; `Record` may be const for writers.
template <typename Record, typename Visitor>
void VisitProfileKeys(Record& r, Visitor& v) {
  char key[32];
  auto indexed = [&key](const char* format, int i) {
    std::snprintf(key, sizeof key, format, i);
    return key;
  };
  v.Text("ProFileName", r.ProFileName);
  v.Text("GameFile0", r.GameFile0);
  v.Text("GameFile1", r.GameFile1);
  v.Text("GameFile2", r.GameFile2);
  v.Int("DbleClickSpeed", r.DbleClickSpeed);
  v.Int("ScrollWheelSpeed", r.ScrollWheelSpeed);
  v.Int("ScrollWheelFlag", r.ScrollWheelFlag);
  v.Int("MouseSpeed", r.MouseSpeed);
  v.Int("Acceleration", r.Acceleration);
  v.Int("AccelerationFlag", r.AccelerationFlag);
  v.Int("MouseTrails", r.MouseTrails);
  v.Int("TiltSpeed", r.TiltSpeed);
  v.Int("MediaOption", r.MediaOption);
  v.Int("HDDKeyboard", r.HDDKeyboard);
  v.Int("Orientation", r.Orientation);
  v.Int("XYSynchronous", r.XYSynchronous);
  v.Int("Sensitivity_X", r.Sensitivity_X);
  v.Int("Sensitivity_Y", r.Sensitivity_Y);
  v.Int("Sensitivity", r.Sensitivity);
  for (int i = 0; i < 6; ++i) v.Byte(indexed("dpi%d", i), r.dpi[i]);
  v.Int("Cpi_X", r.Cpi_X);
  v.Int("Cpi_Y", r.Cpi_Y);
  v.Int("XYCpiFlag", r.XYCpiFlag);
  for (int i = 0; i < kDpiLevels; ++i) v.Int(indexed("CpiLevel_X%d", i), r.CpiLevel_X[i]);
  for (int i = 0; i < kDpiLevels; ++i) v.Int(indexed("CpiLevel_Y%d", i), r.CpiLevel_Y[i]);
  v.Int("PollingRate", r.PollingRate);
  v.Int("LightOnFlag", r.LightOnFlag);
  v.Int("LightEffectMode", r.LightEffectMode);
  v.Int("LightColorFlow", r.LightColorFlow);
  v.Int("LightEffectType", r.LightEffectType);
  v.Int("LightEffectSpeed", r.LightEffectSpeed);
  v.Int("SoundProfile", r.SoundProfile);
  v.Int("SoundDpi", r.SoundDpi);
  v.Int("SoundSens", r.SoundSens);
  v.Int("VolumeUpDown", r.VolumeUpDown);
  v.Int("SoundTrophy", r.SoundTrophy);
  v.Int("SoundVolume", r.SoundVolume);
  v.Int("UseColorForAll", r.UseColorForAll, 0);
  v.Int("LtChoseType", r.LtChoseType, 0);
  for (int i = 0; i < 4; ++i) v.Block(indexed("LightInfo%d", i), r.LightInfo[i]);
  for (int i = 0; i < 4; ++i) v.Block(indexed("CustomLightInfo%d", i), r.CustomLightInfo[i]);
  for (int i = 0; i < kButtonSlots; ++i) v.Block(indexed("MacroKeyInfo%d", i), r.MacroKeyInfo[i]);
}

}  // namespace orvix
