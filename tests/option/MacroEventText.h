// Macro events written short, so a test reads as the sequence it means: "4+:300 4-" is
// key 4 pressed with 300 ms after it, then released. Events are separated by blanks.
#pragma once

#include <cstring>
#include <sstream>
#include <string>
#include <string_view>

#include "macro_manager/MacroSequence.h"

namespace orvix::testing {

inline MacroSequence Events(std::string_view text) {
  MacroSequence sequence;
  std::istringstream in{std::string(text)};
  for (std::string word; in >> word;) {
    const std::size_t sign = word.find_first_of("+-");
    MacroEvent event{};
    event.key = static_cast<std::uint8_t>(std::stoi(word.substr(0, sign)));
    event.direction = word[sign] == '+' ? kKeyPress : kKeyRelease;
    if (sign + 1 < word.size()) event.delay = static_cast<std::uint16_t>(std::stoi(word.substr(sign + 2)));
    sequence.events[sequence.count++] = event;
  }
  return sequence;
}

inline std::string TextOf(const MacroSequence& sequence) {
  std::string text;
  for (int i = 0; i < sequence.count; ++i) {
    const MacroEvent& e = sequence.events[i];
    if (!text.empty()) text += ' ';
    text += std::to_string(e.key) + (e.direction == kKeyPress ? "+" : e.direction == kKeyRelease ? "-" : "?");
    if (e.delay != 0) text += ":" + std::to_string(e.delay);
  }
  return text;
}

// `pairs` presses and releases of key 4, then `extra` (blank-separated as above).
inline MacroSequence PairsThen(int pairs, std::string_view extra = "") {
  MacroSequence sequence = Events(extra);
  MacroSequence result;
  for (int i = 0; i < pairs; ++i) {
    result.events[result.count++] = {4, kKeyPress, 0};
    result.events[result.count++] = {4, kKeyRelease, 0};
  }
  for (int i = 0; i < sequence.count; ++i) result.events[result.count++] = sequence.events[i];
  return result;
}

inline MacroRecord RecordOf(const MacroSequence& sequence, std::int32_t loopCount = 0) {
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  macro.loopCount = loopCount;
  sequence.WriteTo(macro);
  return macro;
}

}  // namespace orvix::testing
