// Usage counters reported by the mouse and the achievements unlocked by their sums.
#pragma once

#include <cstdint>
#include <string>

#include "StatisticsBlock.h"
#include "core/MonitorPorts.h"

namespace orvix {

// Counter index (0..12) fed by a device event class, -1 for classes that feed none.
int CounterOfEventClass(std::uint16_t eventClass);

struct CounterEventResult {
  bool counterChanged = false;  // the class has a counter and the increment was added
  bool unlocked = false;        // at least one achievement unlocked by this event
  bool everyTrophy = false;     // all of 1..12 are unlocked now, and so is 13
};

// Adds `increment` to the class's counter (wrapping 32-bit addition), then unlocks at most
// one achievement per group, lowest first, and the final one when 1..12 are all unlocked.
// Achievement flags other than 1 count as locked.
CounterEventResult ApplyCounterEvent(StatisticsBlock& statistics, std::uint16_t eventClass, std::uint16_t increment);

// "RunsStart.ini" with the local time of the first run; an existing file is left alone.
void WriteFirstRunRecord(IniFilePort& ini, ClockPort& clock, const std::string& installFolder);

}  // namespace orvix
