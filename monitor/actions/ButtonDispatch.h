// Button events that need the host: which action each event class and slot function asks for.
#pragma once

#include <cstdint>
#include <string>

#include "ConfigRecord.h"
#include "actions/Shortcut.h"

namespace orvix {

// The host's actions, carried out by the monitor.
class HostActions {
 public:
  virtual ~HostActions() = default;
  virtual void ScrollHorizontally(int direction) = 0;  // -1 scrolls right, +1 left
  virtual void OpenProgram(const std::string& path) = 0;
  virtual void OpenConfigurationProgram() = 0;
  virtual void Multimedia(int code, int flag) = 0;
  virtual void ShortcutDown(ShortcutWord word) = 0;  // press and start repeating
  virtual void ShortcutUp(ShortcutWord word) = 0;    // stop repeating and let go
  virtual void Macro(const ButtonAssignment& slot) = 0;
  virtual void CountdownStart(int seconds) = 0;
  virtual void CountdownStop() = 0;
};

// `eventCode` is the device event code (class in the high 16 bits). Acts on the current
// profile; an event whose class or data does not ask for a host action does nothing.
//
// A shortcut must be let go when its button is released. The mouse reports the release of
// a shortcut button as class 0x9000 with a non-zero high data byte (the press has 0); for
// every other function class 0x9000 acts on any high byte, as a press.
void DispatchHostButtonEvent(std::uint32_t eventCode, const ConfigRecord& config, HostActions& actions);

// The slot's function as a button press or release.
void RunButtonFunction(const ButtonAssignment& slot, bool pressed, HostActions& actions);

}  // namespace orvix
