// PlayFeedbackSound: stop what is playing, load the sound's file into the sound buffer,
// scale it to the current profile's volume and play it from memory.
#pragma once

#include <string>

#include "ConfigRecord.h"
#include "core/MonitorPorts.h"
#include "core/SoundBuffer.h"

namespace orvix {

// Whoever plays sounds by number (the countdown, the sound timers, the trophies).
class FeedbackSounds {
 public:
  virtual ~FeedbackSounds() = default;
  virtual void PlayFeedbackSound(int number) = 0;
};

// Larger files are not sounds of ours; they are not loaded into locked memory.
inline constexpr std::uint64_t kMaxSoundFileSize = 16u << 20;

class FeedbackSoundPlayer : public FeedbackSounds {
 public:
  // `config` is read at every sound for the current profile's `SoundVolume`.
  FeedbackSoundPlayer(SoundOutputPort& output, SoundMemoryPort& memory, FileReaderPort& files,
                      const ConfigRecord& config, std::string installFolder);
  // Stops playback first: the buffer must not change under a playing sound.
  ~FeedbackSoundPlayer() override;

  // A number without a file, a missing or unreadable file, or one too short for a wave
  // header plays nothing.
  void PlayFeedbackSound(int number) override;
  void Play(int number) { PlayFeedbackSound(number); }

  const SoundBuffer& buffer() const { return buffer_; }

 private:
  SoundOutputPort& output_;
  FileReaderPort& files_;
  const ConfigRecord& config_;
  std::string installFolder_;
  SoundBuffer buffer_;
};

}  // namespace orvix
