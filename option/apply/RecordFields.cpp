#include "RecordFields.h"

#include <cstring>

namespace orvix {
namespace {

#define ORVIX_FIELD(Record, member) FieldSpan{offsetof(Record, member), sizeof(Record::member)}

template <typename Element>
void AddElements(std::vector<FieldSpan>& fields, std::size_t offset, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) fields.push_back({offset + i * sizeof(Element), sizeof(Element)});
}

std::vector<FieldSpan> MakeProfileFields() {
  using P = ProfileRecord;
  std::vector<FieldSpan> f = {
      ORVIX_FIELD(P, ProFileName),      ORVIX_FIELD(P, GameFile0),        ORVIX_FIELD(P, GameFile1),
      ORVIX_FIELD(P, GameFile2),        ORVIX_FIELD(P, DbleClickSpeed),   ORVIX_FIELD(P, ScrollWheelSpeed),
      ORVIX_FIELD(P, ScrollWheelFlag),  ORVIX_FIELD(P, MouseSpeed),       ORVIX_FIELD(P, Acceleration),
      ORVIX_FIELD(P, AccelerationFlag), ORVIX_FIELD(P, MouseTrails),      ORVIX_FIELD(P, TiltSpeed),
      ORVIX_FIELD(P, MediaOption),      ORVIX_FIELD(P, HDDKeyboard),      ORVIX_FIELD(P, Orientation),
      ORVIX_FIELD(P, XYSynchronous),    ORVIX_FIELD(P, Sensitivity_X),    ORVIX_FIELD(P, Sensitivity_Y),
      ORVIX_FIELD(P, Sensitivity),
  };
  AddElements<std::uint8_t>(f, offsetof(P, dpi), 6);
  f.insert(f.end(), {ORVIX_FIELD(P, Cpi_X), ORVIX_FIELD(P, Cpi_Y), ORVIX_FIELD(P, XYCpiFlag)});
  AddElements<std::int32_t>(f, offsetof(P, CpiLevel_X), kDpiLevels);
  AddElements<std::int32_t>(f, offsetof(P, CpiLevel_Y), kDpiLevels);
  f.insert(f.end(), {ORVIX_FIELD(P, PollingRate), ORVIX_FIELD(P, LightOnFlag), ORVIX_FIELD(P, LightEffectMode),
                     ORVIX_FIELD(P, LightColorFlow), ORVIX_FIELD(P, LightEffectType), ORVIX_FIELD(P, LightEffectSpeed),
                     ORVIX_FIELD(P, SoundProfile), ORVIX_FIELD(P, SoundDpi), ORVIX_FIELD(P, SoundSens),
                     ORVIX_FIELD(P, VolumeUpDown), ORVIX_FIELD(P, SoundTrophy), ORVIX_FIELD(P, SoundVolume),
                     ORVIX_FIELD(P, UseColorForAll), ORVIX_FIELD(P, LtChoseType)});
  AddElements<LightEntry>(f, offsetof(P, LightInfo), 4);
  AddElements<LightEntry>(f, offsetof(P, CustomLightInfo), 4);
  AddElements<ButtonAssignment>(f, offsetof(P, MacroKeyInfo), kButtonSlots);
  return f;
}

std::vector<FieldSpan> MakeConfigFields() {
  using C = ConfigRecord;
  std::vector<FieldSpan> f = {
      ORVIX_FIELD(C, CurrentProfile), ORVIX_FIELD(C, WindowsProfile),   ORVIX_FIELD(C, QuickHelpLan),
      ORVIX_FIELD(C, LiftOnFlag),     ORVIX_FIELD(C, TrackControlFlag), ORVIX_FIELD(C, MouseType),
      ORVIX_FIELD(C, InfoData),
  };
  for (int p = 0; p < kProfiles; ++p) {
    const std::size_t base = offsetof(C, profiles) + static_cast<std::size_t>(p) * sizeof(ProfileRecord);
    for (const FieldSpan& field : ProfileRecordFields()) f.push_back({base + field.offset, field.size});
  }
  return f;
}

#undef ORVIX_FIELD

}  // namespace

const std::vector<FieldSpan>& ProfileRecordFields() {
  static const std::vector<FieldSpan> fields = MakeProfileFields();
  return fields;
}

const std::vector<FieldSpan>& ConfigRecordFields() {
  static const std::vector<FieldSpan> fields = MakeConfigFields();
  return fields;
}

bool FieldDiffers(const ConfigRecord& a, const ConfigRecord& b, const FieldSpan& field) {
  const auto* pa = reinterpret_cast<const unsigned char*>(&a) + field.offset;
  const auto* pb = reinterpret_cast<const unsigned char*>(&b) + field.offset;
  return std::memcmp(pa, pb, field.size) != 0;
}

}  // namespace orvix
