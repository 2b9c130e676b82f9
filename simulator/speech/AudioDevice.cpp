#include "speech/AudioDevice.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr Uint16 kChunk = 1024;  // samples SDL hands its device at a time

// ALSA prints its own complaints on stderr when the host has no sound card; the one line
// `open` answers says the same.
class QuietStderr {
 public:
  QuietStderr() : saved_(::dup(STDERR_FILENO)) {
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
      ::dup2(null, STDERR_FILENO);
      ::close(null);
    }
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

}  // namespace

AudioDevice::~AudioDevice() {
  if (!device_) return;
  SDL_CloseAudioDevice(device_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Result<std::string> AudioDevice::open(int sampleRate) {
  if (device_) return std::string(SDL_GetCurrentAudioDriver());
  const QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return fail(std::string("no audio device: ") + SDL_GetError());
  }
  SDL_AudioSpec wanted{};
  wanted.freq = sampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = kChunk;
  SDL_AudioSpec got{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
  if (!device_) {
    const std::string why = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return fail("no audio device: " + why);
  }
  SDL_PauseAudioDevice(device_, 0);
  return std::string(SDL_GetCurrentAudioDriver());
}

void AudioDevice::play(const std::vector<std::int16_t>& samples) {
  if (!device_ || samples.empty()) return;
  SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size() * sizeof samples[0]));
}

void AudioDevice::stop() {
  if (device_) SDL_ClearQueuedAudio(device_);
}
