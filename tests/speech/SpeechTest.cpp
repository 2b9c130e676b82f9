#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "CoreFoundation/CFRunLoop.h"
#include "speech/Speaker.h"
#include "speech/WaveFile.h"
#include "support/TempDeviceRoot.h"

namespace {

using std::chrono::milliseconds;

constexpr char kShort[] = "Close";
constexpr char kLong[] =
    "Audio and video, through the speaker, fifty percent, adjustable. Swipe up or down with one "
    "finger to adjust the value.";

// The run loop turns until `done`, for ten seconds at most.
bool runUntil(const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done() && std::chrono::steady_clock::now() < until) {
    CFRunLoop::main().runFor(milliseconds(5), true);
  }
  return done();
}

double rms(const std::vector<std::int16_t>& samples) {
  double sum = 0;
  for (const auto sample : samples) sum += double(sample) * sample;
  return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

class SpeechTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(speaker.toFiles(folder)) << "espeak-ng and its data"; }
  wave_file::Wave heard(int number) const {
    char name[16];
    std::snprintf(name, sizeof name, "%04d.wav", number);
    auto wave = wave_file::read(folder / name);
    EXPECT_TRUE(wave) << wave.error();
    return wave ? *wave : wave_file::Wave{};
  }

  TempDeviceRoot root;
  std::filesystem::path folder = root.path() / "speech";
  Speaker speaker;
};

// What VoiceOver says is real speech: audio that is not silence, longer for a longer text, and
// the run loop goes on while espeak-ng makes it.
TEST_F(SpeechTest, EspeakNgMakesAudioThatIsNotSilenceAndGrowsWithTheText) {
  speaker.speak(kShort);
  EXPECT_TRUE(speaker.speaking()) << "speak returns at once";
  ASSERT_TRUE(runUntil([&] { return !speaker.speaking(); }));
  speaker.speak(kLong);
  ASSERT_TRUE(runUntil([&] { return speaker.playing(); }));
  speaker.finish();  // written whole, without its seconds of playing
  EXPECT_EQ(speaker.takeError(), "");

  const auto close = heard(1);
  const auto sentence = heard(2);
  EXPECT_EQ(close.sampleRate, 22050);
  EXPECT_GT(close.samples.size(), 2205u) << "a word lasts more than a tenth of a second";
  EXPECT_GT(rms(close.samples), 300) << "not silence";
  EXPECT_GT(rms(sentence.samples), 300);
  EXPECT_GT(sentence.samples.size(), 5 * close.samples.size()) << "a sentence outlasts a word";
}

// A new utterance cuts the old short, as VoiceOver does: what was written of the old one is what
// played before the next began.
TEST_F(SpeechTest, ANewUtteranceCutsTheOneSpeakingShort) {
  speaker.speak(kLong);
  ASSERT_TRUE(runUntil([&] { return speaker.playing(); }));
  const auto from = std::chrono::steady_clock::now();
  runUntil([&] { return std::chrono::steady_clock::now() - from > milliseconds(300); });
  speaker.speak(kShort);
  ASSERT_TRUE(runUntil([&] { return !speaker.speaking(); }));

  const auto cut = heard(1);
  EXPECT_GT(cut.samples.size(), 22050u / 10) << "it played for 300 ms";
  EXPECT_LT(cut.samples.size(), 22050u * 2) << "and not on to its end, some seconds on";
  EXPECT_GT(heard(2).samples.size(), 2205u) << "the new one whole";
  EXPECT_FALSE(std::filesystem::exists(folder / "0003.wav"));
}

// The files are new every time: one already there, or a link in its place, is passed over and
// left as it was; what is not a whole 16-bit mono WAVE file is refused.
TEST_F(SpeechTest, AFileIsNeverWrittenOverNorThroughALink) {
  const auto elsewhere = root.path() / "elsewhere.txt";
  std::ofstream(elsewhere) << "keep";
  std::filesystem::create_symlink(elsewhere, folder / "0001.wav");
  std::ofstream(folder / "0002.wav") << "mine";
  const std::vector<std::int16_t> samples(100, 1000);
  const auto written = wave_file::writeNext(folder, samples, 22050);
  ASSERT_TRUE(written) << written.error();
  EXPECT_EQ(written->filename(), "0003.wav");
  std::ifstream kept(elsewhere);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");
  EXPECT_EQ(heard(3).samples, samples);

  EXPECT_FALSE(wave_file::read(folder / "0002.wav"));
  std::filesystem::resize_file(*written, 44 + 50);
  const auto cut = wave_file::read(*written);
  ASSERT_FALSE(cut);
  EXPECT_NE(cut.error().find("cut short"), std::string::npos) << cut.error();
  EXPECT_FALSE(wave_file::writeNext(root.path() / "none" / "deeper", samples, 22050));
}

// A folder for the files is made with what is missing above it; what cannot hold them is
// refused when chosen, not found out utterance by utterance.
TEST_F(SpeechTest, AFolderThatCannotHoldTheFilesIsRefusedWhenChosen) {
  EXPECT_TRUE(speaker.toFiles(root.path() / "a" / "b" / "c"));
  EXPECT_TRUE(std::filesystem::is_directory(root.path() / "a" / "b" / "c"));
  std::ofstream(root.path() / "plain") << "a file";
  const auto file = speaker.toFiles(root.path() / "plain");
  ASSERT_FALSE(file);
  EXPECT_NE(file.error().find("is not a folder"), std::string::npos) << file.error();
  std::filesystem::create_symlink(root.path() / "gone", root.path() / "dangling");
  const auto dangling = speaker.toFiles(root.path() / "dangling");
  ASSERT_FALSE(dangling);
  EXPECT_NE(dangling.error().find("a link to nothing"), std::string::npos) << dangling.error();
  EXPECT_FALSE(std::filesystem::exists(root.path() / "gone")) << "nothing made through it";
  EXPECT_FALSE(speaker.toFiles(""));
  EXPECT_EQ(speaker.describe(), "speech: files in " + (root.path() / "a" / "b" / "c").string())
      << "a refused folder leaves the one chosen before";
}

}  // namespace
