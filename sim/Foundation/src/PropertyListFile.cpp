#include "Foundation/PropertyListFile.h"

#include <algorithm>

#include "Foundation/NSFileManager.h"
#include "PlistCodec.h"
#include "PlistDepthScan.h"
#include "PlistText.h"
#include "SimDevice/DeviceRoot.h"

namespace {

template <class T>
std::optional<T> failed(NSError* error, std::string_view path, const std::string& why) {
  if (error) error->localizedDescription = DeviceRoot::resolve(path).string() + " " + why;
  return std::nullopt;
}

std::optional<PlistValue> readRoot(std::string_view path, NSError* error) {
  const auto bytes =
      NSFileManager::defaultManager().contentsAtPath(path, plist_codec::kMaxBytes, error);
  if (!bytes) return std::nullopt;
  auto root = plist_codec::parse(*bytes);
  if (!root) return failed<PlistValue>(error, path, "is not a property list this system reads");
  return root;
}

bool allTextIsUtf8(const PlistValue& value) {
  if (const auto* text = value.asString()) return plist_text::isUtf8(*text);
  if (const auto* items = value.asArray()) {
    return std::all_of(items->begin(), items->end(), allTextIsUtf8);
  }
  if (const auto* entries = value.asDictionary()) {
    return std::all_of(entries->begin(), entries->end(), [](const auto& entry) {
      return plist_text::isUtf8(entry.first) && allTextIsUtf8(entry.second);
    });
  }
  return true;
}

// Why `xml`, written for `root`, would not read back as `root`; empty when it would.
std::string unreadable(const PlistValue& root, const std::string& xml) {
  if (xml.empty()) return "cannot be made into a property list";
  if (xml.size() > plist_codec::kMaxBytes) {
    return "would be " + std::to_string(xml.size()) + " bytes, over the " +
           std::to_string(plist_codec::kMaxBytes) + " a property list may hold";
  }
  if (!plist_depth::xmlWithin(xml, plist_codec::kMaxDepth)) {
    return "would nest deeper than the " + std::to_string(plist_codec::kMaxDepth) +
           " levels a property list may hold";
  }
  // Our reader would take bytes that are not UTF-8; a file declared as UTF-8 must not hold them.
  if (!allTextIsUtf8(root)) return "would hold text that is not UTF-8";
  const auto back = plist_codec::parse(xml);
  if (!back || *back != root) {
    return "would not read back as written: a value holds what a property list cannot keep "
           "(a NUL, say)";
  }
  return {};
}

}  // namespace

std::optional<PlistValue::Dictionary> PropertyListFile::readDictionary(std::string_view path,
                                                                       NSError* error) {
  auto root = readRoot(path, error);
  if (!root) return std::nullopt;
  auto dictionary = std::move(*root).takeDictionary();
  if (!dictionary) return failed<PlistValue::Dictionary>(error, path, "is not a dictionary");
  return dictionary;
}

std::optional<PlistValue::Array> PropertyListFile::readArray(std::string_view path,
                                                             NSError* error) {
  auto root = readRoot(path, error);
  if (!root) return std::nullopt;
  auto array = std::move(*root).takeArray();
  if (!array) return failed<PlistValue::Array>(error, path, "is not an array");
  return array;
}

bool PropertyListFile::write(const PlistValue& root, std::string_view path, NSError* error) {
  const std::string xml = plist_codec::toXml(root);
  if (const auto why = unreadable(root, xml); !why.empty()) {
    return failed<bool>(error, path, why).value_or(false);
  }
  return NSFileManager::defaultManager().createFileAtPath(path, xml, error);
}

std::optional<PlistValue> PropertyListFile::parse(std::string_view bytes) {
  return plist_codec::parse(bytes);
}

std::string PropertyListFile::xmlData(const PlistValue& root) {
  return plist_codec::toXml(root);
}
