#pragma once

#include <plist/plist.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Property lists built with libplist itself, as a preferences bundle or a user would write
// them: the system under test never writes its own fixtures.
namespace plist_fixture {

struct Free {
  void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using Node = std::unique_ptr<void, Free>;

Node array(std::initializer_list<plist_t> items);  // takes ownership of the items
Node dict(std::initializer_list<std::pair<const char*, plist_t>> entries);  // likewise
// A category list entry with the three keys.
plist_t entry(const char* name, const char* pretty, bool visible);

std::string xml(const Node& root);
std::string binary(const Node& root);
// Every form Foundation reads, by name: XML in UTF-8 without and with a byte-order mark, in
// UTF-16 with one in either byte order, and binary.
std::vector<std::pair<std::string, std::string>> everyEncoding(const Node& root);

}  // namespace plist_fixture
