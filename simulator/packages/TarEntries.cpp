#include "packages/TarEntries.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <utility>

#include "common/DisplayText.h"

namespace {

constexpr std::size_t kBlock = 512;

// A field of a header: text up to its first NUL.
std::string_view field(std::string_view header, std::size_t at, std::size_t length) {
  const auto text = header.substr(at, length);
  return text.substr(0, std::min(text.find('\0'), text.size()));
}

// An octal number as tar writes it (spaces or NULs around it); nothing when it is not one.
std::optional<std::uint64_t> octal(std::string_view text) {
  std::uint64_t value = 0;
  bool any = false;
  for (const char c : text) {
    if (c == ' ' || c == '\0') {
      if (any) break;
      continue;
    }
    if (c < '0' || c > '7' || value > (UINT64_MAX >> 3)) return std::nullopt;
    value = value * 8 + std::uint64_t(c - '0');
    any = true;
  }
  return any ? std::optional(value) : std::nullopt;
}

bool isZeroBlock(std::string_view block) {
  return std::all_of(block.begin(), block.end(), [](char c) { return c == '\0'; });
}

// "./a/b/" becomes "a/b"; a path that is absolute or holds "..", an empty or "." part
// (other than the leading one) is no path of the package.
std::optional<std::string> packagePath(std::string name) {
  if (name.starts_with("./")) name.erase(0, 2);
  if (name == ".") name.clear();
  while (name.ends_with('/')) name.pop_back();
  if (name.empty()) return name;
  if (name.front() == '/') return std::nullopt;
  std::istringstream parts(name);
  for (std::string part; std::getline(parts, part, '/');) {
    if (part.empty() || part == "." || part == "..") return std::nullopt;
  }
  return name;
}

Failure refused(const std::string& name, const std::string& why) {
  return fail("member " + display_text::quoted(name) + " " + why);
}

}  // namespace

Result<std::vector<TarEntry>> readTarEntries(std::string_view stream) {
  std::vector<TarEntry> entries;
  std::string longName;
  std::size_t at = 0;
  while (true) {
    if (at + kBlock > stream.size()) return fail("the data ends without its end marker: cut short");
    const auto header = stream.substr(at, kBlock);
    at += kBlock;
    if (isZeroBlock(header)) return entries;
    const auto size = octal(field(header, 124, 12));
    if (!size) return fail("a member's header is damaged");
    const std::size_t padded = (*size + kBlock - 1) / kBlock * kBlock;
    if (*size > stream.size() || at + padded > stream.size()) {
      return fail("the data is cut short");
    }
    const auto body = stream.substr(at, *size);
    at += padded;
    const char type = header[156];
    if (type == 'L') {  // GNU: the next member's long name
      longName = std::string(body.substr(0, std::min(body.find('\0'), body.size())));
      continue;
    }
    std::string name = std::exchange(longName, {});
    if (name.empty()) {
      const auto prefix = field(header, 345, 155);
      name = (prefix.empty() ? "" : std::string(prefix) + "/") + std::string(field(header, 0, 100));
    }
    if (std::any_of(name.begin(), name.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7f; })) {
      return refused(name, "has a control character in its name");
    }
    const auto path = packagePath(name);
    if (!path) return refused(name, "leaves the package's root");
    const bool folder = type == '5';
    if (type == '1' || type == '2') {
      return refused(name, "is a link to " +
                               display_text::quoted(std::string(field(header, 157, 100))) +
                               ", which this device does not install");
    }
    if (!folder && type != '0' && type != '\0') return refused(name, "is not a file or a folder");
    const auto mode = octal(field(header, 100, 8));
    if (!mode) return refused(name, "has no mode");
    entries.push_back(TarEntry{*path, folder, unsigned(*mode & 07777),
                               folder ? std::string() : std::string(body)});
  }
}
