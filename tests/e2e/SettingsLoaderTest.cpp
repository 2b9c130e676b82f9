#include <gtest/gtest.h>

#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/ExamplePageItems.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace ex = example_page_items;
using Dictionary = PlistValue::Dictionary;
using Array = PlistValue::Array;

constexpr char kLoader[] = "/Library/PreferenceLoader/Preferences/";

// Loader entries as other tweaks' packages leave them: in subfolders, named otherwise than
// labelled, simple and bundled, one whose bundle is gone and one for a later system.
class SettingsLoaderTest : public ::testing::Test {
 protected:
  SettingsLoaderTest() {
    ex::installBundle();
    entry("Example/Battery.plist", {{"entry", Dictionary{{"cell", "PSLinkCell"},
                                                         {"label", "Battery"},
                                                         {"bundle", ex::kBundleName},
                                                         {"isController", true}}}});
    entry("Alarms.plist", simple("Alarms"));
    entry("Aardvark.plist", simple("Zebra"));
    entry("Long.plist",
          simple("Zz Long Long Long Long Long Long Long Long Long Long Long Long Long"));
    entry("zz/deeper/Ghost.plist",
          {{"entry", Dictionary{{"cell", "PSLinkCell"}, {"label", "Ghost"}, {"bundle", "Gone"}}}});
    Dictionary later = simple("Future");
    later.emplace("filter", Dictionary{{"CoreFoundationVersion", Array{9999.0}}});
    entry("Future.plist", later);
  }
  static Dictionary simple(const char* label) {
    return Dictionary{
        {"entry", Dictionary{{"cell", "PSLinkCell"}, {"label", label}}},
        {"title", label},
        {"items", Array{Dictionary{{"cell", "PSSwitchCell"},
                                   {"label", std::string(label) + " On"},
                                   {"key", "on"},
                                   {"defaults", "com.example.simple"}}}},
    };
  }
  void entry(const std::string& name, Dictionary plist) {
    root.prepare(kLoader + name);
    ASSERT_TRUE(PropertyListFile::write(PlistValue(std::move(plist)), kLoader + name));
  }
  ProgramRun sim(const std::string& script, const std::vector<std::string>& options = {}) {
    return runSim(root.path().string(), script, options);
  }
  TempDeviceRoot root;
};

std::size_t at(const std::string& text, const std::string& part) {
  return text.find(part);
}

TEST_F(SettingsLoaderTest, EntriesAreListedByLabelFromEveryFolder) {
  const auto run = sim("launch Settings\nshow\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto& out = run.out;
  ASSERT_NE(at(out, "| Zebra  >"), std::string::npos) << out;
  EXPECT_LT(at(out, "| Alarms  >"), at(out, "| Battery  >")) << out;
  EXPECT_LT(at(out, "| Battery  >"), at(out, "| Orbelle 2  >")) << out;
  EXPECT_LT(at(out, "| Orbelle 2  >"), at(out, "| Zebra  >")) << out;
  EXPECT_LT(at(out, "| Zebra  >"), at(out, "| Zz Long Long")) << out;
  const std::string longRow =
      out.substr(at(out, "| Zz Long"), out.find('\n', at(out, "| Zz Long")) - at(out, "| Zz Long"));
  EXPECT_TRUE(longRow.ends_with("\u2026  >")) << "cut at the tail, as it is seen: " << longRow;
  EXPECT_FALSE(contains(out, "Ghost")) << "its bundle is not installed";
  EXPECT_FALSE(contains(out, "Future")) << "its filter asks for a later system";
  EXPECT_TRUE(contains(run.err, "Future.plist left out: its filter asks for another system"));
  EXPECT_TRUE(contains(run.err,
                       "zz/deeper/Ghost.plist left out: no bundle at "
                       "/Library/PreferenceBundles/Gone.bundle/"))
      << run.err;
}

// A simple entry opens the framework's page on its own items; a bundled one its controller's,
// with the rows this model has the capabilities for.
TEST_F(SettingsLoaderTest, SimpleAndBundledEntriesOpenTheirPages) {
  const auto simpleRun = sim("launch Settings\ntap 187 165\nshow\n");
  EXPECT_TRUE(contains(simpleRun.out, "| Alarms On  [off]")) << simpleRun.out;
  const std::string scrolled = "launch Settings\ntap 187 209\nshow\nswipe 187 600 187 200\nshow\n";
  const auto phone = sim(scrolled);
  EXPECT_TRUE(contains(phone.out, "| Theme (Dark)  >")) << "the controller's data sources";
  EXPECT_TRUE(contains(phone.out, "| Position  [*Left|Right]")) << phone.out;
  EXPECT_TRUE(contains(phone.out, "| Cellular  [off]")) << phone.out;
  EXPECT_FALSE(contains(phone.out, "Split View")) << phone.out;
  const auto pad = sim(scrolled, {"--device", "iPad7,5"});
  EXPECT_TRUE(contains(pad.out, "| Split View  [off]")) << pad.out;
  EXPECT_FALSE(contains(pad.out, "Cellular")) << pad.out;
}

}  // namespace
