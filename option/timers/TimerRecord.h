// One countdown timer of the timer list: the record stored, byte for byte, as a value of
// "config\Timer.ini". A button given the timer function carries a copy of it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvix {

constexpr int kTimerNameSize = 100;  // NUL-terminated; at most 24 characters typed
constexpr int kMaxTimers = 50;
constexpr int kTimerMinimumSeconds = 15;
constexpr int kTimerMaximumSeconds = 999;

#pragma pack(push, 1)

struct TimerRecord {
  std::int32_t seconds;
  char name[kTimerNameSize];
};

#pragma pack(pop)

static_assert(sizeof(TimerRecord) == 104);
static_assert(offsetof(TimerRecord, name) == 4);

}  // namespace orvix
