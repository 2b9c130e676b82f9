#pragma once

#include <string>
#include <vector>

// Debian packages made byte by byte, as a hostile or broken one could be: an "ar" archive of
// "debian-binary", an uncompressed control.tar and an uncompressed data.tar.
namespace deb_fixture {

struct Member {
  std::string name;  // as the tar stream holds it ("./a/b", "../x", "/abs")
  char type = '0';   // '0' a file, '5' a folder, '2' a symbolic link
  std::string bytes;
  std::string link;  // a link's target
  unsigned mode = 0644;
};

std::string tar(const std::vector<Member>& members);
std::string deb(const std::string& package, const std::vector<Member>& data);

}  // namespace deb_fixture
