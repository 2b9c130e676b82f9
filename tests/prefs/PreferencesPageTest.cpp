#include <gtest/gtest.h>

#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSListController.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "orbelle2/PreferenceFiles.h"
#include "prefs/PreferencePage.h"
#include "prefs/PreferenceWriter.h"
#include "support/TempDeviceRoot.h"

namespace {

// The tweak's page as the preferences framework makes it from the installed Root.plist, used
// as a person would: each cell shows its key as the panel reads it, a switch writes its key as
// it flips, and a list of choices opens a page whose tap writes the choice.
TEST(PreferencesPageTest, ThePageShowsTheStoredValuesAndWritesWhatIsChosen) {
  TempDeviceRoot root;
  installPackage("/Library/PreferenceBundles/");
  // Stored with other types than the page writes: shown as the panel reads them.
  ASSERT_TRUE(PropertyListFile::write(
      PlistValue(PlistValue::Dictionary{{"textColor", "Blue"}, {"thumbTintColor", 42}}),
      kPreferencesPath));
  const auto page = PSListController::controllerNamed("OB2RootListController");
  ASSERT_TRUE(page) << "the bundle's page, as Settings finds it by name";
  page->setBundlePath(preference_page::kBundleFolder);
  ASSERT_TRUE(page->loadSpecifiers());
  const auto navigation = UINavigationController::make(page);
  page->setNavigation(navigation);
  const auto window = std::make_shared<UIWindow>();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  EXPECT_EQ(navigation->titleLabel()->text(), "Orbelle 2");
  const auto& table = page->table();
  const auto cell = [&](NSInteger section, NSInteger row) {
    return table->cellForRowAtIndexPath({section, row});
  };
  EXPECT_EQ(cell(0, 0)->textLabel()->text(), "Skin");
  EXPECT_EQ(cell(0, 0)->detailTextLabel()->text(), "Default iOS") << "the default";
  EXPECT_EQ(cell(1, 0)->detailTextLabel()->text(), "White") << "42 is no colour: white";
  EXPECT_EQ(cell(1, 1)->detailTextLabel()->text(), "Red") << "text reads as the number 0";
  const auto percentages = std::dynamic_pointer_cast<UISwitch>(cell(2, 0)->accessoryView());
  ASSERT_TRUE(percentages);
  EXPECT_TRUE(percentages->isOn());

  auto& touches = UITouches::shared();
  const auto centre = [](const std::shared_ptr<UIView>& view) {
    const CGSize size = view->frame().size;
    return view->convertPointToView(CGPoint{size.width / 2, size.height / 2}, nullptr);
  };
  touches.tap(centre(cell(2, 1)->accessoryView()));  // the binding's switch
  EXPECT_EQ(PropertyListFile::readDictionary(kPreferencesPath)->at("bindRingerAndAV"),
            PlistValue(true));
  touches.tap(centre(cell(0, 0)));
  ASSERT_EQ(navigation->viewControllers().size(), 2u) << "the skins' page";
  EXPECT_EQ(navigation->titleLabel()->text(), "Skin");
  const auto choices =
      std::dynamic_pointer_cast<UITableView>(navigation->topViewController()->view());
  ASSERT_TRUE(choices);
  EXPECT_EQ(choices->cellForRowAtIndexPath({0, 0})->accessoryType(),
            UITableViewCellAccessoryCheckmark);
  touches.tap(centre(choices->cellForRowAtIndexPath({0, 3})));
  EXPECT_EQ(PropertyListFile::readDictionary(kPreferencesPath)->at("selectedSkin"),
            PlistValue("Metal"));
  EXPECT_EQ(choices->cellForRowAtIndexPath({0, 3})->accessoryType(),
            UITableViewCellAccessoryCheckmark);
  touches.tap(centre(navigation->backButton()));
  EXPECT_EQ(cell(0, 0)->detailTextLabel()->text(), "Metal");

  // A change made elsewhere reaches the page shown, which observes its notification itself.
  ASSERT_TRUE(PreferenceWriter::set("displayPercentage", PlistValue(false)));
  const auto shown = [&] {
    return std::dynamic_pointer_cast<UISwitch>(cell(2, 0)->accessoryView())->isOn();
  };
  for (int turn = 0; turn < 100 && shown(); ++turn) {
    CFRunLoop::main().runFor(std::chrono::milliseconds(20));
  }
  EXPECT_FALSE(shown());
}

}  // namespace
