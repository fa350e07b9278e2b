// A macro's events as the editors change them: at most 500, every insert checked against
// that capacity, and the balance of presses and releases that the monitor relies on (a
// press the macro never releases stays down on the host after the macro has played).
#pragma once

#include <array>
#include <cstdint>

#include "macros/MacroRecord.h"

namespace orvix {

inline constexpr std::uint16_t kMaxMacroDelay = 65535;

struct MacroSequence {
  std::array<MacroEvent, kMaxMacroEvents> events{};  // zero at and after count
  int count = 0;

  // The record's events; a count out of 0..500 is held to it, slots past it are zero.
  static MacroSequence Of(const MacroRecord& macro);
  void WriteTo(MacroRecord& macro) const;  // events and count

  int FreeSlots() const { return kMaxMacroEvents - count; }
  // Inserts before `index` (-1 or count appends), moving later events up. False, with
  // nothing changed, when the sequence is full or the index is out of range.
  bool Insert(int index, MacroEvent event);
  // Removes the event and its delay; false for an index out of range.
  bool Remove(int index);
  void Clear() { *this = MacroSequence{}; }

  friend bool operator==(const MacroSequence& a, const MacroSequence& b);
};

// A press is released by the next release of the same key after it. Releases without a
// press are harmless (releasing a key that is up) and count as balanced.
int UnreleasedPresses(const MacroSequence& sequence);
inline bool IsBalanced(const MacroSequence& sequence) { return UnreleasedPresses(sequence) == 0; }

// The sequence made safe to play: the missing releases appended at its end (delay 0,
// latest press released first) while there is room; where there is not, the latest
// unreleased presses are dropped, each dropped event's delay added to the event before
// it (up to 65535) so the events after it keep their times. A balanced sequence comes
// back unchanged.
MacroSequence Balanced(const MacroSequence& sequence);

// Whether removing event `index` would leave a press unreleased that is released now.
bool RemovalUnbalances(const MacroSequence& sequence, int index);

}  // namespace orvix
