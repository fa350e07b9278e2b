#include "macro_manager/MacroSequence.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orvix {
namespace {

constexpr int kKeyCodes = 256;

bool IsPress(const MacroEvent& event) { return event.direction == kKeyPress; }
bool IsRelease(const MacroEvent& event) { return event.direction == kKeyRelease; }

// The indices of the presses no later release of their key follows, latest first.
std::vector<int> UnreleasedPressIndices(const MacroSequence& sequence) {
  std::vector<int> presses;
  bool releasedLater[kKeyCodes] = {};
  for (int i = sequence.count - 1; i >= 0; --i) {
    const MacroEvent& event = sequence.events[i];
    if (IsRelease(event)) releasedLater[event.key] = true;
    else if (IsPress(event) && !releasedLater[event.key]) presses.push_back(i);
  }
  return presses;
}

// The keys still down after the sequence, the one pressed last first: one release each
// brings them up, however often they were pressed.
std::vector<std::uint8_t> KeysLeftDown(const std::vector<int>& unreleased, const MacroSequence& sequence) {
  std::vector<std::uint8_t> keys;
  bool listed[kKeyCodes] = {};
  for (int index : unreleased) {
    const std::uint8_t key = sequence.events[index].key;
    if (!listed[key]) keys.push_back(key);
    listed[key] = true;
  }
  return keys;
}

std::uint16_t AddedDelay(std::uint16_t a, std::uint16_t b) {
  return static_cast<std::uint16_t>(std::min<int>(a + b, kMaxMacroDelay));
}

}  // namespace

MacroSequence MacroSequence::Of(const MacroRecord& macro) {
  MacroSequence sequence;
  sequence.count = std::clamp(macro.eventCount, 0, kMaxMacroEvents);
  std::copy_n(macro.events, sequence.count, sequence.events.begin());
  return sequence;
}

void MacroSequence::WriteTo(MacroRecord& macro) const {
  macro.eventCount = count;
  std::copy(events.begin(), events.end(), macro.events);
}

bool MacroSequence::Insert(int index, MacroEvent event) {
  if (index == -1) index = count;
  if (count >= kMaxMacroEvents || index < 0 || index > count) return false;
  std::copy_backward(events.begin() + index, events.begin() + count, events.begin() + count + 1);
  events[index] = event;
  ++count;
  return true;
}

bool MacroSequence::Remove(int index) {
  if (index < 0 || index >= count) return false;
  std::copy(events.begin() + index + 1, events.begin() + count, events.begin() + index);
  events[--count] = MacroEvent{};
  return true;
}

bool operator==(const MacroSequence& a, const MacroSequence& b) {
  return a.count == b.count && std::memcmp(a.events.data(), b.events.data(), sizeof a.events) == 0;
}

int UnreleasedPresses(const MacroSequence& sequence) {
  return static_cast<int>(UnreleasedPressIndices(sequence).size());
}

MacroSequence Balanced(const MacroSequence& sequence) {
  MacroSequence balanced = sequence;
  for (;;) {
    const std::vector<int> unreleased = UnreleasedPressIndices(balanced);
    const std::vector<std::uint8_t> keys = KeysLeftDown(unreleased, balanced);
    if (static_cast<int>(keys.size()) <= balanced.FreeSlots()) {
      for (std::uint8_t key : keys) balanced.Insert(-1, MacroEvent{key, kKeyRelease, 0});
      return balanced;
    }
    // No room for the releases: the latest press goes, and each drop makes one slot.
    const int dropped = unreleased.front();
    if (dropped > 0) {
      MacroEvent& before = balanced.events[dropped - 1];
      before.delay = AddedDelay(before.delay, balanced.events[dropped].delay);
    }
    balanced.Remove(dropped);
  }
}

bool RemovalUnbalances(const MacroSequence& sequence, int index) {
  // Only a release can leave another press without its release.
  if (index < 0 || index >= sequence.count || !IsRelease(sequence.events[index])) return false;
  MacroSequence removed = sequence;
  removed.Remove(index);
  return UnreleasedPresses(removed) > UnreleasedPresses(sequence);
}

}  // namespace orvix
