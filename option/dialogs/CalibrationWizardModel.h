// The surface calibration wizard without its windows: which step and page it shows, and
// what it asks of the monitor (sensor images, the evaluation) at each event. The monitor
// answers with WM_CAL_STEP; the wizard never waits for it.
#pragma once

namespace orvix {

enum class WizardPage { kStart, kMeasuring, kFailure, kFinish };

// What the window has to do after an event.
struct WizardActions {
  int sensorImages = 0;     // WM_MON_SENSOR_IMAGE messages to post
  bool evaluate = false;    // post WM_MON_CALIBRATION_MODE with lParam 1
  bool startTimer = false;  // the 2-second measuring timer
  bool stopTimer = false;
};

class CalibrationWizardModel {
 public:
  // The monitor's verdict so far.
  enum class Result { kMeasuring = 0, kSucceeded = 1, kFailed = 2 };

  static constexpr int kImageRequests = 5;       // at 0, 2, 4, 6 and 8 seconds
  static constexpr unsigned kTickMs = 2000;

  // Start: the first image at once, the others and the evaluation on the timer.
  WizardActions Start();
  // The measuring timer.
  WizardActions Tick();
  // WM_CAL_STEP from the monitor: 1 success, anything else failure. An answer before the
  // user started a measurement is stray and ignored.
  void OnStep(long data);
  // Retry Calibration on the failure page: evaluate again, without new images.
  WizardActions Retry();

  // 0 first step, 1 second step, 2 finish: which step label is highlighted.
  int step() const { return step_; }
  WizardPage page() const;
  Result result() const { return result_; }
  bool measuring() const { return timerRunning_; }

 private:
  Result result_ = Result::kMeasuring;
  int step_ = 0;
  int countdown_ = 0;  // image requests still to come
  bool started_ = false;
  bool timerRunning_ = false;
};

}  // namespace orvix
