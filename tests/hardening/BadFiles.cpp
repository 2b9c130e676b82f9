#include "hardening/BadFiles.h"

#include <cstdint>
#include <random>

#include "support/PlistFixture.h"

namespace fx = plist_fixture;

std::string categoryListOf(int entries, int visible) {
  auto list = fx::array({});
  for (int i = 0; i < entries; ++i) {
    plist_array_append_item(list.get(), fx::entry("Ringtone", "Ringtone", i < visible));
  }
  return fx::xml(list);
}

namespace {

void appendBigEndian(std::string& out, std::uint64_t value, int bytes) {
  for (int b = bytes - 1; b >= 0; --b) out += char((value >> (8 * b)) & 0xff);
}

// A binary plist of `objects` (already encoded, in order) with 4-byte refs and offsets,
// object 0 at the top; `tableOffsetShift` misplaces the offset table.
std::string bplist(const std::vector<std::string>& objects, std::int64_t tableOffsetShift = 0) {
  std::string out = "bplist00";
  std::vector<std::uint64_t> offsets;
  for (const auto& object : objects) {
    offsets.push_back(out.size());
    out += object;
  }
  const std::uint64_t table = out.size();
  for (const auto offset : offsets) appendBigEndian(out, offset, 4);
  std::string trailer(6, '\0');
  trailer += char(4);
  trailer += char(4);
  appendBigEndian(trailer, offsets.size(), 8);
  appendBigEndian(trailer, 0, 8);
  appendBigEndian(trailer, table + static_cast<std::uint64_t>(tableOffsetShift), 8);
  return out + trailer;
}

std::string arrayOf(std::uint32_t ref) {
  std::string object(1, char(0xA1));
  appendBigEndian(object, ref, 4);
  return object;
}

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::string out(size, '\0');
  for (auto& c : out) c = static_cast<char>(generator() & 0xff);
  return out;
}

std::string bplistWithNestedArrays(int depth) {
  std::vector<std::string> objects;
  for (int i = 0; i < depth; ++i) objects.push_back(arrayOf(std::uint32_t(i + 1)));
  objects.push_back(std::string(1, char(0x08)));  // false
  return bplist(objects);
}

std::string xmlWithNestedArrays(int depth) {
  std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\">";
  xml.reserve(static_cast<std::size_t>(depth) * 15 + 64);
  for (int i = 0; i < depth; ++i) xml += "<array>";
  for (int i = 0; i < depth; ++i) xml += "</array>";
  return xml + "</plist>";
}

std::vector<BadFile> makeCatalogue() {
  using Reads = BadFile::Reads;
  const std::string validList = fx::xml(fx::array({fx::entry("Ringtone", "Ring", true)}));
  std::string cyclic = bplist({arrayOf(1), arrayOf(0)});
  std::string refOutOfRange = bplist({arrayOf(7)});
  std::string tableOutOfRange = bplist({arrayOf(1), std::string(1, char(0x09))}, 1000);
  std::string fooledByComments = "<?xml version=\"1.0\"?><plist>";
  for (int i = 0; i < 400; ++i) fooledByComments += "<array><!-- </array> -->";
  std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaa\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
      "]><plist><array><string>&c;&c;&c;</string></array></plist>";
  std::string overSizeLimit = "<?xml version=\"1.0\"?><plist><array>";
  overSizeLimit.append(std::size_t(32) << 20, ' ');
  overSizeLimit += "</array></plist>";
  std::string withNul = validList;
  withNul.insert(withNul.find("Ring"), std::string("\0\0", 2));

  return {
      {"empty file", "", Reads::Nothing},
      {"whitespace only", "   \n\t  ", Reads::Nothing},
      {"truncated XML", validList.substr(0, validList.size() / 2), Reads::Nothing},
      {"XML with a NUL inside (the string ends there)", withNul, Reads::Array},
      {"binary garbage", randomBytes(4096, 7), Reads::Nothing},
      {"bplist header then garbage", "bplist00" + randomBytes(200, 11), Reads::Nothing},
      {"bplist with its offset table out of range", tableOutOfRange, Reads::Nothing},
      {"bplist with a reference out of range", refOutOfRange, Reads::Nothing},
      {"bplist with a reference cycle", cyclic, Reads::Nothing},
      {"bplist string holding a NUL (read cut short, a rewrite would lose the rest)",
       bplist({arrayOf(1), "\x53" + std::string("a\0b", 3)}), Reads::Nothing},
      {"bplist nested 100,000 arrays deep", bplistWithNestedArrays(100000), Reads::Nothing},
      {"XML nested 300 arrays deep", xmlWithNestedArrays(300), Reads::Nothing},
      {"XML nested a million arrays deep", xmlWithNestedArrays(1000000), Reads::Nothing},
      {"XML whose comments hide closing tags", fooledByComments, Reads::Nothing},
      {"a valid list of 2 MB, one entry shown", categoryListOf(20000, 1), Reads::Array},
      {"a list over 32 MiB", overSizeLimit, Reads::Nothing},
      {"UTF-16 with a lone surrogate", std::string("\xFF\xFE<\0?\0x\0\x00\xD8<\0", 12),
       Reads::Nothing},
      {"entity expansion (billion laughs)", laughs, Reads::Nothing},
      {"XML root that is a string", fx::xml(fx::Node(plist_new_string("just text"))),
       Reads::Scalar},
      {"XML root that is a number", fx::xml(fx::Node(plist_new_uint(42))), Reads::Scalar},
      {"root of the other container kind (dictionary)",
       fx::xml(fx::dict({{"Ringtone", plist_new_bool(1)}})), Reads::Dictionary},
      {"root of the other container kind (array)",
       fx::xml(fx::array({fx::entry("Ringtone", "Ring", true)})), Reads::Array},
      {"format directives in strings",
       fx::xml(fx::dict({{"selectedSkin", plist_new_string("%@%n%s%x%%")}})), Reads::Dictionary},
      {"invalid UTF-8 in strings",
       fx::xml(fx::array({fx::entry("Ringtone", "bad \xff\xfe\xc3 bytes", true)})), Reads::Array},
      {"integer too large for 64 bits",
       "<?xml version=\"1.0\"?><plist><dict><key>textColor</key>"
       "<integer>99999999999999999999999</integer></dict></plist>",
       Reads::Dictionary},
      {"nan and infinity",
       "<?xml version=\"1.0\"?><plist><dict><key>textColor</key><real>nan</real>"
       "<key>thumbTintColor</key><real>inf</real></dict></plist>",
       Reads::Dictionary},
  };
}

}  // namespace

const std::vector<BadFile>& badFileCatalogue() {
  static const std::vector<BadFile> catalogue = makeCatalogue();
  return catalogue;
}
