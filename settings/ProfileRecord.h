// The settings of one of the mouse's five profile slots. The layout is binding: the
// record is mapped by both programs inside the shared block and stored key by key in
// the profile files.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ButtonAssignment.h"

namespace orvix {

constexpr int kProfiles = 5;
constexpr int kDpiLevels = 5;

#pragma pack(push, 1)

struct LightEntry {
  std::uint8_t paletteIndex;  // 0..32; the device report carries 255 for the custom colour
  std::uint8_t on;
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

struct ProfileRecord {
  char ProFileName[250];
  char GameFile0[500];
  char GameFile1[500];
  char GameFile2[500];
  std::uint8_t padding0[2];
  std::int32_t DbleClickSpeed;
  std::int32_t ScrollWheelSpeed;
  std::int32_t ScrollWheelFlag;
  std::int32_t MouseSpeed;
  std::int32_t Acceleration;
  std::int32_t AccelerationFlag;
  std::int32_t MouseTrails;
  std::int32_t TiltSpeed;
  std::int32_t MediaOption;
  std::int32_t HDDKeyboard;
  std::int32_t Orientation;
  std::int32_t XYSynchronous;
  std::int32_t Sensitivity_X;
  std::int32_t Sensitivity_Y;
  std::int32_t Sensitivity;
  std::uint8_t dpi[6];  // 1 = level enabled in the device's cycle; the sixth is carried only
  std::uint8_t padding1[2];
  std::int32_t Cpi_X;   // current DPI level 0..4
  std::int32_t Cpi_Y;
  std::int32_t XYCpiFlag;
  std::int32_t CpiLevel_X[kDpiLevels];  // DPI / 200, 1..41
  std::int32_t CpiLevel_Y[kDpiLevels];
  std::int32_t PollingRate;
  std::int32_t LightOnFlag;
  std::int32_t LightEffectMode;
  std::int32_t LightColorFlow;
  std::int32_t LightEffectType;
  std::int32_t LightEffectSpeed;
  std::int32_t SoundProfile;
  std::int32_t SoundDpi;
  std::int32_t SoundSens;
  std::int32_t VolumeUpDown;
  std::int32_t SoundTrophy;
  std::int32_t SoundVolume;
  std::int32_t UseColorForAll;
  std::int32_t LtChoseType;  // 0 palette colour of LightInfo[0], 1 custom colour
  LightEntry LightInfo[4];
  LightEntry CustomLightInfo[4];
  ButtonAssignment MacroKeyInfo[kButtonSlots];
};

#pragma pack(pop)

static_assert(sizeof(LightEntry) == 5);
static_assert(sizeof(ProfileRecord) == 62736);
static_assert(offsetof(ProfileRecord, GameFile0) == 250);
static_assert(offsetof(ProfileRecord, GameFile1) == 750);
static_assert(offsetof(ProfileRecord, GameFile2) == 1250);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 1752);
static_assert(offsetof(ProfileRecord, ScrollWheelSpeed) == 1756);
static_assert(offsetof(ProfileRecord, ScrollWheelFlag) == 1760);
static_assert(offsetof(ProfileRecord, MouseSpeed) == 1764);
static_assert(offsetof(ProfileRecord, Acceleration) == 1768);
static_assert(offsetof(ProfileRecord, AccelerationFlag) == 1772);
static_assert(offsetof(ProfileRecord, MouseTrails) == 1776);
static_assert(offsetof(ProfileRecord, TiltSpeed) == 1780);
static_assert(offsetof(ProfileRecord, MediaOption) == 1784);
static_assert(offsetof(ProfileRecord, HDDKeyboard) == 1788);
static_assert(offsetof(ProfileRecord, Orientation) == 1792);
static_assert(offsetof(ProfileRecord, XYSynchronous) == 1796);
static_assert(offsetof(ProfileRecord, Sensitivity_X) == 1800);
static_assert(offsetof(ProfileRecord, Sensitivity_Y) == 1804);
static_assert(offsetof(ProfileRecord, Sensitivity) == 1808);
static_assert(offsetof(ProfileRecord, dpi) == 1812);
static_assert(offsetof(ProfileRecord, Cpi_X) == 1820);
static_assert(offsetof(ProfileRecord, Cpi_Y) == 1824);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 1828);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 1832);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 1852);
static_assert(offsetof(ProfileRecord, PollingRate) == 1872);
static_assert(offsetof(ProfileRecord, LightOnFlag) == 1876);
static_assert(offsetof(ProfileRecord, LightEffectMode) == 1880);
static_assert(offsetof(ProfileRecord, LightColorFlow) == 1884);
static_assert(offsetof(ProfileRecord, LightEffectType) == 1888);
static_assert(offsetof(ProfileRecord, LightEffectSpeed) == 1892);
static_assert(offsetof(ProfileRecord, SoundProfile) == 1896);
static_assert(offsetof(ProfileRecord, SoundDpi) == 1900);
static_assert(offsetof(ProfileRecord, SoundSens) == 1904);
static_assert(offsetof(ProfileRecord, VolumeUpDown) == 1908);
static_assert(offsetof(ProfileRecord, SoundTrophy) == 1912);
static_assert(offsetof(ProfileRecord, SoundVolume) == 1916);
static_assert(offsetof(ProfileRecord, UseColorForAll) == 1920);
static_assert(offsetof(ProfileRecord, LtChoseType) == 1924);
static_assert(offsetof(ProfileRecord, LightInfo) == 1928);
static_assert(offsetof(ProfileRecord, CustomLightInfo) == 1948);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 1968);

}  // namespace orvix
