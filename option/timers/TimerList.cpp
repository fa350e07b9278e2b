#include "timers/TimerList.h"

#include <algorithm>
#include <cstring>

#include "FixedText.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

TimerRecord MakeTimer(std::string_view name, int seconds) {
  TimerRecord timer;
  std::memset(&timer, 0, sizeof timer);
  timer.seconds = ClampTimerSeconds(seconds);
  CopyFixedText(timer.name, name);
  return timer;
}

}  // namespace

int ClampTimerSeconds(int seconds) { return std::clamp(seconds, kTimerMinimumSeconds, kTimerMaximumSeconds); }

const TimerRecord* TimerList::Find(int index) const {
  return index >= 0 && index < Count() ? &timers_[static_cast<std::size_t>(index)] : nullptr;
}

int TimerList::IndexOf(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameName(FixedTextView(timers_[static_cast<std::size_t>(i)].name), name)) return i;
  return -1;
}

bool TimerList::Acceptable(std::string_view trimmed, int except) const {
  if (trimmed.empty() || trimmed.size() > kMaxTimerNameLength || trimmed.find('\0') != std::string_view::npos)
    return false;
  const int holder = IndexOf(trimmed);
  return holder < 0 || holder == except;
}

bool TimerList::Add(std::string_view name, int seconds) {
  name = TrimName(name);
  if (Full() || !Acceptable(name, -1)) return false;
  timers_.push_back(MakeTimer(name, seconds));
  return true;
}

bool TimerList::Add(const TimerRecord& timer) { return Add(FixedTextView(timer.name), timer.seconds); }

bool TimerList::Change(int index, std::string_view name, int seconds) {
  name = TrimName(name);
  if (!Find(index) || !Acceptable(name, index)) return false;
  timers_[static_cast<std::size_t>(index)] = MakeTimer(name, seconds);
  return true;
}

bool TimerList::Remove(int index) {
  if (!Find(index)) return false;
  timers_.erase(timers_.begin() + index);
  return true;
}

}  // namespace orvix
