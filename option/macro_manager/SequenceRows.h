// The rows of the sequence list: each event's "<key> Press" or "<key> Release" row and,
// when its delay is not 0, a "%d ms" row under it. Each row carries a tag: the high 16
// bits are the event index + 1, the low 16 bits the row kind, which also picks its icon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "KeyboardLayout.h"
#include "macro_manager/MacroSequence.h"

namespace orvix {

enum class RowKind : std::uint16_t {
  kDelay = 135,
  kKeyRelease = 137,
  kKeyPress = 138,
  kMouseButton = 146,  // a press or release of a mouse button (codes 240..244)
};

struct SequenceRow {
  std::string text;
  std::uint32_t tag = 0;

  int eventIndex() const { return static_cast<int>(tag >> 16) - 1; }
  RowKind kind() const { return static_cast<RowKind>(tag & 0xFFFF); }
  bool isDelay() const { return kind() == RowKind::kDelay; }
};

// Key names come from the key-name table; a code the table does not name shows as
// "Key <code>", so a row is never empty.
std::vector<SequenceRow> SequenceRowsOf(const MacroSequence& sequence, const KeyboardLayout& layout);

// The row that shows event `eventIndex` (its event row, not its delay row); -1 when there
// is none.
int RowOfEvent(const std::vector<SequenceRow>& rows, int eventIndex);

}  // namespace orvix
