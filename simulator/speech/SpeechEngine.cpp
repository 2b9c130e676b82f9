#include "speech/SpeechEngine.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>

struct SpeechUtterance {
  std::vector<std::int16_t> samples;  // written by espeak-ng's thread until `made`
  std::atomic<bool> made{false};
};

namespace {

// The utterance espeak-ng's thread is making, for its callback.
std::atomic<SpeechUtterance*> making{nullptr};

// How much audio espeak-ng hands over at a time.
constexpr int kBufferMs = 100;
constexpr char kVoice[] = "en";

// On espeak-ng's thread: the utterance's samples so far, then its end.
int heard(short* wave, int count, espeak_EVENT* events) {
  SpeechUtterance* utterance = making.load(std::memory_order_acquire);
  if (!utterance) return 1;  // nothing asked for: stop
  if (wave && count > 0) utterance->samples.insert(utterance->samples.end(), wave, wave + count);
  for (auto* event = events; event && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type == espeakEVENT_MSG_TERMINATED) {
      utterance->made.store(true, std::memory_order_release);
    }
  }
  return 0;
}

}  // namespace

// Never destroyed: a speaker that outlives the statics may still ask it to stop. espeak-ng's
// thread ends with the process.
SpeechEngine& SpeechEngine::shared() {
  static auto* engine = new SpeechEngine();
  return *engine;
}

SpeechEngine::SpeechEngine() {
  // Retrieval: espeak-ng's thread makes the audio and hands it here; what plays it is ours.
  sampleRate_ = espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, kBufferMs, nullptr, 0);
  if (sampleRate_ <= 0) {
    why_ = "espeak-ng did not start (is espeak-ng-data installed?)";
    return;
  }
  espeak_SetSynthCallback(&heard);
  if (espeak_SetVoiceByName(kVoice) != EE_OK) why_ = "espeak-ng has no voice \"en\"";
}

Result<> SpeechEngine::ready() const {
  if (!why_.empty()) return fail(why_);
  return Ok{};
}

Result<> SpeechEngine::start(const std::string& text) {
  if (auto ok = ready(); !ok) return ok;
  cancel();
  current_ = std::make_unique<SpeechUtterance>();
  making.store(current_.get(), std::memory_order_release);
  const espeak_ERROR said = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                         espeakCHARS_UTF8, nullptr, nullptr);
  if (said != EE_OK) {
    cancel();
    return fail("espeak-ng refused the text (error " + std::to_string(said) + ")");
  }
  return Ok{};
}

// espeak-ng's thread is done with the utterance once espeak_Cancel returns.
void SpeechEngine::cancel() {
  if (!current_) return;
  if (!current_->made.load(std::memory_order_acquire)) espeak_Cancel();
  making.store(nullptr, std::memory_order_release);
  current_.reset();
}

std::optional<std::vector<std::int16_t>> SpeechEngine::finished() {
  if (!current_ || !current_->made.load(std::memory_order_acquire)) return std::nullopt;
  auto samples = std::move(current_->samples);
  making.store(nullptr, std::memory_order_release);
  current_.reset();
  return samples;
}
