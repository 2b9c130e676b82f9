#include "Preferences/PSPageItem.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, PSSpecifier::Cell>, 5> kCells{{
    {"PSGroupCell", PSSpecifier::Cell::Group},
    {"PSSwitchCell", PSSpecifier::Cell::Switch},
    {"PSLinkListCell", PSSpecifier::Cell::LinkList},
    {"PSLinkCell", PSSpecifier::Cell::Link},
    {"PSButtonCell", PSSpecifier::Cell::Button},
}};

}  // namespace

std::optional<PSSpecifier> PSSpecifier::fromDictionary(const PlistValue& item) {
  const auto* fields = item.asDictionary();
  const auto* cell = item.objectForKey("cell");
  if (!fields || !cell || !cell->asString()) return std::nullopt;
  for (const auto& [name, kind] : kCells) {
    if (*cell->asString() != name) continue;
    PSSpecifier specifier;
    specifier.cell_ = kind;
    specifier.properties_ = *fields;
    specifier.label_ = specifier.property("label");
    return specifier;
  }
  return std::nullopt;
}

std::string PSSpecifier::property(const char* name) const {
  const auto* found = value(name);
  return found && found->asString() ? *found->asString() : std::string();
}

const PlistValue* PSSpecifier::value(const char* name) const {
  const auto found = properties_.find(name);
  return found == properties_.end() ? nullptr : &found->second;
}

std::string PSSpecifier::titleOfValue(const PlistValue& choice) const {
  const auto* values = value("validValues");
  const auto* titles = value("validTitles");
  if (values && titles && values->asArray() && titles->asArray()) {
    const auto& all = *values->asArray();
    for (std::size_t i = 0; i < all.size() && i < titles->asArray()->size(); ++i) {
      const auto* title = (*titles->asArray())[i].asString();
      if (all[i] == choice && title) return *title;
    }
  }
  return choice.asString() ? *choice.asString() : std::string();
}
