// Real waiting for the report sequences.
#pragma once

#include <chrono>
#include <thread>

#include "FeatureDevice.h"

namespace orvix {

class SystemSleeper : public Sleeper {
 public:
  void Sleep(int milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
};

}  // namespace orvix
