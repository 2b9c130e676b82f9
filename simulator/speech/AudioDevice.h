#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Result.h"

// The host's audio output, through SDL: mono 16-bit samples queued to play, and cleared when an
// utterance is cut short. Open only where the host has an audio device.
class AudioDevice {
 public:
  AudioDevice() = default;
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // The device's name once open.
  Result<std::string> open(int sampleRate);
  bool isOpen() const { return device_ != 0; }
  void play(const std::vector<std::int16_t>& samples);
  void stop();

 private:
  std::uint32_t device_ = 0;
};
