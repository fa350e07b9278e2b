#include <gtest/gtest.h>

#include "dialogs/CalibrationWizardModel.h"
#include "dialogs/Countdown.h"

namespace orvix {
namespace {

TEST(CalibrationWizard, StartAsksForFiveImagesTwoSecondsApartThenForTheEvaluation) {
  CalibrationWizardModel wizard;
  EXPECT_EQ(wizard.page(), WizardPage::kStart);
  EXPECT_EQ(wizard.step(), 0);

  WizardActions started = wizard.Start();
  EXPECT_EQ(started.sensorImages, 1);
  EXPECT_TRUE(started.startTimer);
  EXPECT_EQ(wizard.page(), WizardPage::kMeasuring);
  EXPECT_EQ(wizard.step(), 1);
  // A second Start (a double click) does not begin another measurement.
  EXPECT_EQ(wizard.Start().sensorImages, 0);

  int images = started.sensorImages;
  int ticks = 0;
  WizardActions last;
  while (wizard.measuring() && ticks < 20) {
    last = wizard.Tick();
    ++ticks;
    images += last.sensorImages;
    EXPECT_FALSE(last.evaluate && last.sensorImages) << "tick " << ticks;
  }
  EXPECT_EQ(images, 5);
  EXPECT_EQ(ticks, 5) << "the evaluation comes on the fifth tick: at 10 seconds";
  EXPECT_TRUE(last.evaluate);
  EXPECT_TRUE(last.stopTimer);
  // A tick that was already queued asks for nothing more.
  const WizardActions late = wizard.Tick();
  EXPECT_EQ(late.sensorImages, 0);
  EXPECT_FALSE(late.evaluate);
  EXPECT_EQ(wizard.page(), WizardPage::kMeasuring);
}

TEST(CalibrationWizard, TheMonitorsAnswerChoosesFinishOrFailureAndRetryMeasuresAgain) {
  CalibrationWizardModel wizard;
  // An answer before any measurement is stray.
  wizard.OnStep(1);
  EXPECT_EQ(wizard.page(), WizardPage::kStart);
  EXPECT_EQ(wizard.Retry().evaluate, false);

  wizard.Start();
  wizard.OnStep(2);
  EXPECT_EQ(wizard.page(), WizardPage::kFailure);
  EXPECT_EQ(wizard.step(), 1);
  EXPECT_EQ(wizard.result(), CalibrationWizardModel::Result::kFailed);

  const WizardActions retried = wizard.Retry();
  EXPECT_TRUE(retried.evaluate);
  EXPECT_EQ(retried.sensorImages, 0) << "Retry evaluates the images already taken";
  EXPECT_EQ(wizard.page(), WizardPage::kMeasuring);
  EXPECT_EQ(wizard.result(), CalibrationWizardModel::Result::kMeasuring);
  // Retry only exists on the failure page.
  EXPECT_FALSE(wizard.Retry().evaluate);

  wizard.OnStep(0);
  EXPECT_EQ(wizard.page(), WizardPage::kFailure);
  // Success while the failure page shows goes to the finish.
  wizard.OnStep(1);
  EXPECT_EQ(wizard.page(), WizardPage::kFinish);
  EXPECT_EQ(wizard.step(), 2);
  EXPECT_EQ(wizard.result(), CalibrationWizardModel::Result::kSucceeded);
}

TEST(Countdown, RunsOutOnceAfterItsSeconds) {
  Countdown countdown(kLiftOffAcceptSeconds);
  int ticks = 0;
  while (!countdown.Tick()) {
    ++ticks;
    ASSERT_LT(ticks, 100);
    EXPECT_EQ(countdown.remaining(), kLiftOffAcceptSeconds - ticks);
  }
  EXPECT_EQ(ticks + 1, 30);
  EXPECT_TRUE(countdown.expired());
  EXPECT_FALSE(countdown.Tick()) << "runs out only once";
  EXPECT_EQ(countdown.remaining(), 0);

  Countdown nonsense(0);
  EXPECT_EQ(nonsense.total(), 1);
  EXPECT_TRUE(nonsense.Tick());
}

}  // namespace
}  // namespace orvix
