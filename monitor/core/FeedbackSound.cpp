#include "core/FeedbackSound.h"

#include <algorithm>
#include <utility>

#include "core/SoundFiles.h"

namespace orvix {

FeedbackSoundPlayer::FeedbackSoundPlayer(SoundOutputPort& output, SoundMemoryPort& memory, FileReaderPort& files,
                                         const ConfigRecord& config, std::string installFolder)
    : output_(output), files_(files), config_(config), installFolder_(std::move(installFolder)), buffer_(memory) {}

FeedbackSoundPlayer::~FeedbackSoundPlayer() {
  if (buffer_.data() != nullptr) output_.Purge();
}

void FeedbackSoundPlayer::PlayFeedbackSound(int number) {
  output_.Purge();
  const std::string path = SoundFilePath(installFolder_, number);
  if (path.empty()) return;

  const ProfileRecord* profile = CurrentProfileRecord(config_);
  const int tenths = VolumeTenths(profile != nullptr ? profile->SoundVolume : -1);

  const auto file = files_.Open(path);
  if (!file) return;
  const std::uint64_t length = file->Length();
  if (length < kWaveHeaderSize || length > kMaxSoundFileSize) return;
  std::uint8_t* wave = buffer_.Reserve(static_cast<std::size_t>(length));
  if (wave == nullptr) return;
  const std::size_t wanted = static_cast<std::size_t>(length);
  const std::size_t loaded = std::min(file->Read(wave, wanted), wanted);
  if (loaded < kWaveHeaderSize) return;

  ScaleSamples(wave, loaded, tenths);
  output_.Play(wave, loaded, path);
}

}  // namespace orvix
