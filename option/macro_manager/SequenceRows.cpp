#include "macro_manager/SequenceRows.h"

#include "KeyNames.h"

namespace orvix {
namespace {

constexpr int kFirstMouseButton = 240;
constexpr int kLastMouseButton = 244;

std::uint32_t Tag(int eventIndex, RowKind kind) {
  return (static_cast<std::uint32_t>(eventIndex + 1) << 16) | static_cast<std::uint16_t>(kind);
}

RowKind KindOf(const MacroEvent& event) {
  if (event.key >= kFirstMouseButton && event.key <= kLastMouseButton) return RowKind::kMouseButton;
  return event.direction == kKeyRelease ? RowKind::kKeyRelease : RowKind::kKeyPress;
}

std::string NameOf(int code, const KeyboardLayout& layout) {
  const KeyName name = KeyNameFromUsage(code, layout);
  return name.empty() ? "Key " + std::to_string(code) : std::string(name.view());
}

}  // namespace

std::vector<SequenceRow> SequenceRowsOf(const MacroSequence& sequence, const KeyboardLayout& layout) {
  std::vector<SequenceRow> rows;
  for (int i = 0; i < sequence.count; ++i) {
    const MacroEvent& event = sequence.events[i];
    const char* action = event.direction == kKeyRelease ? " Release" : " Press";
    rows.push_back({NameOf(event.key, layout) + action, Tag(i, KindOf(event))});
    if (event.delay != 0) rows.push_back({std::to_string(event.delay) + " ms", Tag(i, RowKind::kDelay)});
  }
  return rows;
}

int RowOfEvent(const std::vector<SequenceRow>& rows, int eventIndex) {
  for (std::size_t row = 0; row < rows.size(); ++row)
    if (rows[row].eventIndex() == eventIndex && !rows[row].isDelay()) return static_cast<int>(row);
  return -1;
}

}  // namespace orvix
