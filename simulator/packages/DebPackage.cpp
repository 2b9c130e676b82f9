#include "packages/DebPackage.h"

#include <algorithm>
#include <fstream>

#include "common/ChildProgram.h"
#include "common/DisplayText.h"

namespace {

constexpr std::string_view kArMagic = "!<arch>\n";
constexpr std::string_view kFirstMember = "debian-binary";
constexpr char kDpkgDeb[] = "dpkg-deb";

// An "ar" archive whose first member is "debian-binary", as every .deb starts.
Result<> looksLikeADeb(const std::filesystem::path& file) {
  // Never opened unless a regular file: a FIFO or a device would hold the reader.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return fail(std::filesystem::exists(file, error) ? "it is not a regular file" : "no such file");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail("cannot open it");
  std::string start(kArMagic.size() + kFirstMember.size(), '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  if (std::size_t(in.gcount()) < start.size() || !start.starts_with(kArMagic) ||
      start.substr(kArMagic.size()) != kFirstMember) {
    return fail("it is not a Debian package (.deb)");
  }
  return Ok{};
}

// dpkg-deb's answer, or what it said was wrong, on one line.
Result<std::string> dpkgDeb(const std::vector<std::string>& args, std::size_t limit) {
  std::vector<std::string> words{kDpkgDeb};
  words.insert(words.end(), args.begin(), args.end());
  const auto ran = ChildProgram::run(words, DebPackage::kLongestRead, limit);
  if (!ran) return ran.failure();
  if (ran->exitStatus == 0) return ran->out;
  // Its message may run over two lines (where, then what): one line here.
  std::string why = ran->err;
  while (!why.empty() && why.back() == '\n') why.pop_back();
  std::replace(why.begin(), why.end(), '\n', ' ');
  if (why.starts_with("dpkg-deb: error: ")) why.erase(0, 17);
  return fail(why.empty() ? std::string(kDpkgDeb) + " failed" : why);
}

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace

bool DebPackage::isPackageName(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
  };
  return name.size() >= 2 && name.front() != '.' && std::all_of(name.begin(), name.end(), allowed);
}

Result<DebPackage> DebPackage::read(const std::filesystem::path& file) {
  const auto because = [&](const std::string& why) {
    return fail("cannot read " + display_text::quoted(file.string()) + ": " + why);
  };
  if (auto deb = looksLikeADeb(file); !deb) return because(deb.error());
  DebPackage package;
  const auto name = dpkgDeb({"--field", file.string(), "Package"}, 4096);
  if (!name) return because(name.error());
  const auto version = dpkgDeb({"--field", file.string(), "Version"}, 4096);
  if (!version) return because(version.error());
  package.name = trimmed(*name);
  package.version = trimmed(*version);
  if (!isPackageName(package.name)) return because("its control names no package");
  const auto data = dpkgDeb({"--fsys-tarfile", file.string()}, kLargestData);
  if (!data) return because(data.error());
  auto entries = readTarEntries(*data);
  if (!entries) return because(entries.error());
  package.entries = std::move(*entries);
  return package;
}
