#include "timers/TimerFile.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "FixedText.h"
#include "IniDocument.h"
#include "StructText.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

constexpr char kSection[] = "Timer";
constexpr char kCountKey[] = "Count";

}  // namespace

void LoadTimerList(const SettingsStore& store, TimerList& timers) {
  timers = TimerList();
  const IniFile file = store.FileOf(kTimerFile);
  const int count = std::clamp(file.ReadInt(kSection, kCountKey, -1), 0, kMaxTimers);
  for (int i = 0; i < count; ++i) {
    TimerRecord timer;
    std::memset(&timer, 0, sizeof timer);
    if (!file.ReadBlock(kSection, std::to_string(i).c_str(), timer)) continue;
    std::string_view name = TrimName(FixedTextView(timer.name));
    const std::string unique = UniqueName(name.empty() ? "Timer" : name, kMaxTimerNameLength,
                                          [&](std::string_view n) { return timers.IndexOf(n) >= 0; });
    timers.Add(unique, timer.seconds);
  }
}

bool SaveTimerList(const SettingsStore& store, const TimerList& timers) {
  IniDocument document;
  document.Write(kSection, kCountKey, std::to_string(timers.Count()));
  for (int i = 0; i < timers.Count(); ++i)
    document.Write(kSection, std::to_string(i), EncodeStructText(timers.Find(i), sizeof(TimerRecord)));
  if (!store.files.Lock()) return false;
  const bool saved = store.files.Replace(store.PathOf(kTimerFile), document.Text());
  store.files.Unlock();
  return saved;
}

}  // namespace orvix
