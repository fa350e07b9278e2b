// The mouse as the portable device code sees it: the HID library's two report calls.
// Windows binds them to hiddriver.dll; tests bind them to a fake or to the virtual mouse.
#pragma once

#include <cstdint>

namespace orvix {

class FeatureDevice {
 public:
  virtual ~FeatureDevice() = default;
  // `report` holds the whole report, id in byte 0; true when the library delivered it.
  virtual bool WriteReport(std::uint8_t* report, int length) = 0;
  // The caller zero-fills `report` and puts the id in byte 0; true when it was read.
  virtual bool ReadReport(std::uint8_t* report, int length) = 0;
};

// Waiting, so that tests can check a schedule without taking its time.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(int milliseconds) = 0;
};

}  // namespace orvix
