#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Foundation/PlistValue.h"

// The bridge to libplist: bytes to values and values to XML.
namespace plist_codec {

// Deeper nesting than this is not a property list the system could have written: no result.
inline constexpr int kMaxDepth = 256;

std::optional<PlistValue> parse(std::string_view bytes);
std::string toXml(const PlistValue& root);

}  // namespace plist_codec
