#include "dialogs/CalibrationWizardModel.h"

namespace orvix {

WizardActions CalibrationWizardModel::Start() {
  if (started_) return {};
  started_ = true;
  countdown_ = kImageRequests - 1;
  result_ = Result::kMeasuring;
  step_ = 1;
  timerRunning_ = true;
  WizardActions actions;
  actions.sensorImages = 1;
  actions.startTimer = true;
  return actions;
}

WizardActions CalibrationWizardModel::Tick() {
  WizardActions actions;
  if (!timerRunning_) {
    actions.stopTimer = true;  // a tick that was queued before the timer stopped
    return actions;
  }
  if (countdown_-- >= 1) {
    actions.sensorImages = 1;
  } else {
    timerRunning_ = false;
    actions.stopTimer = true;
    actions.evaluate = true;
  }
  return actions;
}

void CalibrationWizardModel::OnStep(long data) {
  if (!started_) return;
  if (data == 1) {
    result_ = Result::kSucceeded;
    step_ = 2;
  } else {
    result_ = Result::kFailed;
    step_ = 1;
  }
}

WizardActions CalibrationWizardModel::Retry() {
  if (page() != WizardPage::kFailure) return {};
  result_ = Result::kMeasuring;
  step_ = 1;
  WizardActions actions;
  actions.evaluate = true;
  return actions;
}

WizardPage CalibrationWizardModel::page() const {
  switch (step_) {
    case 0: return WizardPage::kStart;
    case 2: return WizardPage::kFinish;
    default: return result_ == Result::kFailed ? WizardPage::kFailure : WizardPage::kMeasuring;
  }
}

}  // namespace orvix
