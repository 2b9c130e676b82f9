#include "PlistDepthScan.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace plist_depth {
namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == ':';
}

// Position just past `terminator` at or after `from`; npos when it never comes.
std::size_t skipPast(std::string_view text, std::size_t from, std::string_view terminator) {
  const auto at = text.find(terminator, from);
  return at == std::string_view::npos ? at : at + terminator.size();
}

}  // namespace

bool xmlWithin(std::string_view xml, int maxDepth) {
  int depth = 0;
  for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at)) {
    const std::string_view rest = xml.substr(at);
    if (rest.starts_with("<!--")) {
      at = skipPast(xml, at + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
      at = skipPast(xml, at + 9, "]]>");
    } else if (rest.starts_with("<?")) {
      at = skipPast(xml, at + 2, "?>");
    } else if (rest.starts_with("<!")) {
      at = skipPast(xml, at + 2, ">");
    } else {
      const bool closing = rest.size() > 1 && rest[1] == '/';
      std::size_t nameEnd = closing ? 2 : 1;
      while (nameEnd < rest.size() && isNameChar(rest[nameEnd])) ++nameEnd;
      const std::string_view name = rest.substr(closing ? 2 : 1, nameEnd - (closing ? 2 : 1));
      const std::size_t close = xml.find('>', at);
      if (close == std::string_view::npos) return true;  // truncated: the parser refuses it
      const bool selfClosing = close > at && xml[close - 1] == '/';
      if (name == "array" || name == "dict") {
        if (closing) {
          --depth;
        } else if (!selfClosing && ++depth > maxDepth) {
          return false;
        }
      }
      at = close + 1;
    }
    if (at == std::string_view::npos) return true;
  }
  return true;
}

namespace {

std::optional<std::uint64_t> bigEndian(std::string_view bytes, std::size_t at, std::size_t size) {
  if (size == 0 || size > 8 || at > bytes.size() || bytes.size() - at < size) return std::nullopt;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value = (value << 8) | std::uint8_t(bytes[at + i]);
  return value;
}

struct BinaryPlist {
  std::string_view bytes;
  std::size_t offsetSize = 0;
  std::size_t refSize = 0;
  std::uint64_t objects = 0;
  std::uint64_t top = 0;
  std::uint64_t tableAt = 0;

  static std::optional<BinaryPlist> open(std::string_view bytes) {
    if (bytes.size() < 8 + 32) return std::nullopt;
    BinaryPlist plist{bytes};
    const std::size_t trailer = bytes.size() - 32;
    plist.offsetSize = std::uint8_t(bytes[trailer + 6]);
    plist.refSize = std::uint8_t(bytes[trailer + 7]);
    const auto objects = bigEndian(bytes, trailer + 8, 8);
    const auto top = bigEndian(bytes, trailer + 16, 8);
    const auto table = bigEndian(bytes, trailer + 24, 8);
    if (!objects || !top || !table || *top >= *objects || plist.offsetSize == 0 ||
        plist.offsetSize > 8 || plist.refSize == 0 || plist.refSize > 8 || *table > trailer ||
        *objects > (trailer - *table) / plist.offsetSize) {
      return std::nullopt;
    }
    plist.objects = *objects;
    plist.top = *top;
    plist.tableAt = *table;
    return plist;
  }

  // The objects a container refers to (keys and values alike); none for scalars.
  std::optional<std::vector<std::uint64_t>> children(std::uint64_t object) const {
    const auto offset = bigEndian(bytes, tableAt + object * offsetSize, offsetSize);
    if (!offset || *offset >= tableAt) return std::nullopt;
    const unsigned kind = std::uint8_t(bytes[*offset]) >> 4;
    // libplist cuts a string short at a NUL: read so, the rest would be lost at the next write.
    if ((kind == 0x5 || kind == 0x6) && !nulFreeText(*offset)) return std::nullopt;
    if (kind != 0xA && kind != 0xC && kind != 0xD) return std::vector<std::uint64_t>();
    const auto contents = payload(*offset);
    if (!contents) return std::nullopt;
    const auto [at, count] = *contents;
    const std::uint64_t refs = kind == 0xD ? count * 2 : count;
    if (count > bytes.size() || refs > (bytes.size() - at) / refSize) return std::nullopt;
    std::vector<std::uint64_t> result;
    result.reserve(refs);
    for (std::uint64_t i = 0; i < refs; ++i) {
      const auto ref = bigEndian(bytes, at + i * refSize, refSize);
      if (!ref || *ref >= objects) return std::nullopt;
      if (kind == 0xD && i < count && !isKey(*ref)) return std::nullopt;
      result.push_back(*ref);
    }
    return result;
  }

  // Where an object's payload starts and how many units (items, bytes, characters) it has.
  std::optional<std::pair<std::size_t, std::uint64_t>> payload(std::size_t at) const {
    std::uint64_t count = std::uint8_t(bytes[at]) & 0x0F;
    ++at;
    if (count == 0x0F) {  // the count follows as an integer object
      if (at >= bytes.size() || (std::uint8_t(bytes[at]) >> 4) != 0x1) return std::nullopt;
      const std::size_t size = std::size_t(1) << (std::uint8_t(bytes[at]) & 0x0F);
      const auto longCount = bigEndian(bytes, at + 1, size);
      if (!longCount) return std::nullopt;
      count = *longCount;
      at += 1 + size;
    }
    return std::make_pair(at, count);
  }

  // libplist 2.2 aborts on a dictionary key that is not a string, or that holds a NUL.
  bool isKey(std::uint64_t object) const {
    const auto offset = bigEndian(bytes, tableAt + object * offsetSize, offsetSize);
    if (!offset || *offset >= tableAt) return false;
    const unsigned kind = std::uint8_t(bytes[*offset]) >> 4;
    return (kind == 0x5 || kind == 0x6) && nulFreeText(*offset);
  }

  // An ASCII (0x5) or UTF-16 (0x6) string object whose characters are all there and none NUL.
  bool nulFreeText(std::size_t offset) const {
    const unsigned kind = std::uint8_t(bytes[offset]) >> 4;
    const auto text = payload(offset);
    if (!text) return false;
    const auto [at, characters] = *text;
    const std::uint64_t unit = kind == 0x5 ? 1 : 2;
    if (characters > (tableAt - std::min<std::uint64_t>(at, tableAt)) / unit) return false;
    for (std::uint64_t i = 0; i < characters; ++i) {
      const std::size_t first = at + i * unit;
      const bool nul = unit == 1 ? bytes[first] == 0 : (bytes[first] == 0 && bytes[first + 1] == 0);
      if (nul) return false;
    }
    return true;
  }
};

}  // namespace

bool binaryWithin(std::string_view bplist, int maxDepth) {
  const auto plist = BinaryPlist::open(bplist);
  if (!plist) return false;
  // Longest path by depth-first search with an explicit stack; each object's own height is
  // remembered, so shared sub-trees are walked once.
  enum : std::uint8_t { kUnseen, kOnStack, kDone };
  std::vector<std::uint8_t> state(plist->objects, kUnseen);
  std::vector<int> height(plist->objects, 0);
  struct Frame {
    std::uint64_t object;
    std::vector<std::uint64_t> children;
    std::size_t next = 0;
  };
  std::vector<Frame> stack;
  const auto enter = [&](std::uint64_t object) {
    auto children = plist->children(object);
    if (!children) return false;
    state[object] = kOnStack;
    stack.push_back(Frame{object, std::move(*children)});
    return static_cast<int>(stack.size()) <= maxDepth + 1;
  };
  if (!enter(plist->top)) return false;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.children.size()) {
      state[frame.object] = kDone;
      const int own = frame.children.empty() ? 0 : height[frame.object];
      stack.pop_back();
      if (!stack.empty()) {
        int& parent = height[stack.back().object];
        parent = std::max(parent, own + 1);
      }
      continue;
    }
    const std::uint64_t child = frame.children[frame.next++];
    if (state[child] == kOnStack) return false;  // a cycle
    if (state[child] == kDone) {
      height[frame.object] = std::max(height[frame.object], height[child] + 1);
    } else if (!enter(child)) {
      return false;
    }
  }
  return height[plist->top] <= maxDepth;
}

}  // namespace plist_depth
