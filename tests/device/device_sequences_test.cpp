#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "DeviceFakes.h"
#include "device/DeviceJobs.h"
#include "device/FeatureReports.h"
#include "Messages.h"
#include "device/SensorBitmap.h"

namespace orvix::test {
namespace {

using Log = std::vector<std::string>;

// A device that answers every status read from a script (then "done") and takes every write.
struct StatusScript : FeatureDevice {
  std::deque<int> statuses;  // -1: the read fails
  bool acceptWrites = true;
  int statusReads = 0;
  bool WriteReport(std::uint8_t*, int) override { return acceptWrites; }
  bool ReadReport(std::uint8_t* report, int) override {
    ++statusReads;
    int status = kStatusDone;
    if (!statuses.empty()) {
      status = statuses.front();
      statuses.pop_front();
    }
    if (status < 0) return false;
    report[1] = static_cast<std::uint8_t>(status);
    return true;
  }
};

struct PollingBench {
  StatusScript device;
  FakeSleeper sleeper;
  std::mutex lock;
  std::atomic<bool> abort{false};
  ReportExchange exchange{device, lock, sleeper, &abort};
  bool Write() {
    Report<3> report = EncodeHostMode(1);
    return exchange.WriteAndPoll(report, 100);
  }
};

TEST(StatusPolling, TenBusyAnswersFailAfterTheWholeSchedule) {
  PollingBench bench;
  bench.device.statuses.assign(10, kStatusBusy);
  EXPECT_FALSE(bench.Write());
  EXPECT_EQ(bench.device.statusReads, 10);
  EXPECT_EQ(bench.sleeper.total, 100 + 1000 + 1500 + 7 * 2000);
  EXPECT_EQ(bench.sleeper.calls, 166);  // all of it in 100 ms slices
}

TEST(StatusPolling, BusyThenDoneSucceedsAtTheThirdAttempt) {
  PollingBench bench;
  bench.device.statuses = {kStatusBusy, kStatusBusy, kStatusDone};
  EXPECT_TRUE(bench.Write());
  EXPECT_EQ(bench.sleeper.total, 100 + 1000 + 1500);
}

TEST(StatusPolling, FailuresEndThePolling) {
  PollingBench failedStatus;
  failedStatus.device.statuses = {kStatusBusy, 2};
  EXPECT_FALSE(failedStatus.Write());
  EXPECT_EQ(failedStatus.device.statusReads, 2);

  // A failed read keeps the previous status: busy goes on, nothing yet ends at once.
  PollingBench readFails;
  readFails.device.statuses = {kStatusBusy, -1, kStatusDone};
  EXPECT_TRUE(readFails.Write());
  PollingBench firstReadFails;
  firstReadFails.device.statuses = {-1};
  EXPECT_FALSE(firstReadFails.Write());
  EXPECT_EQ(firstReadFails.device.statusReads, 1);
  // Busy, then a failed read as the last word: not done.
  PollingBench lastReadFails;
  lastReadFails.device.statuses = {kStatusBusy, kStatusBusy, kStatusBusy, kStatusBusy, kStatusBusy,
                                   kStatusBusy, kStatusBusy, kStatusBusy, kStatusBusy, -1};
  EXPECT_FALSE(lastReadFails.Write());

  PollingBench refused;
  refused.device.acceptWrites = false;
  EXPECT_FALSE(refused.Write());
  EXPECT_EQ(refused.device.statusReads, 0);
  EXPECT_EQ(refused.sleeper.total, 0);
}

TEST(StatusPolling, AnAbortEndsTheWaitAtTheNextSlice) {
  PollingBench bench;
  bench.device.statuses.assign(10, kStatusBusy);
  bench.sleeper.atMs = 1650;  // half-way through the 1.5 s wait
  bench.sleeper.at = [&] { bench.abort = true; };
  EXPECT_FALSE(bench.Write());
  EXPECT_EQ(bench.sleeper.total, 1700);
  EXPECT_EQ(bench.device.statusReads, 2);

  bench.abort = true;
  EXPECT_FALSE(bench.exchange.Pause(50));  // no slice at all, still aborted
  bench.abort = false;
  const long before = bench.sleeper.total;
  EXPECT_TRUE(bench.exchange.Pause(50));
  EXPECT_EQ(bench.sleeper.total, before);  // a 50 ms pause is no pause
}

// ---- the full read against the virtual mouse ----

void PutMacro(VirtualMouse& mouse, int profile, int button, const char* name, int events) {
  std::vector<std::uint8_t> r(2082, 0);
  r[0] = 8;
  r[1] = 0x22;
  r[2] = 0x08;
  r[3] = static_cast<std::uint8_t>(profile);
  r[4] = static_cast<std::uint8_t>(button);
  r[5] = 1;
  std::memcpy(&r[54], name, std::strlen(name));
  r[78] = static_cast<std::uint8_t>(events);
  for (int e = 0; e < events; ++e) {
    r[80 + 4 * e] = 0x04;
    r[81 + 4 * e] = 1;
  }
  Seal(r);
  ASSERT_TRUE(mouse.firmware.SetFeature(r.data(), 2082));
}

void MakeMacroButton(VirtualMouse& mouse, int profile, int button) {
  std::vector<std::uint8_t> r(3);
  r = {4, static_cast<std::uint8_t>(profile), 0x90};
  mouse.firmware.SetFeature(r.data(), 3);
  std::vector<std::uint8_t> buttons(59, 0);
  buttons[0] = 7;
  ASSERT_TRUE(mouse.firmware.GetFeature(buttons.data(), 59));
  buttons[3 + 3 * button] = kFunctionMacro;
  Seal(buttons);
  ASSERT_TRUE(mouse.firmware.SetFeature(buttons.data(), 59));
}

// Every wait a full read takes without macros: two steps, ten selects with their pauses,
// five profile pauses of the macro step.
constexpr long kFullReadWithoutMacrosMs = 2 * 100 + 10 * (100 + 100) + 5 * 100;

TEST(FullRead, MirrorsTheMouseAndPublishesIt) {
  DeviceBench bench;
  std::vector<std::uint8_t> profile{5, 3, 3};
  bench.mouse.firmware.SetFeature(profile.data(), 3);
  std::vector<std::uint8_t> tracking{15, 6, 1, 1, 90, 2};
  bench.mouse.firmware.SetFeature(tracking.data(), 6);
  bench.local->flags.settings[2] = 1;
  bench.local->flags.button[4][7] = 1;

  EXPECT_EQ(bench.sequences.FullRead(), FullReadResult::kPublished);
  EXPECT_EQ(bench.host.calls, (Log{"version", "save", "publish"}));
  EXPECT_EQ(bench.host.firmwareVersion, vmouse::kVirtualFirmwareVersion);
  EXPECT_EQ(bench.local->config.CurrentProfile, 3);
  EXPECT_EQ(bench.local->config.LiftOnFlag, 1);
  EXPECT_EQ(bench.calibration.value, 90);
  EXPECT_EQ(bench.calibration.mode, 2);
  EXPECT_EQ(bench.profile(4).CpiLevel_X[4], 41);
  EXPECT_EQ(bench.profile(4).LightInfo[0].blue, 250);
  EXPECT_EQ(bench.profile(0).LightColorFlow, 1);
  EXPECT_EQ(bench.profile(2).MacroKeyInfo[22].function, kFunctionProfileDown);
  EXPECT_EQ(bench.local->flags.settings[2], 0);
  EXPECT_EQ(bench.local->flags.button[4][7], 0);
  EXPECT_EQ(bench.sleeper.total, kFullReadWithoutMacrosMs);
  EXPECT_EQ(bench.device.Count("R8"), 0);
}

TEST(FullRead, MacrosAreRetriedAndAFailingProfileEndsTheMacroStep) {
  DeviceBench bench;
  MakeMacroButton(bench.mouse, 0, 9);
  PutMacro(bench.mouse, 0, 9, "Burst", 4);
  MakeMacroButton(bench.mouse, 1, 2);
  MakeMacroButton(bench.mouse, 2, 3);
  PutMacro(bench.mouse, 2, 3, "Never read", 1);
  // Profile 0's macro: a wrong checksum, then right. Profile 1's: three wrong checksums.
  int macroReads = 0;
  struct CorruptMacros : MouseDevice {
    using MouseDevice::MouseDevice;
    int* reads = nullptr;
    bool ReadReport(std::uint8_t* report, int length) override {
      const bool ok = MouseDevice::ReadReport(report, length);
      if (ok && report[0] == 8 && ++*reads != 2) report[2081] ^= 0xFF;  // only the second read is whole
      return ok;
    }
  } device(bench.mouse);
  device.reads = &macroReads;
  ReportExchange exchange(device, bench.lock, bench.sleeper, &bench.abort);
  DeviceSequences sequences(exchange, *bench.local, bench.calibration, bench.host);

  EXPECT_EQ(sequences.FullRead(), FullReadResult::kPublished);  // tracking still read
  EXPECT_EQ(macroReads, 2 + 3);
  const ButtonAssignment& burst = bench.profile(0).MacroKeyInfo[SlotFromDeviceIndex(9)];
  EXPECT_STREQ(burst.macroName, "Burst");
  EXPECT_EQ(burst.eventCount, 4);
  EXPECT_EQ(bench.profile(2).MacroKeyInfo[SlotFromDeviceIndex(3)].macroName[0], '\0');
  EXPECT_EQ(device.Count("R15"), 1);
  // Five macro attempts with a pause each, and the pause after profile 0.
  EXPECT_EQ(bench.sleeper.total, 2 * 100 + 10 * 200 + 5 * 200 + 100);
}

TEST(FullRead, WithoutTrackingNothingIsSavedButTheFlagsAreCleared) {
  DeviceBench bench;
  bench.device.failReadsOf = {15};
  bench.local->flags.currentProfile = 1;
  EXPECT_EQ(bench.sequences.FullRead(), FullReadResult::kTrackingUnread);
  EXPECT_EQ(bench.host.calls, Log{"version"});
  EXPECT_EQ(bench.local->flags.currentProfile, 0);
  EXPECT_EQ(bench.profile(1).CpiLevel_X[1], 8);  // the profiles were read all the same
}

TEST(FullRead, FailedReportsAreSkippedAndKeepTheLocalValues) {
  DeviceBench bench;
  bench.device.failReadsOf = {6, 9};
  bench.profile(3).Sensitivity = 11;
  bench.local->config.CurrentProfile = 2;
  std::vector<std::uint8_t> badProfile{5, 3, 7};  // refused by the mouse: it stays at 0
  bench.mouse.firmware.SetFeature(badProfile.data(), 3);
  EXPECT_EQ(bench.sequences.FullRead(), FullReadResult::kPublished);
  EXPECT_EQ(bench.profile(3).Sensitivity, 11);
  EXPECT_EQ(bench.profile(3).MacroKeyInfo[0].function, kFunctionClick);
  EXPECT_EQ(bench.host.firmwareVersion, -1);
  EXPECT_EQ(bench.local->config.CurrentProfile, 0);
}

TEST(FullRead, UnpluggingTheMouseAbortsItAtTheNextPause) {
  DeviceBench bench;
  DeviceFlags flags;
  flags.busy = true;
  // The removal handler of the window thread: the library tells it, it aborts the job.
  struct RemovalSink : vmouse::EventSink {
    DeviceFlags* flags;
    std::atomic<bool>* abort;
    void DeviceEvent(std::uint16_t, std::uint16_t) override {}
    void Arrival(bool arrived) override {
      if (!arrived && flags->busy) *abort = true;
    }
  } sink;
  sink.flags = &flags;
  sink.abort = &bench.abort;
  CountingStore store;
  vmouse::Firmware firmware(FactoryMouseMemory(), sink, store, nullptr);
  firmware.OpenFeatureDevice();
  firmware.SetFaults({.unplugAfterReports = 6});
  struct FirmwareDevice : FeatureDevice {
    vmouse::Firmware& f;
    explicit FirmwareDevice(vmouse::Firmware& firmware) : f(firmware) {}
    bool WriteReport(std::uint8_t* r, int n) override { return f.SetFeature(r, n); }
    bool ReadReport(std::uint8_t* r, int n) override { return f.GetFeature(r, n); }
  } device(firmware);
  ReportExchange exchange(device, bench.lock, bench.sleeper, &bench.abort);
  DeviceSequences sequences(exchange, *bench.local, bench.calibration, bench.host);
  bench.local->flags.settings[0] = 1;

  EXPECT_EQ(sequences.FullRead(), FullReadResult::kAborted);
  EXPECT_EQ(bench.host.calls, Log{"version"});
  EXPECT_EQ(bench.local->flags.settings[0], 1);  // an aborted read clears nothing
  // Version, current profile, then the mouse goes during the second select.
  EXPECT_EQ(bench.sleeper.total, 100 + 100 + 200 + 100);
}

// ---- writing what changed ----

TEST(WriteChangedSettings, WritesExactlyWhatIsMarked) {
  DeviceBench bench;
  ASSERT_EQ(bench.sequences.FullRead(), FullReadResult::kPublished);
  bench.device.log.clear();
  bench.sleeper.total = 0;

  bench.local->config.CurrentProfile = 4;
  bench.local->flags.currentProfile = 1;
  bench.profile(2).CpiLevel_X[3] = 20;
  bench.local->flags.settings[2] = 1;
  ButtonAssignment& macro = bench.profile(1).MacroKeyInfo[13];  // device button 10
  macro.function = kFunctionMacro;
  std::strcpy(macro.macroName, "Build");
  macro.eventCount = 1;
  macro.events[0] = {0x0A, 1, 5};
  bench.local->flags.button[1][13] = 1;
  bench.profile(1).MacroKeyInfo[14].function = kFunctionMacro;  // a macro slot not marked
  bench.local->flags.button[3][5] = 1;  // a slot the mouse has no button for: report 7 only
  bench.local->flags.button[0][2] = 2;  // not 1: not a change

  EXPECT_TRUE(bench.sequences.WriteChangedSettings());
  EXPECT_EQ(bench.device.Count("W5"), 1);
  EXPECT_EQ(bench.device.Count("W6"), 1);
  EXPECT_EQ(bench.device.Count("W7"), 2);
  EXPECT_EQ(bench.device.Count("W8"), 1);
  EXPECT_EQ(bench.sleeper.total, (100 + 100) + (100 + 100) + 2 * (500 + 100) + 500);

  const auto memory = bench.mouse.firmware.Memory();
  EXPECT_EQ(memory->state.currentProfile, 4);
  EXPECT_EQ(memory->state.profiles[2].settings.levels[3], 80);
  EXPECT_EQ(memory->state.profiles[1].buttons[10].function, kFunctionMacro);
  EXPECT_EQ(+memory->state.profiles[1].macros[10].eventCount, 1);  // + : a packed field
  EXPECT_EQ(std::string(memory->state.profiles[1].macros[10].name, 5), "Build");
  EXPECT_EQ(+memory->state.profiles[1].macros[11].eventCount, 0);  // + : a packed field
  // The flags stay as they came; the configuration program clears its own.
  EXPECT_EQ(bench.local->flags.settings[2], 1);
}

TEST(WriteChangedSettings, TheFirstFailedMacroEndsIt) {
  DeviceBench bench;
  for (int s : {0, 1, 2}) {
    bench.profile(0).MacroKeyInfo[s].function = kFunctionMacro;
    bench.local->flags.button[0][s] = 1;
  }
  bench.profile(0).MacroKeyInfo[1].eventCount = 600;  // cannot be carried: refused before sending
  EXPECT_FALSE(bench.sequences.WriteChangedSettings());
  EXPECT_EQ(bench.device.Count("W8"), 1);

  bench.profile(0).MacroKeyInfo[1].eventCount = 1;
  // Report 7 is done, the first macro answered with a failure status.
  struct FailSecondWrite : MouseDevice {
    using MouseDevice::MouseDevice;
    int writes = 0;
    bool WriteReport(std::uint8_t* report, int length) override {
      if (report[0] == 8 && ++writes == 1)
        mouse.firmware.SetFaults({.busyAnswers = 0, .failStatus = 9, .failStatusWrites = 1});
      return MouseDevice::WriteReport(report, length);
    }
  } device(bench.mouse);
  ReportExchange exchange(device, bench.lock, bench.sleeper, &bench.abort);
  DeviceSequences sequences(exchange, *bench.local, bench.calibration, bench.host);
  EXPECT_FALSE(sequences.WriteChangedSettings());
  EXPECT_EQ(device.Count("W7"), 1);
  EXPECT_EQ(device.Count("W8"), 1);
}

TEST(WriteChangedSettings, TenBusyAnswersFailOneWriteAndTheRestGoesOn) {
  DeviceBench bench;
  bench.local->flags.settings[0] = 1;
  bench.local->flags.settings[1] = 1;
  bench.mouse.firmware.SetFaults({.busyAnswers = 10});
  EXPECT_FALSE(bench.sequences.WriteChangedSettings());
  EXPECT_EQ(bench.device.Count("W6"), 2);
  EXPECT_EQ(bench.sleeper.total, 16600 + 100 + 100 + 100);
}

TEST(WriteChangedSettings, AnInvalidCurrentProfileIsNotSent) {
  DeviceBench bench;
  bench.local->config.CurrentProfile = -1;
  bench.local->flags.currentProfile = 1;
  EXPECT_FALSE(bench.sequences.WriteChangedSettings());
  EXPECT_EQ(bench.device.Count("W5"), 0);
}

// ---- single uploads and commands ----

TEST(MacroUpload, RequestValuesNameAProfileAndAButton) {
  EXPECT_EQ(MacroUploadTargetOf(1)->profile, 0);
  EXPECT_EQ(MacroUploadTargetOf(1)->deviceIndex, 2);
  EXPECT_EQ(MacroUploadTargetOf(16)->deviceIndex, 17);
  EXPECT_EQ(MacroUploadTargetOf(17)->profile, 1);
  EXPECT_EQ(MacroUploadTargetOf(17)->deviceIndex, 2);
  EXPECT_EQ(MacroUploadTargetOf(80)->profile, 4);
  EXPECT_EQ(MacroUploadTargetOf(80)->deviceIndex, 17);
  EXPECT_FALSE(MacroUploadTargetOf(81));
  EXPECT_FALSE(MacroUploadTargetOf(110));
  EXPECT_FALSE(MacroUploadTargetOf(0));
  EXPECT_FALSE(MacroUploadTargetOf(-5));

  DeviceBench bench;
  ButtonAssignment& slot = bench.profile(1).MacroKeyInfo[SlotFromDeviceIndex(6)];
  slot.function = kFunctionClick;  // written whatever its function
  slot.eventCount = 2;
  EXPECT_TRUE(bench.sequences.UploadMacro(16 + 5));
  EXPECT_EQ(+bench.mouse.firmware.Memory()->state.profiles[1].macros[6].eventCount, 2);  // + : a packed field
  EXPECT_EQ(bench.sleeper.total, 500);
  bench.device.log.clear();
  EXPECT_FALSE(bench.sequences.UploadMacro(95));
  EXPECT_TRUE(bench.device.log.empty());
}

class FileTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) {
    const auto path = std::filesystem::temp_directory_path() /
                      (std::string("orvix_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                       "_" + name);
    paths_.push_back(path.string());
    std::filesystem::remove(path);
    return path.string();
  }
  void TearDown() override {
    for (const auto& p : paths_) std::filesystem::remove(p);
  }
  std::vector<std::string> paths_;
};

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using LightDatabaseUpload = FileTest;

TEST_F(LightDatabaseUpload, GoesOutInChunksWithAZeroPaddedLastOne) {
  DeviceBench bench;
  std::vector<std::uint8_t> database(2049);
  for (std::size_t i = 0; i < database.size(); ++i) database[i] = static_cast<std::uint8_t>(i * 7 + 1);
  const std::string path = Path("db.bin");
  WriteFile(path, database);
  EXPECT_TRUE(bench.sequences.UploadLightDatabase(path));
  EXPECT_EQ(bench.device.Count("W26"), 3);
  EXPECT_EQ(bench.sleeper.total, 3 * 300);
  const auto memory = bench.mouse.firmware.Memory();
  ASSERT_EQ(memory->lightDatabase.size(), 3u * 1024);
  EXPECT_TRUE(std::equal(database.begin(), database.end(), memory->lightDatabase.begin()));
  EXPECT_TRUE(std::all_of(memory->lightDatabase.begin() + 2049, memory->lightDatabase.end(),
                          [](std::uint8_t b) { return b == 0; }));
}

TEST_F(LightDatabaseUpload, AFailedChunkDoesNotStopTheOthers) {
  DeviceBench bench;
  const std::string path = Path("db.bin");
  WriteFile(path, std::vector<std::uint8_t>(300 * 1024, 1));  // more than the virtual mouse holds
  EXPECT_FALSE(bench.sequences.UploadLightDatabase(path));
  EXPECT_EQ(bench.device.Count("W26"), 300);
  EXPECT_EQ(bench.mouse.firmware.Memory()->lightDatabase.size(), 256u * 1024);
}

TEST_F(LightDatabaseUpload, EmptyOrMissingFilesSendNothing) {
  DeviceBench bench;
  const std::string empty = Path("empty.bin");
  WriteFile(empty, {});
  EXPECT_FALSE(bench.sequences.UploadLightDatabase(empty));
  EXPECT_FALSE(bench.sequences.UploadLightDatabase(Path("missing.bin")));
  EXPECT_TRUE(bench.device.log.empty());
}

std::vector<std::uint8_t> BlankSensorBitmap() {
  std::vector<std::uint8_t> bmp(1078 + 960, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[2] = static_cast<std::uint8_t>(bmp.size());
  bmp[3] = static_cast<std::uint8_t>(bmp.size() >> 8);
  bmp[10] = 1078 & 0xFF;
  bmp[11] = 1078 >> 8;
  bmp[14] = 40;
  bmp[18] = 32;
  bmp[22] = 30;
  bmp[26] = 1;
  bmp[28] = 8;
  return bmp;
}

using SensorImageCapture = FileTest;

TEST_F(SensorImageCapture, WritesTheImageIntoTheBitmapAndSetsTheCalibrationValue) {
  DeviceBench bench;
  const std::string path = Path("sensorImage.bmp");
  WriteFile(path, BlankSensorBitmap());
  EXPECT_TRUE(bench.sequences.CaptureSensorImage(path));
  EXPECT_EQ(bench.host.calls, Log{"image"});
  EXPECT_EQ(bench.sleeper.total, 2000 + 500);  // settle, status at once, then the read delay

  const auto memory = bench.mouse.firmware.Memory();
  const std::uint8_t* image = memory->state.sensorImage;
  long sum = 0;
  for (int i = 0; i < 900; ++i) sum += image[i];
  EXPECT_EQ(bench.calibration.value, sum / 900);

  const std::vector<std::uint8_t> bmp = ReadFile(path);
  ASSERT_EQ(bmp.size(), 1078u + 960);
  auto rotated = [](std::uint8_t b) { return static_cast<std::uint8_t>((b << 2) | (b >> 6)); };
  // Pixel row r, byte j: transposed row r read from its end: captured row 29 - j, column r.
  for (int r : {0, 7, 29})
    for (int j : {0, 13, 29}) EXPECT_EQ(bmp[1078 + 32 * r + j], rotated(image[(29 - j) * 30 + r])) << r << "," << j;
  EXPECT_EQ(bmp[1078 + 30], 0);
  EXPECT_EQ(bmp[1078 + 31], 0);
  EXPECT_EQ(bmp[14], 40);  // the header stays
}

TEST_F(SensorImageCapture, AMissingOrForeignBitmapIsLeftAlone) {
  DeviceBench bench;
  EXPECT_FALSE(bench.sequences.CaptureSensorImage(Path("missing.bmp")));
  EXPECT_GT(bench.calibration.value, 0);  // the image itself was good

  std::vector<std::uint8_t> wide = BlankSensorBitmap();
  wide[18] = 64;
  const std::string path = Path("wide.bmp");
  WriteFile(path, wide);
  EXPECT_FALSE(bench.sequences.CaptureSensorImage(path));
  EXPECT_EQ(ReadFile(path), wide);

  std::vector<std::uint8_t> cut = BlankSensorBitmap();
  cut.resize(1500);
  WriteFile(path, cut);
  EXPECT_FALSE(bench.sequences.CaptureSensorImage(path));
  EXPECT_EQ(ReadFile(path), cut);
  EXPECT_TRUE(bench.host.calls.empty());

  bench.calibration.value = 55;
  bench.device.failReadsOf = {12};
  WriteFile(path, BlankSensorBitmap());
  EXPECT_FALSE(bench.sequences.CaptureSensorImage(path));
  EXPECT_EQ(bench.calibration.value, 55);
  EXPECT_EQ(ReadFile(path), BlankSensorBitmap());
}

TEST(CalibrationMode, RequestsSetTheValuesThenSendTracking) {
  DeviceBench bench;
  bench.local->config.LiftOnFlag = 1;
  bench.local->config.TrackControlFlag = 2;
  bench.calibration.value = 120;
  bench.calibration.mode = 5;
  EXPECT_TRUE(bench.sequences.SetCalibrationMode(2));
  auto tracking = bench.mouse.firmware.Memory()->state.tracking;
  EXPECT_EQ(tracking.liftOn, 1);
  EXPECT_EQ(tracking.trackControl, 2);
  EXPECT_EQ(tracking.calibrationValue, 120);
  EXPECT_EQ(tracking.calibrationMode, 1);
  EXPECT_TRUE(bench.sequences.SetCalibrationMode(1));  // evaluate: the mouse reports the result
  EXPECT_EQ(bench.mouse.sink.events, (std::vector<vmouse::MouseEvent>{{0x3000, 1}}));
  EXPECT_TRUE(bench.sequences.SetCalibrationMode(4));
  EXPECT_EQ(bench.calibration.value, 0);
  EXPECT_EQ(bench.calibration.mode, 2);
  EXPECT_TRUE(bench.sequences.SendTrackingReport(254));  // leaves the calibration alone
  tracking = bench.mouse.firmware.Memory()->state.tracking;
  EXPECT_EQ(tracking.calibrationMode, 2);
}

// ---- the device I/O thread's jobs ----

struct JobHost : DeviceJobHost {
  int dpiTables = 0;
  void SendDpiTable() override { ++dpiTables; }
};

TEST(DeviceJobs, RunOnlyWhileConnectedAndClearTheAbortFlag) {
  DeviceBench bench;
  DeviceFlags flags;
  JobHost jobHost;
  ReportExchange exchange(bench.device, bench.lock, bench.sleeper, &flags.abort);
  DeviceSequences sequences(exchange, *bench.local, bench.calibration, bench.host);
  DeviceJobRunner runner(sequences, flags, jobHost, "");

  EXPECT_FALSE(runner.Run(kJobReadEverything, 0));
  flags.deviceState = 2;
  EXPECT_FALSE(runner.Run(kJobCurrentProfile, 0));
  EXPECT_TRUE(bench.device.log.empty());

  flags.deviceState = 1;
  flags.abort = true;  // left over from an earlier job
  bool busyDuringJob = false;
  bench.sleeper.atMs = 1;
  bench.sleeper.at = [&] { busyDuringJob = flags.busy; };
  EXPECT_TRUE(runner.Run(kJobReadEverything, 0));
  EXPECT_TRUE(busyDuringJob);
  EXPECT_FALSE(flags.busy);
  EXPECT_EQ(bench.host.calls.back(), "publish");
  EXPECT_EQ(bench.device.Count("W14"), 1);
  EXPECT_EQ(bench.mouse.firmware.Memory()->state.hostMode, 1);
  EXPECT_EQ(jobHost.dpiTables, 1);
  EXPECT_FALSE(runner.Run(7, 0));
}

TEST(DeviceJobs, AnAbortedReadStillEndsInHostMode) {
  DeviceBench bench;
  DeviceFlags flags;
  flags.deviceState = 1;
  JobHost jobHost;
  ReportExchange exchange(bench.device, bench.lock, bench.sleeper, &flags.abort);
  DeviceSequences sequences(exchange, *bench.local, bench.calibration, bench.host);
  DeviceJobRunner runner(sequences, flags, jobHost, "");
  bench.sleeper.atMs = 300;
  bench.sleeper.at = [&] { AbortIfBusy(flags); };
  EXPECT_TRUE(runner.Run(kJobReadEverything, 0));
  EXPECT_EQ(bench.host.calls, Log{"version"});
  EXPECT_EQ(bench.device.log.back(), "W14");  // sent; its polling gave up at once
  EXPECT_EQ(bench.mouse.firmware.Memory()->state.hostMode, 1);

  flags.abort = false;
  AbortIfBusy(flags);  // nothing running: nothing to abort
  EXPECT_FALSE(flags.abort);
}

}  // namespace
}  // namespace orvix::test
