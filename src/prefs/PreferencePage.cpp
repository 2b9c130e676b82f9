#include "prefs/PreferencePage.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "orbelle2/PreferenceFiles.h"
#include "orbelle2/PreferenceKeys.h"

namespace preference_page {
namespace {

using Dictionary = PlistValue::Dictionary;
using Array = PlistValue::Array;

// A group of cells: one for each key, or, for a group that names a controller, one link to it.
struct Group {
  std::string_view label;
  std::string_view footer;
  std::vector<PreferenceKey> keys;
  std::string_view controller = {};
};

// The page from top to bottom.
const std::vector<Group>& groups() {
  using namespace preference_keys;
  static const std::vector<Group> page = {
      {"Sliders", "", {kSelectedSkin}},
      {"Colours",
       "Used by the Default iOS skin.",
       {kThumbTintColor, kTextColor, kMinimumTrackTintColor, kMaximumTrackTintColor}},
      {"Panel",
       "The ringtone and media rows follow each other while sound plays through the speaker.",
       {kDisplayPercentage, kBindRingerAndAV, kEnableBackgroundBlur}},
      {kCategoryEditorTitle,
       "Which categories the panel shows, and in what order.",
       {},
       kCategoryEditor},
      {"Troubleshooting", "Writes what the panel does to the system log.", {kEnableDebugLogging}},
  };
  return page;
}

Dictionary group(std::string_view label, std::string_view footer) {
  Dictionary cell{{"cell", "PSGroupCell"}, {"label", std::string(label)}};
  if (!footer.empty()) cell.emplace("footerText", std::string(footer));
  return cell;
}

// A cell that shows and writes one key of the preferences file.
Dictionary stored(const char* cell, std::string_view name, std::string_view title,
                  PlistValue fallback) {
  return Dictionary{
      {"cell", cell},
      {"label", std::string(title)},
      {"key", std::string(name)},
      {"default", std::move(fallback)},
      {"defaults", kPreferencesDomain},
      {"PostNotification", kPreferencesChangedNotification},
  };
}

Dictionary choices(Dictionary cell, Array values, Array titles) {
  cell.emplace("detail", "PSListItemsController");
  cell.emplace("validValues", std::move(values));
  cell.emplace("validTitles", std::move(titles));
  return cell;
}

std::string titled(std::string_view name) {
  std::string title(name);
  if (!title.empty())
    title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
  return title;
}

Dictionary specifier(const BooleanPreference& key) {
  return stored("PSSwitchCell", key.name, key.title, key.fallback);
}

Dictionary specifier(const TextPreference& key) {
  Array values;
  for (const auto value : key.choices) values.emplace_back(std::string(value));
  return choices(stored("PSLinkListCell", key.name, key.title, std::string(key.fallback)), values,
                 values);
}

Dictionary specifier(const ColorPreference& key) {
  Array values, titles;
  for (std::int64_t index = 0; index < color_index::kCount; ++index) {
    values.emplace_back(index);
    titles.emplace_back(titled(color_index::kNames[static_cast<std::size_t>(index)]));
  }
  return choices(stored("PSLinkListCell", key.name, key.title, key.fallback), std::move(values),
                 std::move(titles));
}

}  // namespace

std::string rootPlistPath() {
  return std::string(kBundleFolder) + kRootPlistName;
}

std::string infoPlistPath() {
  return std::string(kBundleFolder) + kInfoPlistName;
}

PlistValue bundleInfo() {
  return Dictionary{
      {"CFBundleExecutable", kBundleName},   {"CFBundleIdentifier", kBundleIdentifier},
      {"CFBundleName", kBundleName},         {"CFBundlePackageType", "BNDL"},
      {"NSPrincipalClass", kRootController},
  };
}

PlistValue loaderEntry() {
  return Dictionary{{"entry", Dictionary{
                                  {"cell", "PSLinkCell"},
                                  {"bundle", kBundleName},
                                  {"isController", true},
                                  {"label", kLabel},
                                  {"icon", kIconName},
                              }}};
}

PlistValue rootPage() {
  Array items;
  for (const auto& each : groups()) {
    items.emplace_back(group(each.label, each.footer));
    for (const auto& key : each.keys) {
      items.emplace_back(std::visit([](const auto& known) { return specifier(known); }, key));
    }
    if (!each.controller.empty()) {
      items.emplace_back(Dictionary{{"cell", "PSLinkCell"},
                                    {"label", std::string(each.label)},
                                    {"detail", std::string(each.controller)}});
    }
  }
  return Dictionary{{"title", kLabel}, {"items", std::move(items)}};
}

}  // namespace preference_page
