#include "Foundation/PropertyListFile.h"

#include "Foundation/NSFileManager.h"
#include "PlistCodec.h"

namespace {

std::optional<PlistValue> readRoot(std::string_view path) {
  const auto bytes = NSFileManager::defaultManager().contentsAtPath(path, plist_codec::kMaxBytes);
  if (!bytes) return std::nullopt;
  return plist_codec::parse(*bytes);
}

}  // namespace

std::optional<PlistValue::Dictionary> PropertyListFile::readDictionary(std::string_view path) {
  auto root = readRoot(path);
  if (!root) return std::nullopt;
  return std::move(*root).takeDictionary();
}

std::optional<PlistValue::Array> PropertyListFile::readArray(std::string_view path) {
  auto root = readRoot(path);
  if (!root) return std::nullopt;
  return std::move(*root).takeArray();
}

bool PropertyListFile::write(const PlistValue& root, std::string_view path) {
  const std::string xml = plist_codec::toXml(root);
  return !xml.empty() && NSFileManager::defaultManager().createFileAtPath(path, xml);
}

std::optional<PlistValue> PropertyListFile::parse(std::string_view bytes) {
  return plist_codec::parse(bytes);
}

std::string PropertyListFile::xmlData(const PlistValue& root) {
  return plist_codec::toXml(root);
}
