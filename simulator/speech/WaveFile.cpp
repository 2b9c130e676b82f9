#include "speech/WaveFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace wave_file {

namespace {

constexpr std::size_t kHeader = 44;
constexpr int kMostFiles = 9999;

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xff);
}

void put16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xff);
  out += static_cast<char>(value >> 8);
}

std::uint32_t get32(const std::string& in, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(in[at + i]);
  return value;
}

std::uint16_t get16(const std::string& in, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) |
                                    (static_cast<unsigned char>(in[at + 1]) << 8));
}

std::string encoded(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // one channel
  put32(out, static_cast<std::uint32_t>(sampleRate));
  put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  put16(out, 2);
  put16(out, 16);
  out += "data";
  put32(out, dataBytes);
  for (const auto sample : samples) put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

std::string errorText() {
  return std::strerror(errno);
}

}  // namespace

Result<std::filesystem::path> writeNext(const std::filesystem::path& folder,
                                        const std::vector<std::int16_t>& samples, int sampleRate) {
  const std::string bytes = encoded(samples, sampleRate);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return fail("cannot open " + folder.string() + ": " + errorText());
  for (int number = 1; number <= kMostFiles; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d.wav", number);
    const int fd = ::openat(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      const auto why = errorText();
      ::close(dir);
      return fail("cannot make " + (folder / name).string() + ": " + why);
    }
    const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
    const auto why = errorText();
    const bool closed = ::close(fd) == 0;
    ::close(dir);
    if (wrote != static_cast<ssize_t>(bytes.size()) || !closed) {
      return fail("cannot write " + (folder / name).string() + ": " + why);
    }
    return folder / name;
  }
  ::close(dir);
  return fail(folder.string() + " holds " + std::to_string(kMostFiles) + " utterances already");
}

Result<Wave> read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail("cannot read " + file.string());
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < kHeader || bytes.compare(0, 4, "RIFF") != 0 ||
      bytes.compare(8, 8, "WAVEfmt ") != 0 || get16(bytes, 20) != 1 || get16(bytes, 22) != 1 ||
      get16(bytes, 34) != 16 || bytes.compare(36, 4, "data") != 0) {
    return fail(file.string() + " is not a 16-bit mono WAVE file");
  }
  const std::uint32_t dataBytes = get32(bytes, 40);
  if (dataBytes % 2 != 0 || dataBytes > bytes.size() - kHeader) {
    return fail(file.string() + " is cut short");
  }
  Wave wave;
  wave.sampleRate = static_cast<int>(get32(bytes, 24));
  for (std::size_t at = kHeader; at < kHeader + dataBytes; at += 2) {
    wave.samples.push_back(static_cast<std::int16_t>(get16(bytes, at)));
  }
  return wave;
}

}  // namespace wave_file
