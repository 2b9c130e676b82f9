#include "PlistCodec.h"

#include "Foundation/Overloaded.h"

#include "PlistDepthScan.h"
#include "PlistText.h"

#include <plist/plist.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

namespace plist_codec {
namespace {

struct NodeDeleter {
  void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

struct MallocDeleter {
  void operator()(char* text) const { std::free(text); }
};
using MallocText = std::unique_ptr<char, MallocDeleter>;

std::optional<PlistValue> fromNode(plist_t node, int depth);

std::optional<PlistValue> fromArray(plist_t node, int depth) {
  PlistValue::Array items;
  const uint32_t count = plist_array_get_size(node);
  items.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    auto item = fromNode(plist_array_get_item(node, i), depth + 1);
    if (!item) return std::nullopt;
    items.push_back(std::move(*item));
  }
  return PlistValue(std::move(items));
}

std::optional<PlistValue> fromDictionary(plist_t node, int depth) {
  PlistValue::Dictionary entries;
  plist_dict_iter iter = nullptr;
  plist_dict_new_iter(node, &iter);
  const std::unique_ptr<void, void (*)(void*)> iterOwner(iter, std::free);
  for (;;) {
    char* rawKey = nullptr;
    plist_t value = nullptr;
    plist_dict_next_item(node, iter, &rawKey, &value);
    const MallocText key(rawKey);
    if (!key || !value) break;
    auto converted = fromNode(value, depth + 1);
    if (!converted) return std::nullopt;
    entries.insert_or_assign(key.get(), std::move(*converted));
  }
  return PlistValue(std::move(entries));
}

std::optional<PlistValue> fromScalar(plist_t node) {
  switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
      uint8_t flag = 0;
      plist_get_bool_val(node, &flag);
      return PlistValue(flag != 0);
    }
    case PLIST_UINT:
    case PLIST_UID: {
      // libplist keeps every integer as 64 unsigned bits; plists carry signed ones.
      uint64_t bits = 0;
      plist_get_uint_val(node, &bits);
      return PlistValue(static_cast<std::int64_t>(bits));
    }
    case PLIST_REAL: {
      double number = 0;
      plist_get_real_val(node, &number);
      return PlistValue(number);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
      uint64_t length = 0;
      const char* text = plist_get_string_ptr(node, &length);
      return PlistValue(std::string(text ? text : "", text ? length : 0));
    }
    case PLIST_DATA: {
      uint64_t length = 0;
      const char* bytes = plist_get_data_ptr(node, &length);
      const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes);
      return PlistValue(bytes ? PlistValue::Data(begin, begin + length) : PlistValue::Data());
    }
    case PLIST_DATE: {
      int32_t seconds = 0;
      int32_t micros = 0;
      plist_get_date_val(node, &seconds, &micros);
      return PlistValue(PlistValue::Date{seconds + micros / 1e6});
    }
    default:
      return std::nullopt;
  }
}

std::optional<PlistValue> fromNode(plist_t node, int depth) {
  if (node == nullptr || depth > kMaxDepth) return std::nullopt;
  switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
      return fromArray(node, depth);
    case PLIST_DICT:
      return fromDictionary(node, depth);
    default:
      return fromScalar(node);
  }
}

Node toNode(const PlistValue& value);

Node arrayNode(const PlistValue::Array& items) {
  Node array(plist_new_array());
  for (const auto& item : items) plist_array_append_item(array.get(), toNode(item).release());
  return array;
}

Node dictionaryNode(const PlistValue::Dictionary& entries) {
  Node dict(plist_new_dict());
  for (const auto& [key, item] : entries) {
    plist_dict_set_item(dict.get(), key.c_str(), toNode(item).release());
  }
  return dict;
}

Node dateNode(PlistValue::Date date) {
  // libplist keeps whole seconds in 32 bits; dates beyond that are pinned to its range.
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  const double seconds = std::isnan(date.secondsSinceReferenceDate)
                             ? 0.0
                             : std::clamp(date.secondsSinceReferenceDate, kMin, kMax);
  const double whole = std::trunc(seconds);
  return Node(
      plist_new_date(static_cast<int32_t>(whole), static_cast<int32_t>((seconds - whole) * 1e6)));
}

Node toNode(const PlistValue& value) {
  return value.visit(Overloaded{
      [](const std::string& text) { return Node(plist_new_string(text.c_str())); },
      [](bool flag) { return Node(plist_new_bool(flag ? 1 : 0)); },
      [](std::int64_t number) { return Node(plist_new_uint(static_cast<uint64_t>(number))); },
      [](double number) { return Node(plist_new_real(number)); },
      [](const PlistValue::Data& bytes) {
        return Node(plist_new_data(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      },
      [](PlistValue::Date date) { return dateNode(date); },
      [](const PlistValue::Array& items) { return arrayNode(items); },
      [](const PlistValue::Dictionary& entries) { return dictionaryNode(entries); },
  });
}

}  // namespace

std::optional<PlistValue> parse(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > kMaxBytes) return std::nullopt;
  const bool binary = bytes.starts_with("bplist00");
  auto text = binary ? std::optional<std::string>() : plist_text::asUtf8(bytes);
  if (!binary && !text) return std::nullopt;
  if (text) text = plist_text::decimalIntegers(*text);
  const std::string_view plist = binary ? bytes : std::string_view(*text);
  if (binary ? !plist_depth::binaryWithin(plist, kMaxDepth)
             : !plist_depth::xmlWithin(plist, kMaxDepth)) {
    return std::nullopt;
  }
  plist_t raw = nullptr;
  plist_from_memory(plist.data(), static_cast<uint32_t>(plist.size()), &raw);
  const Node root(raw);
  return fromNode(root.get(), 0);
}

std::string toXml(const PlistValue& root) {
  const Node node = toNode(root);
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(node.get(), &xml, &length);
  const MallocText owner(xml);
  return xml ? std::string(xml, length) : std::string();
}

}  // namespace plist_codec
