#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/Result.h"

// A RIFF WAVE file of 16-bit mono samples, as a script or a test reads what was spoken.
namespace wave_file {

// Written as the next free "NNNN.wav" in `folder` (made new, never over a file or through a
// link); answers its path.
Result<std::filesystem::path> writeNext(const std::filesystem::path& folder,
                                        const std::vector<std::int16_t>& samples, int sampleRate);

struct Wave {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;
};
// Only the kind this writes: 16-bit PCM, one channel.
Result<Wave> read(const std::filesystem::path& file);

}  // namespace wave_file
