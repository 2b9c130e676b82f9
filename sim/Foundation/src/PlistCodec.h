#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Foundation/PlistValue.h"

// The bridge to libplist: bytes to values and values to XML.
namespace plist_codec {

// Larger or deeper than this is not a property list the system reads (preferences, a category
// list, Activator's assignments): no result, before libplist is ever asked. The size bounds
// the memory a read takes; the depth, the stack libplist's recursion takes.
inline constexpr int kMaxDepth = 256;
inline constexpr std::size_t kMaxBytes = std::size_t(32) << 20;

std::optional<PlistValue> parse(std::string_view bytes);
std::string toXml(const PlistValue& root);

}  // namespace plist_codec
