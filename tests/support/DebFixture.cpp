#include "support/DebFixture.h"

#include <cstdio>
#include <cstring>

namespace deb_fixture {

namespace {

void put(std::string& header, std::size_t at, const std::string& text) {
  header.replace(at, text.size(), text);
}

std::string octal(unsigned long value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*lo", width - 1, value);
  return text;
}

std::string tarHeader(const Member& member) {
  std::string header(512, '\0');
  put(header, 0, member.name);
  put(header, 100, octal(member.mode, 8));
  put(header, 108, octal(0, 8));
  put(header, 116, octal(0, 8));
  put(header, 124, octal(member.bytes.size(), 12));
  put(header, 136, octal(0, 12));
  put(header, 148, std::string(8, ' '));
  header[156] = member.type;
  put(header, 157, member.link);
  put(header, 257,
      std::string("ustar\0"
                  "00",
                  8));
  unsigned sum = 0;
  for (const unsigned char c : header) sum += c;
  put(header, 148, octal(sum, 7));
  return header;
}

std::string arMember(const std::string& name, const std::string& bytes) {
  char header[61];
  std::snprintf(header, sizeof header, "%-16s%-12d%-6d%-6d%-8s%-10zu`\n", name.c_str(), 0, 0, 0,
                "100644", bytes.size());
  std::string out(header, 60);
  out += bytes;
  if (bytes.size() % 2) out += '\n';
  return out;
}

}  // namespace

std::string tar(const std::vector<Member>& members) {
  std::string out;
  for (const auto& member : members) {
    out += tarHeader(member) + member.bytes;
    out += std::string((512 - member.bytes.size() % 512) % 512, '\0');
  }
  return out + std::string(1024, '\0');
}

std::string deb(const std::string& package, const std::vector<Member>& data) {
  const std::string control = "Package: " + package +
                              "\nVersion: 1.0\nArchitecture: all\nMaintainer: Test "
                              "<test@example.invalid>\nDescription: a test\n";
  return "!<arch>\n" + arMember("debian-binary", "2.0\n") +
         arMember("control.tar",
                  tar({{"./", '5', "", "", 0755}, {"./control", '0', control, "", 0644}})) +
         arMember("data.tar", tar(data));
}

}  // namespace deb_fixture
