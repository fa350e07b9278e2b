#include "MonitorDevice_win.h"

#include "Messages.h"

namespace orvix {
namespace {

constexpr SIZE_T kIoThreadStack = 4096;
constexpr DWORD kIoThreadStopMs = 1000;

}  // namespace

MonitorDevice::MonitorDevice(SharedDataBlock& local, DeviceHost& host, DeviceJobHost& jobHost,
                             std::string installFolder)
    : installFolder_(std::move(installFolder)),
      sensorBitmapPath_(installFolder_ + "Wave\\sensorImage.bmp"),
      windowExchange_(link_, link_.sequenceLock(), sleeper_, nullptr),
      windowSequences_(windowExchange_, local, calibration_, host),
      ioExchange_(link_, link_.sequenceLock(), sleeper_, &flags_.abort),
      ioSequences_(ioExchange_, local, calibration_, host),
      jobs_(ioSequences_, flags_, jobHost, installFolder_ + "LightEffectColorDatabase.bin") {}

MonitorDevice::~MonitorDevice() {
  StopIoThread();
  Close();
}

bool MonitorDevice::Bind() { return link_.Bind(installFolder_); }

bool MonitorDevice::StartIoThread() {
  return ioThread_.Start(
      [this](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_MON_DEVICE_JOB) jobs_.Run(static_cast<unsigned>(wParam), lParam);
      },
      kIoThreadStack);
}

bool MonitorDevice::Open(HWND window) {
  link_.OpenDevMonitor(window, WM_MON_DEVICE_EVENT, WM_MON_DEVICE_ARRIVAL);
  return link_.OpenFeatureDevice();
}

bool MonitorDevice::PostJob(unsigned job, LPARAM lParam) { return ioThread_.Post(WM_MON_DEVICE_JOB, job, lParam); }

void MonitorDevice::StopIoThread() {
  AbortIfBusy();
  ioThread_.Stop(kIoThreadStopMs);
}

}  // namespace orvix
