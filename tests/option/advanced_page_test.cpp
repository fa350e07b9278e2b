#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

#include "ProfileFile.h"
#include "pages/advanced/AdvancedSettings.h"

namespace orvix::advanced {
namespace {

std::unique_ptr<ConfigRecord> Sane() {
  auto c = std::make_unique<ConfigRecord>();
  std::memset(c.get(), 0, sizeof *c);
  c->CurrentProfile = 2;
  c->LiftOnFlag = 1;
  for (int p = 0; p < kProfiles; ++p) InitDefaultProfile(c->profiles[p], p);
  return c;
}

TEST(PointerSpeed, PositionsAndSpeedsFollowTheTableBothWays) {
  const int speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
  for (int position = 1; position <= kPointerPositions; ++position) {
    EXPECT_EQ(MouseSpeedOfPosition(position), speeds[position - 1]) << "position " << position;
    EXPECT_EQ(PositionOfMouseSpeed(speeds[position - 1]), position) << "position " << position;
  }
  for (int outside : {0, -1, 12, INT_MIN, INT_MAX}) EXPECT_EQ(MouseSpeedOfPosition(outside), 10) << outside;

  // Odd speeds that Windows allows but the slider cannot show go to the step below them.
  const int odd[][2] = {{0, 1}, {3, 3}, {5, 4}, {7, 5}, {9, 6}, {11, 7}, {13, 8}, {15, 9}, {17, 10}, {19, 11}};
  for (const auto& [speed, position] : odd) EXPECT_EQ(PositionOfMouseSpeed(speed), position) << "speed " << speed;
  for (int outside : {-1, 21, INT_MIN, INT_MAX}) EXPECT_EQ(PositionOfMouseSpeed(outside), 6) << outside;
}

TEST(Sensitivity, TheNumberBoxesShowTheSliderLessSixAndStayInRange) {
  EXPECT_EQ(BoxOfSensitivity(1), -5);
  EXPECT_EQ(BoxOfSensitivity(6), 0);
  EXPECT_EQ(BoxOfSensitivity(11), 5);
  EXPECT_EQ(SensitivityOfBox(-5), 1);
  EXPECT_EQ(SensitivityOfBox(5), 11);
  // Values from a hostile block or a pasted number never leave 1..11.
  EXPECT_EQ(BoxOfSensitivity(-7), -5);
  EXPECT_EQ(BoxOfSensitivity(INT_MAX), 5);
  EXPECT_EQ(SensitivityOfBox(INT_MAX), 11);
  EXPECT_EQ(SensitivityOfBox(INT_MIN), 1);
}

TEST(ProfileFields, EachFieldIsItsOwnAndTheEditedProfileIsAlwaysInTheRecord) {
  auto c = Sane();
  ProfileRecord& profile = EditedProfile(*c);
  EXPECT_EQ(&profile, &c->profiles[2]);
  const Field fields[] = {Field::kXYSynchronous,    Field::kSensitivityX,     Field::kSensitivityY,
                          Field::kSoundProfile,     Field::kSoundDpi,         Field::kSoundSensitivity,
                          Field::kVolumeUpDown,     Field::kSoundTrophy,      Field::kSoundVolume,
                          Field::kPollingRate,      Field::kMouseSpeed,       Field::kAccelerationFlag,
                          Field::kAcceleration,     Field::kMouseTrails};
  for (Field field : fields) {
    const ProfileRecord before = profile;
    Set(profile, field, 77);
    EXPECT_EQ(Get(profile, field), 77);
    // Exactly four bytes of the record changed.
    int changed = 0;
    for (std::size_t i = 0; i < sizeof profile; ++i)
      changed += reinterpret_cast<const unsigned char*>(&profile)[i] != reinterpret_cast<const unsigned char*>(&before)[i];
    EXPECT_GE(changed, 1) << static_cast<int>(field);
    EXPECT_LE(changed, 4) << static_cast<int>(field);
    profile = before;
  }
  for (int hostile : {-1, 5, INT_MAX, INT_MIN}) {
    c->CurrentProfile = hostile;
    EXPECT_EQ(&EditedProfile(*c), &c->profiles[0]) << hostile;
  }
}

TEST(LiftOffTrial, TheSameLevelDoesNothingAndARefusalRestoresTheLevelBefore) {
  auto c = Sane();
  LiftOffTrial trial;
  EXPECT_EQ(trial.Choose(*c, 1, true), LiftOffTrial::Start::kNothing);
  EXPECT_EQ(c->LiftOnFlag, 1);
  for (int outside : {-1, 4, INT_MAX}) EXPECT_EQ(trial.Choose(*c, outside, true), LiftOffTrial::Start::kNothing);
  EXPECT_EQ(c->LiftOnFlag, 1);

  EXPECT_EQ(trial.Choose(*c, 3, true), LiftOffTrial::Start::kTry);
  EXPECT_EQ(c->LiftOnFlag, 3);
  EXPECT_EQ(trial.remembered(), 1);
  EXPECT_EQ(trial.Finish(*c, false), LiftOffTrial::kUndoRequest);
  EXPECT_EQ(c->LiftOnFlag, 1);

  EXPECT_EQ(trial.Choose(*c, 0, true), LiftOffTrial::Start::kTry);
  EXPECT_EQ(trial.Finish(*c, true), LiftOffTrial::kKeepRequest);
  EXPECT_EQ(c->LiftOnFlag, 0);

  // Without the monitor the level simply waits for the next apply.
  EXPECT_EQ(trial.Choose(*c, 2, false), LiftOffTrial::Start::kGoesWithApply);
  EXPECT_EQ(c->LiftOnFlag, 2);
  EXPECT_EQ(trial.remembered(), 0);
}

TEST(Calibration, OnlyBothAcceptancesKeepItAndARefusalFromTheSwitchTurnsItOff) {
  for (CalibrationStart start : {CalibrationStart::kFromSwitch, CalibrationStart::kFromButton}) {
    const bool fromSwitch = start == CalibrationStart::kFromSwitch;
    const CalibrationEnd kept = EndOfCalibration(true, true, start);
    EXPECT_TRUE(kept.accepted);
    EXPECT_EQ(kept.mode, 2);
    EXPECT_FALSE(kept.switchOff);
    for (auto [wizardDone, acceptedInTime] : {std::pair{false, false}, {true, false}, {false, true}}) {
      const CalibrationEnd end = EndOfCalibration(wizardDone, acceptedInTime, start);
      EXPECT_FALSE(end.accepted);
      EXPECT_EQ(end.mode, 3);
      EXPECT_EQ(end.switchOff, fromSwitch);
    }
  }

  auto c = Sane();
  c->TrackControlFlag = kPscOff;
  EXPECT_EQ(ChoosePscOn(*c, true), PscOnStep::kRunCalibration);
  EXPECT_EQ(ChoosePscOn(*c, false), PscOnStep::kRefused);
  c->TrackControlFlag = kPscOn;
  EXPECT_EQ(ChoosePscOn(*c, true), PscOnStep::kNothing);
}

}  // namespace
}  // namespace orvix::advanced
