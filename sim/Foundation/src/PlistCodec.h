#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Foundation/PlistValue.h"

// The bridge to libplist: bytes to values and values to XML.
namespace plist_codec {

// Larger or deeper than this is not a property list the system reads (preferences, a category
// list, Activator's assignments): no result, before libplist is ever asked.
inline constexpr int kMaxDepth = 256;
inline constexpr std::size_t kMaxBytes = 1 << 20;

std::optional<PlistValue> parse(std::string_view bytes);
std::string toXml(const PlistValue& root);

}  // namespace plist_codec
