// The advanced page's rules that need no window: the profile fields its controls edit, the
// pointer-speed scale, the sensitivity number boxes, and the decisions of the lift-off
// trial and the surface calibration.
#pragma once

#include <cstdint>

#include "ConfigRecord.h"

namespace orvix::advanced {

// The profile fields of the page's switches and sliders. The records are packed, so the
// page reads and writes them through these functions instead of references.
enum class Field {
  kXYSynchronous,
  kSensitivityX,
  kSensitivityY,
  kSoundProfile,
  kSoundDpi,
  kSoundSensitivity,
  kVolumeUpDown,
  kSoundTrophy,
  kSoundVolume,
  kPollingRate,
  kMouseSpeed,
  kAccelerationFlag,
  kAcceleration,
  kMouseTrails,
};

std::int32_t Get(const ProfileRecord& profile, Field field);
void Set(ProfileRecord& profile, Field field, std::int32_t value);

// The profile the page edits: the current one, or the first when `CurrentProfile` is out
// of range (a hostile block must not make the page write outside the record).
ProfileRecord& EditedProfile(ConfigRecord& config);
const ProfileRecord& EditedProfile(const ConfigRecord& config);

// The pointer-speed slider (positions 1..11) and the Windows pointer speed 1..20.
inline constexpr int kPointerPositions = 11;
int MouseSpeedOfPosition(int position);
int PositionOfMouseSpeed(int mouseSpeed);

// Sensitivity: the sliders show 1..11, the number boxes the same value less 6 (-5..5).
inline constexpr int kSensitivityLowest = 1;
inline constexpr int kSensitivityHighest = 11;
inline constexpr int kSensitivityBoxOffset = 6;
int SensitivityOfBox(int boxValue);
int BoxOfSensitivity(int sensitivity);
int ClampedSensitivity(int sensitivity);

// What a switched-on acceleration and trails store; off stores 0.
inline constexpr int kAccelerationOn = 8;
inline constexpr int kTrailsOn = 5;

// The lift-off level and the calibration function: values of the configuration record.
inline constexpr int kLiftOffLevels = 4;  // 0 off, 1 extra low, 2 low, 3 normal
inline constexpr int kPscOff = 0;
inline constexpr int kPscOn = 1;

// The lift-off trial: a new level is tried on the device at once and kept only when the
// user accepts it in time.
class LiftOffTrial {
 public:
  enum class Start {
    kNothing,         // the level is the one in force
    kGoesWithApply,   // no monitor: the level waits for the next apply
    kTry,             // hand it to the monitor and ask the user
  };

  // The user chose `level` (0..3; anything else is ignored).
  Start Choose(ConfigRecord& working, int level, bool monitorPresent);
  // The user's answer: accepted keeps the level, otherwise the level in force before is put
  // back into `working`. Returns the monitor's request value (254 keep, 253 undo).
  int Finish(ConfigRecord& working, bool accepted) const;
  // The level in force before the last change.
  int remembered() const { return remembered_; }

  static constexpr int kTryRequest = 255;
  static constexpr int kKeepRequest = 254;
  static constexpr int kUndoRequest = 253;

 private:
  int remembered_ = 0;
};

// The surface calibration: where it was started, and what follows its end.
enum class CalibrationStart { kFromSwitch, kFromButton };

struct CalibrationEnd {
  bool accepted = false;
  int mode = 0;             // WM_MON_CALIBRATION_MODE's lParam: 2 accepted, 3 discarded
  bool switchOff = false;   // the calibration function goes off again (and to the monitor)
};

// `wizardDone`: the wizard closed with Continue; `kept`: its acceptance dialog was accepted.
CalibrationEnd EndOfCalibration(bool wizardDone, bool kept, CalibrationStart start);

// "PSC ON": what a click does.
enum class PscOnStep {
  kNothing,         // it is on already
  kRefused,         // the monitor is absent: nothing can be measured, it stays off
  kRunCalibration,  // switch on and run the calibration
};
PscOnStep ChoosePscOn(const ConfigRecord& working, bool monitorPresent);

}  // namespace orvix::advanced
