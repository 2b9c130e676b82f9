#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Result.h"

struct SpeechUtterance;

// espeak-ng in this process: one utterance at a time, synthesised on the library's own thread
// while the run loop goes on; nothing here waits for that thread. A new utterance cuts short
// the one being made.
class SpeechEngine {
 public:
  // Made on first use; espeak-ng ends with the process.
  static SpeechEngine& shared();
  ~SpeechEngine();
  SpeechEngine(const SpeechEngine&) = delete;
  SpeechEngine& operator=(const SpeechEngine&) = delete;

  // Whether espeak-ng started, and why not.
  Result<> ready() const;
  int sampleRate() const { return sampleRate_; }

  Result<> start(const std::string& text);
  void cancel();
  // The utterance's samples (16-bit, mono) once it is wholly made; none while it is being made
  // or when there is none.
  std::optional<std::vector<std::int16_t>> finished();

 private:
  SpeechEngine();
  void forgetDone();

  int sampleRate_ = 0;
  std::string why_;
  // Those espeak-ng may still call back for, oldest first; the one wanted last.
  std::vector<std::unique_ptr<SpeechUtterance>> utterances_;
  SpeechUtterance* current_ = nullptr;
};
