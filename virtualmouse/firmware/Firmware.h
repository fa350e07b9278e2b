// The virtual Orvix One: answers feature reports as the mouse's firmware does, keeps
// its memory, acts on its own buttons and reports events to the host. Faults can be
// injected to make it misbehave the ways a real mouse can. Every member is safe to call
// from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "MouseMemory.h"

namespace orvix::vmouse {

struct ButtonOutcome;

// Where the mouse's events go (the HID library posts them to the monitor's window).
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void DeviceEvent(std::uint16_t eventClass, std::uint16_t data) = 0;
  virtual void Arrival(bool arrived) = 0;
};

// Keeps the memory across restarts; called after every change.
class MemoryStore {
 public:
  virtual ~MemoryStore() = default;
  virtual void Save(const MouseMemory& memory) = 0;
};

// Status values of report 4.
enum Status : std::uint8_t {
  kStatusDone = 1,
  kStatusRejected = 2,       // a length byte that does not match the report
  kStatusBusy = 3,
  kStatusBadChecksum = 4,
  kStatusBadParameter = 5,   // profile, button, selector or value out of range
};

// Misbehaviour on request. Counters count down as the faults are served.
struct FaultPlan {
  int busyAnswers = 0;       // status reads that answer "busy" before the real status
  int failStatus = 0;        // writes answered with this status and not carried out ...
  int failStatusWrites = 0;  // ... this many of them
  int corruptChecksums = 0;  // reads of reports 6, 7 and 8 sent with a wrong checksum
  int failedReads = 0;       // reads that fail outright
  int slowMs = 0;            // every report takes this long
  // Unplug this many reports after the firmware version was read (the first step of a
  // full read); -1 = not armed.
  int unplugAfterReports = -1;
  bool any() const {
    return busyAnswers || failStatusWrites || corruptChecksums || failedReads || slowMs || unplugAfterReports >= 0;
  }
};

class Firmware {
 public:
  using Sleep = std::function<void(int milliseconds)>;

  Firmware(std::unique_ptr<MouseMemory> memory, EventSink& events, MemoryStore& store, Sleep sleep);

  // The HID side.
  bool OpenFeatureDevice();  // true when plugged in
  void CloseFeatureDevice();
  bool SetFeature(const std::uint8_t* report, int length);
  bool GetFeature(std::uint8_t* report, int length);

  // The user's side.
  void PressButton(int deviceIndex);
  void ReleaseButton(int deviceIndex);
  void Click(int button, int count);  // button 1..5
  void Wheel(int notches);            // positive: up
  void Move(int distance);
  void RaiseEvent(std::uint16_t eventClass, std::uint16_t data);
  void Unplug();
  void Replug();

  void SetFaults(const FaultPlan& faults);
  FaultPlan Faults();
  std::string Dump();
  // A copy of the memory (large: heap).
  std::unique_ptr<MouseMemory> Memory();
  bool pluggedIn();

 private:
  // Runs one pending step of an armed unplug; true when the mouse is (now) gone.
  bool UnplugDue();
  bool Reachable();
  void UnplugLocked();
  std::uint8_t Write(const std::uint8_t* report, int length);
  bool Read(std::uint8_t* report, int length);
  void Post(const ButtonOutcome& outcome);
  void Save() { store_.Save(*memory_); }

  std::mutex mutex_;
  std::unique_ptr<MouseMemory> memory_;
  EventSink& events_;
  MemoryStore& store_;
  Sleep sleep_;

  bool plugged_ = true;
  bool open_ = false;
  std::uint8_t status_ = kStatusDone;
  // What the next read of report 6, 7 or 8 returns: -1 none, else the selector byte.
  int selectedProfile_ = -1;
  int selector_ = -1;
  int unplugCountdown_ = -1;
  FaultPlan faults_;
};

}  // namespace orvix::vmouse
