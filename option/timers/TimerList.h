// The countdown timers the button page offers, in list order. Names are trimmed, not
// empty and unique case-insensitively; seconds are within 15..999.
#pragma once

#include <string_view>
#include <vector>

#include "timers/TimerRecord.h"

namespace orvix {

inline constexpr std::size_t kMaxTimerNameLength = kTimerNameSize - 1;  // 99; 24 when typed

// Seconds as the dialogs' spin can hold them.
int ClampTimerSeconds(int seconds);

class TimerList {
 public:
  int Count() const { return static_cast<int>(timers_.size()); }
  bool Full() const { return Count() >= kMaxTimers; }
  const std::vector<TimerRecord>& timers() const { return timers_; }
  // nullptr when out of range.
  const TimerRecord* Find(int index) const;
  // By trimmed, case-insensitive name; -1 when there is none.
  int IndexOf(std::string_view name) const;

  // Each refuses, changing nothing, a full list, an index out of range, a name that is
  // empty after trimming, longer than the field or another timer's; seconds are clamped.
  bool Add(std::string_view name, int seconds);
  bool Add(const TimerRecord& timer);
  bool Change(int index, std::string_view name, int seconds);
  bool Remove(int index);

 private:
  bool Acceptable(std::string_view trimmed, int except) const;

  std::vector<TimerRecord> timers_;
};

}  // namespace orvix
