#include "speech/Speaker.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "speech/SpeechEngine.h"
#include "speech/WaveFile.h"

namespace {

// How often the run loop looks in while espeak-ng makes an utterance.
constexpr std::chrono::milliseconds kLookEvery{5};

}  // namespace

Speaker::~Speaker() {
  finish();
}

Result<std::string> Speaker::toAudio() {
  chosen_ = true;
  auto& engine = SpeechEngine::shared();
  if (auto ok = engine.ready(); !ok) return ok.failure();
  stop();
  auto opened = audio_.open(engine.sampleRate());
  if (!opened) return opened.failure();
  output_ = Output::Audio;
  return describe();
}

Result<std::string> Speaker::toFiles(const std::filesystem::path& folder) {
  chosen_ = true;
  if (auto ok = SpeechEngine::shared().ready(); !ok) return ok.failure();
  if (folder.empty()) return fail("no folder given for the speech files");
  std::error_code error;
  if (std::filesystem::is_symlink(folder, error) && !std::filesystem::exists(folder, error)) {
    return fail(folder.string() + " is a link to nothing");
  }
  if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
    return fail(folder.string() + " is not a folder");
  }
  std::filesystem::create_directories(folder, error);  // as many as are missing, or none
  if (error) return fail("cannot make " + folder.string() + ": " + error.message());
  // Each file is made when its utterance ends: a folder it cannot be made in is said now.
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return fail("cannot write in " + folder.string() + ": " + std::strerror(errno));
  }
  stop();
  folder_ = folder;
  output_ = Output::Files;
  return describe();
}

void Speaker::silent() {
  chosen_ = true;
  stop();
  output_ = Output::Silent;
}

std::string Speaker::describe() const {
  switch (output_) {
    case Output::Audio:
      return "speech: the audio device";
    case Output::Files:
      return "speech: files in " + folder_.string();
    case Output::Silent:
      break;
  }
  return "speech: printed only";
}

void Speaker::speak(const std::string& text) {
  stop();
  if (output_ == Output::Silent || text.empty()) return;
  if (auto started = SpeechEngine::shared().start(text); !started) {
    error_ = started.error();
    return;
  }
  phase_ = Phase::Making;
  timer_ = CFRunLoop::main().addRepeatingTimer(kLookEvery, [this] {
    look();
    return phase_ == Phase::Making;
  });
}

// Made: it plays from now, and ends when its length has gone by.
void Speaker::look() {
  auto made = SpeechEngine::shared().finished();
  if (!made) return;
  samples_ = std::move(*made);
  phase_ = Phase::Playing;
  playedFrom_ = std::chrono::steady_clock::now();
  audio_.play(samples_);
  const auto rate = SpeechEngine::shared().sampleRate();
  const auto length = std::chrono::milliseconds(samples_.size() * 1000 / rate);
  timer_ = CFRunLoop::main().addTimer(length, [this] {
    timer_.reset();
    ended(samples_.size());
  });
}

void Speaker::cancelTimer() {
  if (timer_) CFRunLoop::main().cancelTimer(*timer_);
  timer_.reset();
}

// As much as a person heard: all of it, or what played before it was cut short.
void Speaker::ended(std::size_t played) {
  phase_ = Phase::Idle;
  samples_.resize(std::min(played, samples_.size()));
  if (output_ == Output::Files) {
    if (auto written = wave_file::writeNext(folder_, samples_, SpeechEngine::shared().sampleRate());
        !written) {
      error_ = written.error();
    }
  }
  samples_.clear();
}

void Speaker::stop() {
  cancelTimer();
  switch (phase_) {
    case Phase::Idle:
      return;
    case Phase::Making:
      SpeechEngine::shared().cancel();
      samples_.clear();
      ended(0);
      return;
    case Phase::Playing: {
      audio_.stop();
      const auto elapsed = std::chrono::steady_clock::now() - playedFrom_;
      const auto rate = SpeechEngine::shared().sampleRate();
      ended(static_cast<std::size_t>(
          std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * rate / 1000000));
      return;
    }
  }
}

void Speaker::finish() {
  cancelTimer();
  if (phase_ == Phase::Making) {
    // Still being made: it is wholly made in moments, and then plays to its end.
    for (int tries = 0; tries < 400 && phase_ == Phase::Making; ++tries) {
      if (auto made = SpeechEngine::shared().finished()) {
        samples_ = std::move(*made);
        phase_ = Phase::Playing;
      } else {
        ::usleep(5000);
      }
    }
    if (phase_ == Phase::Making) {
      SpeechEngine::shared().cancel();
      error_ = "espeak-ng did not finish the utterance in 2 s";
    }
  }
  if (phase_ == Phase::Playing) ended(samples_.size());
  phase_ = Phase::Idle;
}
