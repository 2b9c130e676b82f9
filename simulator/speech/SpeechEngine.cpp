#include "speech/SpeechEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>

// An utterance as espeak-ng's thread makes it. Nothing here is shared but through the atomics:
// the samples are espeak-ng's to write until `made`, the main thread's after.
struct SpeechUtterance {
  std::vector<std::int16_t> samples;
  std::atomic<bool> begun{false};      // espeak-ng's thread has called back for it
  std::atomic<bool> made{false};       // its last call back is done
  std::atomic<bool> abandoned{false};  // a newer one took its place: stop making it
};

namespace {

// How much audio espeak-ng hands over at a time.
constexpr int kBufferMs = 100;
constexpr char kVoice[] = "en";

// On espeak-ng's thread: the utterance's samples so far, then its end. One no longer wanted is
// stopped at its next call (a 1 answered), rather than waited for with espeak_Cancel, which
// holds the caller until espeak-ng's thread pauses.
int heard(short* wave, int count, espeak_EVENT* events) {
  auto* utterance = events ? static_cast<SpeechUtterance*>(events->user_data) : nullptr;
  if (!utterance) return 1;
  utterance->begun.store(true, std::memory_order_release);
  if (utterance->abandoned.load(std::memory_order_acquire)) return 1;
  if (wave && count > 0) utterance->samples.insert(utterance->samples.end(), wave, wave + count);
  for (auto* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
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

SpeechEngine::~SpeechEngine() = default;

Result<> SpeechEngine::ready() const {
  if (!why_.empty()) return fail(why_);
  return Ok{};
}

Result<> SpeechEngine::start(const std::string& text) {
  if (auto ok = ready(); !ok) return ok;
  cancel();
  forgetDone();
  utterances_.push_back(std::make_unique<SpeechUtterance>());
  current_ = utterances_.back().get();
  const espeak_ERROR said = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                         espeakCHARS_UTF8, nullptr, current_);
  if (said != EE_OK) {
    // Never queued: espeak-ng's thread will not call back for it.
    utterances_.pop_back();
    current_ = nullptr;
    return fail("espeak-ng refused the text (error " + std::to_string(said) + ")");
  }
  return Ok{};
}

void SpeechEngine::cancel() {
  if (current_) current_->abandoned.store(true, std::memory_order_release);
  current_ = nullptr;
}

// espeak-ng makes one utterance after another: once a later one has begun, the earlier ones are
// no longer its.
void SpeechEngine::forgetDone() {
  const auto latest = std::find_if(utterances_.rbegin(), utterances_.rend(), [](const auto& each) {
    return each->begun.load(std::memory_order_acquire);
  });
  if (latest == utterances_.rend()) return;
  utterances_.erase(utterances_.begin(), std::prev(latest.base()));
}

std::optional<std::vector<std::int16_t>> SpeechEngine::finished() {
  if (!current_ || !current_->made.load(std::memory_order_acquire)) return std::nullopt;
  auto samples = std::move(current_->samples);
  current_ = nullptr;
  return samples;
}
