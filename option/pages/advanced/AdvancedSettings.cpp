#include "pages/advanced/AdvancedSettings.h"

#include <algorithm>

namespace orvix::advanced {

std::int32_t Get(const ProfileRecord& p, Field field) {
  switch (field) {
    case Field::kXYSynchronous: return p.XYSynchronous;
    case Field::kSensitivityX: return p.Sensitivity_X;
    case Field::kSensitivityY: return p.Sensitivity_Y;
    case Field::kSoundProfile: return p.SoundProfile;
    case Field::kSoundDpi: return p.SoundDpi;
    case Field::kSoundSensitivity: return p.SoundSens;
    case Field::kVolumeUpDown: return p.VolumeUpDown;
    case Field::kSoundTrophy: return p.SoundTrophy;
    case Field::kSoundVolume: return p.SoundVolume;
    case Field::kPollingRate: return p.PollingRate;
    case Field::kMouseSpeed: return p.MouseSpeed;
    case Field::kAccelerationFlag: return p.AccelerationFlag;
    case Field::kAcceleration: return p.Acceleration;
    case Field::kMouseTrails: return p.MouseTrails;
  }
  return 0;
}

void Set(ProfileRecord& p, Field field, std::int32_t value) {
  switch (field) {
    case Field::kXYSynchronous: p.XYSynchronous = value; break;
    case Field::kSensitivityX: p.Sensitivity_X = value; break;
    case Field::kSensitivityY: p.Sensitivity_Y = value; break;
    case Field::kSoundProfile: p.SoundProfile = value; break;
    case Field::kSoundDpi: p.SoundDpi = value; break;
    case Field::kSoundSensitivity: p.SoundSens = value; break;
    case Field::kVolumeUpDown: p.VolumeUpDown = value; break;
    case Field::kSoundTrophy: p.SoundTrophy = value; break;
    case Field::kSoundVolume: p.SoundVolume = value; break;
    case Field::kPollingRate: p.PollingRate = value; break;
    case Field::kMouseSpeed: p.MouseSpeed = value; break;
    case Field::kAccelerationFlag: p.AccelerationFlag = value; break;
    case Field::kAcceleration: p.Acceleration = value; break;
    case Field::kMouseTrails: p.MouseTrails = value; break;
  }
}

ProfileRecord& EditedProfile(ConfigRecord& config) {
  ProfileRecord* current = CurrentProfileRecord(config);
  return current ? *current : config.profiles[0];
}

const ProfileRecord& EditedProfile(const ConfigRecord& config) {
  const ProfileRecord* current = CurrentProfileRecord(config);
  return current ? *current : config.profiles[0];
}

int MouseSpeedOfPosition(int position) {
  if (position == 1) return 1;
  if (position >= 2 && position <= kPointerPositions) return 2 * (position - 1);
  return 10;
}

int PositionOfMouseSpeed(int mouseSpeed) {
  switch (mouseSpeed) {
    case 0:
    case 1: return 1;
    case 2: return 2;
    default: break;
  }
  // Pairs: 3-4 give 3, 5-6 give 4, ... 19-20 give 11; anything else the middle, 6.
  if (mouseSpeed >= 3 && mouseSpeed <= 20) return (mouseSpeed + 3) / 2;
  return 6;
}

int ClampedSensitivity(int sensitivity) { return std::clamp(sensitivity, kSensitivityLowest, kSensitivityHighest); }

int SensitivityOfBox(int boxValue) {
  // Widened first: a hostile value near INT_MAX must not overflow the addition.
  const long long value = static_cast<long long>(boxValue) + kSensitivityBoxOffset;
  return static_cast<int>(std::clamp<long long>(value, kSensitivityLowest, kSensitivityHighest));
}

int BoxOfSensitivity(int sensitivity) { return ClampedSensitivity(sensitivity) - kSensitivityBoxOffset; }

LiftOffTrial::Start LiftOffTrial::Choose(ConfigRecord& working, int level, bool monitorPresent) {
  if (level < 0 || level >= kLiftOffLevels || level == working.LiftOnFlag) return Start::kNothing;
  remembered_ = working.LiftOnFlag;
  working.LiftOnFlag = level;
  return monitorPresent ? Start::kTry : Start::kGoesWithApply;
}

int LiftOffTrial::Finish(ConfigRecord& working, bool accepted) const {
  if (accepted) return kKeepRequest;
  working.LiftOnFlag = remembered_;
  return kUndoRequest;
}

CalibrationEnd EndOfCalibration(bool wizardDone, bool kept, CalibrationStart start) {
  if (wizardDone && kept) return {true, 2, false};
  return {false, 3, start == CalibrationStart::kFromSwitch};
}

PscOnStep ChoosePscOn(const ConfigRecord& working, bool monitorPresent) {
  if (working.TrackControlFlag == kPscOn) return PscOnStep::kNothing;
  return monitorPresent ? PscOnStep::kRunCalibration : PscOnStep::kRefused;
}

}  // namespace orvix::advanced
