#include "support/ExamplePageItems.h"

#include <filesystem>

#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"

namespace example_page_items {
namespace {

using Dictionary = PlistValue::Dictionary;
using Array = PlistValue::Array;

Dictionary stored(const char* cell, const char* label, const char* key, PlistValue fallback) {
  return Dictionary{{"cell", cell},        {"label", label},      {"key", key},
                    {"default", fallback}, {"defaults", kDomain}, {"PostNotification", kChanged}};
}

Dictionary with(Dictionary item, Dictionary more) {
  item.merge(more);
  return item;
}

}  // namespace

PlistValue::Array items() {
  return Array{
      Dictionary{{"cell", "PSGroupCell"},
                 {"label", "General"},
                 {"footerText", "Shown in the status bar."},
                 {"footerAlignment", 1}},
      stored("PSSwitchCell", "Enabled", "enabled", true),
      with(stored("PSLinkListCell", "Style", "style", 0),
           {{"detail", "PSListItemsController"},
            {"validValues", Array{0, 1, 2}},
            {"validTitles", Array{"Outline", "Filled", "Text Only"}},
            {"shortTitles", Array{"Out", "Fill", "Text"}}}),
      with(stored("PSLinkListCell", "Theme", "theme", "dark"),
           {{"detail", "PSListItemsController"},
            {"valuesDataSource", "themeValues:"},
            {"titlesDataSource", "themeTitles:"}}),
      with(stored("PSEditTextCell", "Label", "label", ""),
           {{"placeholder", "Battery"}, {"keyboard", "default"}}),
      stored("PSSecureEditTextCell", "Passcode", "passcode", ""),
      with(stored("PSSliderCell", "Size", "size", 20.0), {{"min", 10},
                                                          {"max", 30},
                                                          {"showValue", true},
                                                          {"isSegmented", true},
                                                          {"segmentCount", 4}}),
      with(stored("PSSegmentCell", "Position", "position", "left"),
           {{"validValues", Array{"left", "right"}}, {"validTitles", Array{"Left", "Right"}}}),
      Dictionary{{"cell", "PSGroupCell"}, {"label", "About"}},
      Dictionary{{"cell", "PSStaticTextCell"}, {"label", "Version"}},
      stored("PSTitleValueCell", "Build", "build", "42"),
      Dictionary{{"cell", "PSButtonCell"},
                 {"label", "Reset"},
                 {"id", "reset"},
                 {"action", "resetAll:"},
                 {"isDestructive", true},
                 {"confirmation", Dictionary{{"prompt", "Reset every setting?"},
                                             {"okTitle", "Reset"},
                                             {"cancelTitle", "Keep"}}}},
      Dictionary{{"cell", "PSButtonCell"}, {"label", "Refresh"}, {"action", "refresh:"}},
      with(stored("PSSwitchCell", "Locked", "locked", false), {{"enabled", false}}),
      with(stored("PSSwitchCell", "Cellular", "cellular", false),
           {{"requiredCapabilities", Array{"telephony"}}}),
      with(stored("PSSwitchCell", "Split View", "split", false),
           {{"requiredCapabilities", Array{"ipad"}}, {"height", 60}}),
      Dictionary{{"cell", "PSWobbleCell"}, {"label", "Mystery"}},
      with(stored("PSSwitchCell", "Fancy", "fancy", false), {{"cellClass", "FancySwitchCell"}}),
      Dictionary{{"cell", "PSLinkCell"},
                 {"label", "Advanced"},
                 {"detail", "PSListController"},
                 {"items", Array{stored("PSSwitchCell", "Debug", "debug", false)}}},
  };
}

}  // namespace example_page_items

namespace example_page_items {

void installBundle() {
  namespace fs = std::filesystem;
  const fs::path folder = DeviceRoot::resolve(kBundleFolder);
  fs::create_directories(folder);
  fs::copy_file(EXAMPLE_PREFS_BUNDLE, folder / kBundleName, fs::copy_options::overwrite_existing);
  PropertyListFile::write(PlistValue(PlistValue::Dictionary{{"CFBundleExecutable", kBundleName},
                                                            {"NSPrincipalClass", kController}}),
                          std::string(kBundleFolder) + "Info.plist");
  PropertyListFile::write(
      PlistValue(PlistValue::Dictionary{{"title", "Battery"}, {"items", items()}}),
      std::string(kBundleFolder) + "Root.plist");
}

}  // namespace example_page_items
