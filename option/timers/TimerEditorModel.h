// The timer editor without its windows. It edits its own copy of the timer list: the
// caller puts the result in place of the live list, and saves it, only on OK, so a Cancel
// leaves the list and the file as they were.
#pragma once

#include <string>
#include <string_view>

#include "timers/TimerList.h"

namespace orvix {

class TimerEditorModel {
 public:
  // What the fields show while no timer is selected.
  static constexpr int kSecondsWithoutTimer = 10;

  explicit TimerEditorModel(TimerList timers) : timers_(std::move(timers)) {}

  // A timer chosen from the list's menu; an index out of range selects none.
  void Select(int index);

  enum class SaveResult {
    kNothingSelected,
    kEmptyName,
    kNameTaken,       // another timer has the name: nothing changes
    kNameTooLong,     // a new name longer than the field takes when typed
    kRenamed,         // the selected timer took the name and the seconds
    kSecondsChanged,  // the name is the selected timer's own: only its seconds
  };
  // Save with the fields as they stand. Seconds are held to 15..999. After a change the
  // fields show the timer; after a refusal they keep what was typed.
  SaveResult Save(std::string_view name, int seconds);

  // Removes the selected timer (the caller has asked for confirmation); the selection
  // moves to the same index, else to the last timer, else to none. False when none was
  // selected.
  bool Delete();

  // OK: Save with the fields as they stand, then the list to put in place of the live one.
  const TimerList& Finish(std::string_view name, int seconds);

  int selected() const { return selected_; }  // -1 = none
  const std::string& name() const { return name_; }
  int seconds() const { return seconds_; }
  const TimerList& timers() const { return timers_; }

 private:
  void ShowSelected();

  TimerList timers_;
  int selected_ = -1;
  std::string name_;
  int seconds_ = kSecondsWithoutTimer;
};

}  // namespace orvix
