#include "Preferences/PSPageItem.h"

#include <array>
#include <utility>

#include "Foundation/Overloaded.h"

namespace {

constexpr std::array<std::pair<const char*, PSSpecifier::Cell>, 11> kCells{{
    {"PSGroupCell", PSSpecifier::Cell::Group},
    {"PSSwitchCell", PSSpecifier::Cell::Switch},
    {"PSLinkListCell", PSSpecifier::Cell::LinkList},
    {"PSLinkCell", PSSpecifier::Cell::Link},
    {"PSButtonCell", PSSpecifier::Cell::Button},
    {"PSEditTextCell", PSSpecifier::Cell::EditText},
    {"PSSecureEditTextCell", PSSpecifier::Cell::SecureText},
    {"PSSliderCell", PSSpecifier::Cell::Slider},
    {"PSSegmentCell", PSSpecifier::Cell::Segment},
    {"PSStaticTextCell", PSSpecifier::Cell::StaticText},
    {"PSTitleValueCell", PSSpecifier::Cell::TitleValue},
}};

std::optional<double> numeric(const PlistValue& value) {
  return value.visit(Overloaded{
      [](bool flag) { return std::optional<double>(flag ? 1 : 0); },
      [](std::int64_t number) { return std::optional<double>(static_cast<double>(number)); },
      [](double number) { return std::optional<double>(number); },
      [](const auto&) { return std::optional<double>(); },
  });
}

const PlistValue::Array& arrayOr(const PlistValue* value) {
  static const PlistValue::Array kNone;
  return value && value->asArray() ? *value->asArray() : kNone;
}

}  // namespace

std::optional<PSSpecifier> PSSpecifier::fromDictionary(const PlistValue& item) {
  const auto* fields = item.asDictionary();
  if (!fields) return std::nullopt;
  PSSpecifier specifier;
  specifier.properties_ = *fields;
  specifier.label_ = specifier.property("label");
  specifier.cell_ = Cell::Unknown;
  for (const auto& [name, kind] : kCells) {
    if (specifier.cellName() == name) specifier.cell_ = kind;
  }
  return specifier;
}

std::string PSSpecifier::property(const char* name) const {
  const auto* found = value(name);
  return found && found->asString() ? *found->asString() : std::string();
}

const PlistValue* PSSpecifier::value(const char* name) const {
  const auto found = properties_.find(name);
  return found == properties_.end() ? nullptr : &found->second;
}

void PSSpecifier::setProperty(const std::string& name, PlistValue value) {
  properties_[name] = std::move(value);
}

bool PSSpecifier::flag(const char* name, bool fallback) const {
  const auto* found = value(name);
  return found ? found->boolValue().value_or(fallback) : fallback;
}

double PSSpecifier::number(const char* name, double fallback) const {
  const auto* found = value(name);
  return found ? numeric(*found).value_or(fallback) : fallback;
}

std::string PSSpecifier::identifier() const {
  const std::string id = property("id");
  return id.empty() ? label_ : id;
}

const PlistValue::Array& PSSpecifier::values() const {
  return arrayOr(value("validValues"));
}

const PlistValue::Array& PSSpecifier::titles() const {
  return arrayOr(value("validTitles"));
}

bool PSSpecifier::sameValue(const PlistValue& one, const PlistValue& other) {
  const auto left = numeric(one);
  const auto right = numeric(other);
  if (left && right) return *left == *right;
  return one == other;
}

std::optional<std::size_t> PSSpecifier::indexOfValue(const PlistValue& choice) const {
  const auto& all = values();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (sameValue(all[i], choice)) return i;
  }
  return std::nullopt;
}

std::string PSSpecifier::titleOfValue(const PlistValue& choice, bool shortTitle) const {
  const auto at = indexOfValue(choice);
  const auto& shortTitles = arrayOr(value("shortTitles"));
  if (at && shortTitle && *at < shortTitles.size() && shortTitles[*at].asString()) {
    return *shortTitles[*at].asString();
  }
  if (at && *at < titles().size() && titles()[*at].asString()) return *titles()[*at].asString();
  return choice.asString() ? *choice.asString() : std::string();
}
