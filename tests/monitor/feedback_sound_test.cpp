#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "FakePorts.h"
#include "core/FeedbackSound.h"
#include "core/SoundFiles.h"

namespace orvix {
namespace {

using test::FakeFiles;

std::int16_t SampleAt(const std::vector<std::uint8_t>& wave, std::size_t index) {
  std::int16_t s;
  std::memcpy(&s, wave.data() + 44 + 2 * index, 2);
  return s;
}

TEST(SoundTable, NumbersNameTheirFiles) {
  EXPECT_EQ(SoundFileName(0), "go.wav");
  EXPECT_EQ(SoundFileName(1), "1_second.wav");
  EXPECT_EQ(SoundFileName(2), "2_seconds.wav");
  EXPECT_EQ(SoundFileName(10), "10_seconds.wav");
  EXPECT_EQ(SoundFileName(44), "profile_five.wav");
  EXPECT_EQ(SoundFileName(45), "windows_profile.wav");
  EXPECT_EQ(SoundFileName(51), "Every_Trophy.wav");
  EXPECT_EQ(SoundFileName(800), "800.wav");
  EXPECT_EQ(SoundFileName(200), "200.wav");
  EXPECT_EQ(SoundFileName(8200), "8200.wav");
  for (int none : {-1, 6, 9, 11, 46, 52, 150, 199, 8201, 1 << 30}) EXPECT_EQ(SoundFileName(none), "") << none;
}

TEST(SoundTable, PathLiesInTheVolumeFolderOfTheInstallation) {
  EXPECT_EQ(SoundFilePath("C:\\Orvix\\", 1600), "C:\\Orvix\\Wave\\Volume\\1600.wav");
  EXPECT_EQ(SoundFilePath("C:\\Orvix\\", 150), "");
}

TEST(VolumeTenths, LevelsAndOutOfRangeValues) {
  EXPECT_EQ(VolumeTenths(0), 3);
  EXPECT_EQ(VolumeTenths(1), 5);
  EXPECT_EQ(VolumeTenths(2), 7);
  EXPECT_EQ(VolumeTenths(3), 9);
  EXPECT_EQ(VolumeTenths(4), 11);
  for (int level : {5, 7, 1000, -1, -2147483647 - 1}) EXPECT_EQ(VolumeTenths(level), 7) << level;
}

TEST(ScaleSamples, ClampsAndTruncatesTowardZero) {
  auto wave = FakeFiles::Wave({30000, -30000, -32768, 7, -7, 0});
  ScaleSamples(wave.data(), wave.size(), 11);
  EXPECT_EQ(SampleAt(wave, 0), 32767);
  EXPECT_EQ(SampleAt(wave, 1), -32767);
  EXPECT_EQ(SampleAt(wave, 2), -32767);
  EXPECT_EQ(SampleAt(wave, 3), 7);   // 7.7
  EXPECT_EQ(SampleAt(wave, 4), -7);  // -7.7
  EXPECT_EQ(SampleAt(wave, 5), 0);

  auto quiet = FakeFiles::Wave({7, -7, 1000});
  ScaleSamples(quiet.data(), quiet.size(), 3);
  EXPECT_EQ(SampleAt(quiet, 0), 2);
  EXPECT_EQ(SampleAt(quiet, 1), -2);
  EXPECT_EQ(SampleAt(quiet, 2), 300);
}

TEST(ScaleSamples, StaysInsideTheLoadedBytesWhateverTheHeaderSays) {
  // The header claims 4 GB of data; the sanitizer catches any read or write past the end.
  auto lying = FakeFiles::Wave({1000, 1000, 1000});
  const std::uint32_t huge = 0xFFFFFFFF;
  std::memcpy(lying.data() + 40, &huge, 4);
  lying.push_back(0x55);  // a half sample at the end stays as it is
  auto exact = std::make_unique<std::uint8_t[]>(lying.size());
  std::memcpy(exact.get(), lying.data(), lying.size());
  ScaleSamples(exact.get(), lying.size(), 5);
  std::vector<std::uint8_t> result(exact.get(), exact.get() + lying.size());
  EXPECT_EQ(SampleAt(result, 0), 500);
  EXPECT_EQ(SampleAt(result, 2), 500);
  EXPECT_EQ(result.back(), 0x55);

  // A header claiming fewer samples than loaded leaves the rest alone.
  auto shortHeader = FakeFiles::Wave({1000, 1000});
  const std::uint32_t oneSample = 2;
  std::memcpy(shortHeader.data() + 40, &oneSample, 4);
  ScaleSamples(shortHeader.data(), shortHeader.size(), 5);
  EXPECT_EQ(SampleAt(shortHeader, 0), 500);
  EXPECT_EQ(SampleAt(shortHeader, 1), 1000);

  // Shorter than a header: nothing to scale, nothing touched.
  std::vector<std::uint8_t> stub(10, 0xAA);
  ScaleSamples(stub.data(), stub.size(), 11);
  EXPECT_EQ(stub, std::vector<std::uint8_t>(10, 0xAA));
}

TEST(SoundBuffer, GrowsOnlyForLargerFilesInWholePages) {
  test::FakeSoundMemory memory;
  {
    SoundBuffer buffer(memory);
    std::uint8_t* first = buffer.Reserve(5000);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(buffer.capacity(), 8192u);
    EXPECT_EQ(buffer.Reserve(8192), first);
    EXPECT_EQ(buffer.Reserve(100), first);
    EXPECT_EQ(memory.allocations, std::vector<std::size_t>{8192});

    ASSERT_NE(buffer.Reserve(8193), nullptr);
    EXPECT_EQ(buffer.capacity(), 12288u);
    EXPECT_EQ(memory.live.size(), 1u);  // the smaller one was given back
  }
  EXPECT_TRUE(memory.live.empty());
  EXPECT_FALSE(memory.freedWithWrongSize);
}

TEST(SoundBuffer, FailedAllocationLeavesAnEmptyBuffer) {
  test::FakeSoundMemory memory;
  SoundBuffer buffer(memory);
  ASSERT_NE(buffer.Reserve(100), nullptr);
  memory.failAllocations = true;
  EXPECT_EQ(buffer.Reserve(10000), nullptr);
  EXPECT_EQ(buffer.capacity(), 0u);
  EXPECT_EQ(buffer.data(), nullptr);
  memory.failAllocations = false;
  EXPECT_NE(buffer.Reserve(10), nullptr);
  EXPECT_EQ(buffer.Reserve(static_cast<std::size_t>(-1)), nullptr);  // cannot be rounded up
}

class FeedbackSoundPlayerTest : public ::testing::Test {
 protected:
  FeedbackSoundPlayerTest() {
    config_ = std::make_unique<ConfigRecord>();
    config_->CurrentProfile = 1;
    config_->profiles[1].SoundVolume = 4;
  }

  test::FakeSoundOutput output_;
  test::FakeSoundMemory memory_;
  test::FakeFiles files_;
  std::unique_ptr<ConfigRecord> config_;
};

TEST_F(FeedbackSoundPlayerTest, LoadsScalesAndPlaysFromTheReusedBuffer) {
  files_.files["C:\\O\\Wave\\Volume\\go.wav"] = {FakeFiles::Wave({30000, 100}), std::nullopt};
  files_.files["C:\\O\\Wave\\Volume\\1600.wav"] = {FakeFiles::Wave({100}), std::nullopt};
  files_.anyPathIsWave = false;
  FeedbackSoundPlayer player(output_, memory_, files_, *config_, "C:\\O\\");

  player.PlayFeedbackSound(0);
  ASSERT_EQ(output_.played.size(), 1u);
  EXPECT_EQ(output_.purges, 1);
  EXPECT_EQ(SampleAt(output_.played[0], 0), 32767);
  EXPECT_EQ(SampleAt(output_.played[0], 1), 110);

  config_->profiles[1].SoundVolume = 7;  // counts as level 2
  player.PlayFeedbackSound(1600);
  ASSERT_EQ(output_.played.size(), 2u);
  EXPECT_EQ(SampleAt(output_.played[1], 0), 70);
  EXPECT_EQ(output_.playedFrom[0], output_.playedFrom[1]);
  EXPECT_EQ(memory_.allocations.size(), 1u);
  EXPECT_EQ(output_.playedPaths,
            (std::vector<std::string>{"C:\\O\\Wave\\Volume\\go.wav", "C:\\O\\Wave\\Volume\\1600.wav"}));
}

TEST_F(FeedbackSoundPlayerTest, MissingFileOrNumberStopsTheSoundAndPlaysNothing) {
  files_.anyPathIsWave = false;
  files_.files["C:\\O\\Wave\\Volume\\go.wav"] = {FakeFiles::Wave({1000}), std::nullopt};
  FeedbackSoundPlayer player(output_, memory_, files_, *config_, "C:\\O\\");
  player.PlayFeedbackSound(0);
  const std::vector<std::uint8_t> before(player.buffer().data(), player.buffer().data() + 46);

  player.PlayFeedbackSound(150);  // no file for it
  player.PlayFeedbackSound(800);  // its file is missing
  EXPECT_EQ(output_.purges, 3);
  EXPECT_EQ(output_.played.size(), 1u);
  EXPECT_EQ(std::vector<std::uint8_t>(player.buffer().data(), player.buffer().data() + 46), before);
}

TEST_F(FeedbackSoundPlayerTest, DamagedFilesAreHandledSafely) {
  files_.anyPathIsWave = false;
  auto wave = FakeFiles::Wave({1000, 1000});
  // Claims more bytes than it holds: only what was read is scaled and played.
  files_.files["C:\\O\\Wave\\Volume\\go.wav"] = {wave, 4096};
  // Too short for a header, and absurdly large: neither is played.
  files_.files["C:\\O\\Wave\\Volume\\1_second.wav"] = {std::vector<std::uint8_t>(20, 1), std::nullopt};
  files_.files["C:\\O\\Wave\\Volume\\2_seconds.wav"] = {wave, std::uint64_t{1} << 40};
  config_->CurrentProfile = -5;  // no current profile: level 2
  FeedbackSoundPlayer player(output_, memory_, files_, *config_, "C:\\O\\");

  player.PlayFeedbackSound(0);
  ASSERT_EQ(output_.played.size(), 1u);
  EXPECT_EQ(output_.played[0].size(), wave.size());
  EXPECT_EQ(SampleAt(output_.played[0], 1), 700);

  player.PlayFeedbackSound(1);
  player.PlayFeedbackSound(2);
  EXPECT_EQ(output_.played.size(), 1u);
  EXPECT_EQ(memory_.allocations.size(), 1u);
}

}  // namespace
}  // namespace orvix
