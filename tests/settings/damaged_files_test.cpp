// Seeded rounds of damage to real files, loaded back through the same code the programs
// use. Under the sanitizers any overrun or undefined step fails the test; the checks
// below hold the results to the limits of their records.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "Configuration.h"
#include "DeviceList.h"
#include "FakeRegistry.h"
#include "FakeSystemInfo.h"
#include "ProfileFile.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::FakeRegistry;
using testing::FakeSystemInfo;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// The sanitizers run natively; built for Windows the test runs fewer rounds, because
// under Wine every file open costs about a millisecond.
#ifdef _WIN32
constexpr int kRoundsDivisor = 5;
#else
constexpr int kRoundsDivisor = 1;
#endif

class Damage {
 public:
  explicit Damage(std::uint32_t seed) : random_(seed) {}

  std::string Apply(std::string text) {
    const int steps = Pick(1, 4);
    for (int i = 0; i < steps; ++i) {
      switch (Pick(0, 5)) {
        case 0: FlipBytes(text); break;
        case 1: text.resize(Pick(0, static_cast<int>(text.size()))); break;
        case 2: DeleteLine(text); break;
        case 3: DuplicateLine(text); break;
        case 4: ExtendLine(text); break;
        default: InsertGarbage(text); break;
      }
    }
    return text;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void FlipBytes(std::string& text) {
    if (text.empty()) return;
    for (int n = Pick(1, 20); n > 0; --n) text[Pick(0, static_cast<int>(text.size()) - 1)] = static_cast<char>(Pick(0, 255));
  }

  // The start and end (after its LF) of a line chosen at random.
  std::pair<std::size_t, std::size_t> SomeLine(const std::string& text) {
    const std::size_t at = Pick(0, static_cast<int>(text.size()));
    const std::size_t start = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;  // npos + 1 is 0
    const std::size_t lf = text.find('\n', at);
    return {start, lf == std::string::npos ? text.size() : lf + 1};
  }

  void DeleteLine(std::string& text) {
    const auto [start, end] = SomeLine(text);
    text.erase(start, end - start);
  }

  void DuplicateLine(std::string& text) {
    const auto [start, end] = SomeLine(text);
    text.insert(start, text.substr(start, end - start));
  }

  // A value far longer than any field, most often a text.
  void ExtendLine(std::string& text) {
    const auto line = Pick(0, 3) ? TextLine(text) : SomeLine(text);
    const std::size_t end = line.second > line.first && text[line.second - 1] == '\n' ? line.second - 1 : line.second;
    text.insert(end > line.first && text[end - 1] == '\r' ? end - 1 : end, std::string(Pick(300, 3000), 'w'));
  }

  std::pair<std::size_t, std::size_t> TextLine(const std::string& text) {
    static constexpr const char* kTextKeys[] = {"ProFileName=", "GameFile0=", "GameFile2=", "Name="};
    const std::size_t at = text.find(kTextKeys[Pick(0, 3)]);
    if (at == std::string::npos) return SomeLine(text);
    const std::size_t lf = text.find('\n', at);
    return {at, lf == std::string::npos ? text.size() : lf + 1};
  }

  void InsertGarbage(std::string& text) {
    static constexpr char kSpecial[] = {'[', ']', '=', '\n', '\r', '\0', '"', ' ', '-'};
    std::string garbage;
    for (int n = Pick(1, 64); n > 0; --n)
      garbage += Pick(0, 1) ? kSpecial[Pick(0, sizeof kSpecial - 1)] : static_cast<char>(Pick(0, 255));
    if (Pick(0, 9) == 0) garbage += std::string(Pick(3000, 70000), 'F');  // a huge value
    text.insert(Pick(0, static_cast<int>(text.size())), garbage);
  }

  std::mt19937 random_;
};

template <std::size_t N>
bool Terminated(const char (&text)[N]) {
  return std::memchr(text, '\0', N) != nullptr;
}

void ExpectTextsTerminated(const ProfileRecord& p) {
  EXPECT_TRUE(Terminated(p.ProFileName) && Terminated(p.GameFile0) && Terminated(p.GameFile1) &&
              Terminated(p.GameFile2));
}

class DamagedFilesTest : public ::testing::Test {
 protected:
  DamagedFilesTest() {
    std::filesystem::create_directory(HostPath(folder.PathOf("config")));
    auto record = std::make_unique<ConfigRecord>();
    std::memset(record.get(), 0, sizeof *record);
    DefaultConfiguration(*record, store);
    record->CurrentProfile = 1;
    SaveConfiguration(*record, store);

    auto devices = std::make_unique<CompanionDeviceList>();
    std::memset(devices.get(), 0, sizeof *devices);
    devices->count = 3;
    for (int i = 0; i < 3; ++i) devices->devices[i] = {0x1000, static_cast<std::uint16_t>(i), "Device", {1, 2, 3, 4, 5}};
    WriteDeviceList(store, *devices);
  }

  TempFolder folder;
  TextIniStore ini;
  HostConfigFiles files;
  FakeRegistry registry;
  FakeSystemInfo system{folder.Folder()};
  SettingsStore store{ini, files, registry, system};
};

TEST_F(DamagedFilesTest, ProfileFilesSurviveEveryDamage) {
  const std::string path = ProfileFilePath(store, 2);
  const std::string original = ReadFileBytes(path);
  Damage damage(20240611);
  for (int round = 0; round < 30 / kRoundsDivisor; ++round) {
    WriteFileBytes(path, damage.Apply(original));
    ProfileRecord profile;
    InitDefaultProfile(profile, 2);
    ReadProfileFile(profile, path, ini);
    ExpectTextsTerminated(profile);
    // Another write and read of the damaged file must not fail either.
    WriteProfileFile(profile, path, ini);
    ProfileRecord again;
    InitDefaultProfile(again, 2);
    ReadProfileFile(again, path, ini);
    EXPECT_EQ(std::memcmp(&again, &profile, sizeof profile), 0) << "round " << round;
  }
}

TEST_F(DamagedFilesTest, TheWholeConfigurationLoadsFromDamagedFiles) {
  const std::string config = folder.PathOf("config.ini");
  const std::string profile = ProfileFilePath(store, 1);
  const std::string originalConfig = ReadFileBytes(config);
  const std::string originalProfile = ReadFileBytes(profile);
  Damage damage(7);
  auto record = std::make_unique<ConfigRecord>();
  for (int round = 0; round < 10 / kRoundsDivisor; ++round) {
    WriteFileBytes(config, damage.Apply(originalConfig));
    WriteFileBytes(profile, damage.Apply(originalProfile));
    std::memset(record.get(), 0, sizeof *record);
    EXPECT_EQ(LoadConfiguration(*record, store), 1);
    for (const ProfileRecord& p : record->profiles) ExpectTextsTerminated(p);
    EXPECT_EQ(registry.OpenKeys(), 0);
  }
}

TEST_F(DamagedFilesTest, DeviceListsStayWithinTheirLimits) {
  const std::string path = folder.PathOf("DeviceInfo.ini");
  const std::string original = ReadFileBytes(path);
  Damage damage(99);
  auto list = std::make_unique<CompanionDeviceList>();
  for (int round = 0; round < 200 / kRoundsDivisor; ++round) {
    WriteFileBytes(path, damage.Apply(original));
    ReadDeviceList(store, *list);
    ASSERT_GE(list->count, 0);
    ASSERT_LE(list->count, kMaxCompanionDevices);
    for (const CompanionDevice& device : list->devices) EXPECT_TRUE(Terminated(device.Name));
  }
}

}  // namespace
}  // namespace orvix
