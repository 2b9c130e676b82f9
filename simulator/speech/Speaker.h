#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CoreFoundation/CFRunLoop.h"
#include "common/Result.h"
#include "speech/AudioDevice.h"

// VoiceOver's voice: each utterance made by espeak-ng beside the run loop, then played on the
// host's audio device, or written to a folder as the audio a person would have heard (the whole
// utterance, or as much as played before the next one cut it short), or neither. Nothing here
// waits: the run loop looks in on the utterance while it is made and when it ends.
class Speaker {
 public:
  enum class Output { Silent, Audio, Files };

  Speaker() = default;
  ~Speaker();
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // Where speech goes from now on; what plays is cut short first.
  Result<std::string> toAudio();
  Result<std::string> toFiles(const std::filesystem::path& folder);
  void silent();
  Output output() const { return output_; }
  // Whether a voice was chosen, by one of the three above.
  bool chosen() const { return chosen_; }
  std::string describe() const;

  // Cuts short what is being said, then says `text`.
  void speak(const std::string& text);
  void stop();
  bool speaking() const { return phase_ != Phase::Idle; }
  // Made, and heard now.
  bool playing() const { return phase_ == Phase::Playing; }
  // What went wrong with an utterance since it was last asked (the latest), if anything.
  std::string takeError() { return std::exchange(error_, {}); }
  // The utterance plays to its end at once (its file written whole): for a script that quits.
  void finish();

 private:
  enum class Phase { Idle, Making, Playing };
  void look();
  void ended(std::size_t played);
  void cancelTimer();

  Output output_ = Output::Silent;
  bool chosen_ = false;
  std::filesystem::path folder_;
  AudioDevice audio_;
  Phase phase_ = Phase::Idle;
  std::vector<std::int16_t> samples_;
  std::chrono::steady_clock::time_point playedFrom_{};
  std::optional<CFRunLoop::TimerId> timer_;
  std::string error_;
};
