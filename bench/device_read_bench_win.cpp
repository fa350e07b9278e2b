// Full read benchmark: five profiles whose 18 device buttons all carry a 500-event macro,
// read from the virtual mouse (hiddriver.dll, answering at once) through the monitor's
// device link. Prints the wall time divided by the sum of the waits the read mandates:
// everything above 1 is the cost of the link itself and of oversleeping.
//
// Usage: device_read_bench [install folder]   (a copy of its hiddriver.dll is used, so the
// install folder's virtual mouse keeps its memory)
#include <windows.h>
#include <timeapi.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "SharedDataBlock.h"
#include "device/DeviceLink_win.h"
#include "device/DeviceSequences.h"
#include "device/SystemSleeper.h"

namespace {

using namespace orvix;

// Sums what the sequence asks to wait; sleeps it only when told to.
class MeasuringSleeper : public Sleeper {
 public:
  explicit MeasuringSleeper(bool sleep) : sleep_(sleep) {}
  void Sleep(int milliseconds) override {
    mandatedMs_ += milliseconds;
    if (sleep_) real_.Sleep(milliseconds);
  }
  long mandatedMs() const { return mandatedMs_; }

 private:
  bool sleep_;
  SystemSleeper real_;
  long mandatedMs_ = 0;
};

struct SilentHost : DeviceHost {
  void StoreFirmwareVersion(int) override {}
  void SaveConfiguration() override {}
  void PublishDeviceRead() override {}
  void SensorImageReady() override {}
};

std::string CopyOfLibrary(const std::string& installFolder) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  char unique[MAX_PATH] = {};
  ::GetTempFileNameA(temp, "vmb", 0, unique);
  ::DeleteFileA(unique);
  ::CreateDirectoryA(unique, nullptr);
  const std::string folder = std::string(unique) + "\\";
  if (!::CopyFileA((installFolder + "hiddriver.dll").c_str(), (folder + "hiddriver.dll").c_str(), FALSE)) return "";
  return folder;
}

void RemoveCopy(const std::string& folder) {
  for (const char* file : {"hiddriver.dll", "VirtualMouse.dat", "VirtualMouse.dat.new"})
    ::DeleteFileA((folder + file).c_str());
  ::RemoveDirectoryA(folder.c_str());
}

// Every device button of every profile a macro of 500 events, all marked as changed.
void FillWithMacros(SharedDataBlock& block) {
  for (int p = 0; p < kProfiles; ++p)
    for (int d = 0; d < kDeviceButtons; ++d) {
      const int s = SlotFromDeviceIndex(d);
      ButtonAssignment& slot = block.config.profiles[p].MacroKeyInfo[s];
      slot.slot = static_cast<std::uint8_t>(s);
      slot.function = kFunctionMacro;
      std::snprintf(slot.macroName, sizeof slot.macroName, "Macro %d.%d", p, d);
      slot.eventCount = kMaxMacroEvents;
      for (int e = 0; e < kMaxMacroEvents; ++e)
        slot.events[e] = {static_cast<std::uint8_t>(4 + e % 26), static_cast<std::uint8_t>(e % 2 ? 2 : 1), 10};
      block.flags.button[p][s] = 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string installFolder = argc > 1 ? std::string(argv[1]) + "\\" : ORVIX_INSTALL_DIR;
  const std::string folder = CopyOfLibrary(installFolder);
  DeviceLink link;
  if (folder.empty() || !link.Bind(folder) || !link.OpenFeatureDevice()) {
    std::fprintf(stderr, "No virtual mouse in %s\n", installFolder.c_str());
    return 1;
  }
  ::timeBeginPeriod(1);
  std::mutex lock;
  SilentHost host;
  CalibrationState calibration;
  auto block = std::make_unique<SharedDataBlock>();
  FillWithMacros(*block);
  {
    MeasuringSleeper noWait(false);
    ReportExchange exchange(link, lock, noWait, nullptr);
    DeviceSequences sequences(exchange, *block, calibration, host);
    if (!sequences.WriteChangedSettings()) {
      std::fprintf(stderr, "Could not fill the virtual mouse with macros\n");
      return 1;
    }
  }

  auto read = std::make_unique<SharedDataBlock>();
  MeasuringSleeper sleeper(true);
  ReportExchange exchange(link, lock, sleeper, nullptr);
  DeviceSequences sequences(exchange, *read, calibration, host);
  const auto start = std::chrono::steady_clock::now();
  const FullReadResult result = sequences.FullRead();
  const auto wallMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  ::timeEndPeriod(1);
  link.Close();
  RemoveCopy(folder);

  int macros = 0;
  for (int p = 0; p < kProfiles; ++p)
    for (int d = 0; d < kDeviceButtons; ++d)
      macros += read->config.profiles[p].MacroKeyInfo[SlotFromDeviceIndex(d)].eventCount == kMaxMacroEvents;
  std::printf("full read: %s, %d of %d macros of %d events read\n",
              result == FullReadResult::kPublished ? "complete" : "incomplete", macros, kProfiles * kDeviceButtons,
              kMaxMacroEvents);
  std::printf("wall time %.0f ms, mandated waits %ld ms, ratio %.4f (target <= 1.02)\n", wallMs, sleeper.mandatedMs(),
              wallMs / static_cast<double>(sleeper.mandatedMs()));
  return result == FullReadResult::kPublished && macros == kProfiles * kDeviceButtons ? 0 : 1;
}
