#include "EditMerge.h"

#include <cstring>

namespace orvix {
namespace {

constexpr std::size_t kProfileBase = offsetof(ConfigRecord, profiles);

bool InRange(const FieldSpan& field, std::size_t begin, std::size_t end) {
  return field.offset >= begin && field.offset + field.size <= end;
}

}  // namespace

void MergeEdits(ConfigRecord& target, const ConfigRecord& base, const ConfigRecord& edited,
                const FieldFilter& keepTarget) {
  auto* out = reinterpret_cast<unsigned char*>(&target);
  const auto* in = reinterpret_cast<const unsigned char*>(&edited);
  for (const FieldSpan& field : ConfigRecordFields()) {
    if (!FieldDiffers(base, edited, field)) continue;
    if (keepTarget && keepTarget(field)) continue;
    std::memcpy(out + field.offset, in + field.offset, field.size);
  }
}

bool HasPendingEdits(const SharedDataBlock& working, const SharedDataBlock& applied) {
  static const ChangeFlags kNoFlags{};
  if (std::memcmp(&working.flags, &kNoFlags, sizeof kNoFlags) != 0) return true;
  for (const FieldSpan& field : ConfigRecordFields())
    if (FieldDiffers(working.config, applied.config, field)) return true;
  return false;
}

FieldFilter MouseSideFields(int slot) {
  return [slot](const FieldSpan& field) {
    if (field.offset == offsetof(ConfigRecord, CurrentProfile)) return true;
    if (slot < 0 || slot >= kProfiles) return false;
    using P = ProfileRecord;
    const std::size_t profile = kProfileBase + static_cast<std::size_t>(slot) * sizeof(P);
    return InRange(field, profile + offsetof(P, Sensitivity_X), profile + offsetof(P, Sensitivity) + 4) ||
           InRange(field, profile + offsetof(P, dpi), profile + offsetof(P, dpi) + sizeof(P::dpi)) ||
           InRange(field, profile + offsetof(P, Cpi_X), profile + offsetof(P, Cpi_Y) + 4) ||
           InRange(field, profile + offsetof(P, CpiLevel_X), profile + offsetof(P, CpiLevel_Y) + sizeof(P::CpiLevel_Y)) ||
           InRange(field, profile + offsetof(P, PollingRate), profile + offsetof(P, PollingRate) + 4);
  };
}

}  // namespace orvix
