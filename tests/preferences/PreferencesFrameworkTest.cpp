#include <gtest/gtest.h>

#include <chrono>
#include <typeinfo>

#include "CoreFoundation/CFNotificationCenter.h"
#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSListController.h"
#include "SimDevice/DeviceModel.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UISegmentedControl.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITextField.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "support/ExamplePageItems.h"
#include "support/LogCapture.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace ex = example_page_items;
using namespace std::chrono_literals;

// The framework's own page over the example list, in a window, as Settings shows it.
class PreferencesFrameworkTest : public ::testing::Test {
 protected:
  void open(const char* model = "iPhone10,4") {
    DeviceModel::setIdentifier(model);
    page = std::make_shared<PSListController>();
    navigation = UINavigationController::make(page);
    page->setNavigation(navigation);
    page->setSpecifierItems(ex::items());
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
  }
  void TearDown() override { DeviceModel::setIdentifier(DeviceModel::defaultIdentifier()); }

  std::shared_ptr<UITableViewCell> row(const std::string& label) const {
    const auto& table = page->table();
    for (NSInteger section = 0; section < page->numberOfSections(); ++section) {
      for (NSInteger at = 0; at < page->numberOfRowsInSection(section); ++at) {
        const auto cell = table->cellForRowAtIndexPath({section, at});
        if (cell && cell->textLabel()->text() == label) return cell;
      }
    }
    return nullptr;
  }
  template <class Control>
  std::shared_ptr<Control> control(const std::string& label) const {
    const auto cell = row(label);
    return cell ? std::dynamic_pointer_cast<Control>(cell->accessoryView()) : nullptr;
  }
  static void tap(const std::shared_ptr<UIView>& view) {
    const CGSize size = view->frame().size;
    UITouches::shared().tap(
        view->convertPointToView(CGPoint{size.width / 2, size.height / 2}, nullptr));
  }
  // The domain's file as it is on disk now.
  static PlistValue::Dictionary file() {
    return PropertyListFile::readDictionary(ex::kPath).value_or(PlistValue::Dictionary());
  }
  // Runs the loop until `done`, for two seconds at most.
  template <class Done>
  static bool runUntil(Done done) {
    for (int turn = 0; turn < 100 && !done(); ++turn) CFRunLoop::main().runFor(20ms);
    return done();
  }

  TempDeviceRoot root;
  LogCapture log;
  std::shared_ptr<UIWindow> window = std::make_shared<UIWindow>();
  std::shared_ptr<PSListController> page;
  std::shared_ptr<UINavigationController> navigation;
};

bool logged(const LogCapture& log, const std::string& part) {
  for (const auto& message : log.messages()) {
    if (message.find(part) != std::string::npos) return true;
  }
  return false;
}

// A switch's change is in the store at once and its notification goes out at once; the file is
// written later, so a reader woken by the notification can still find the old value there.
TEST_F(PreferencesFrameworkTest, AChangeIsPostedAtOnceAndWrittenByTheStoreLater) {
  open();
  static int heard = 0;
  static PlistValue::Dictionary seen;
  heard = 0;
  const auto center = CFNotificationCenterGetDarwinNotifyCenter();
  CFNotificationCenterAddObserver(
      center, &heard,
      [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
        ++heard;
        seen = file();
      },
      ex::kChanged, nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
  tap(control<UISwitch>("Enabled"));
  EXPECT_FALSE(control<UISwitch>("Enabled")->isOn());
  EXPECT_EQ(page->readPreferenceValue(*page->specifierForID("Enabled")), PlistValue(false));
  ASSERT_TRUE(runUntil([] { return heard > 0; })) << "the item's notification";
  EXPECT_FALSE(seen.contains("enabled")) << "not on disk yet when the notification arrives";
  ASSERT_TRUE(runUntil([] { return file().contains("enabled"); })) << "written by the store";
  EXPECT_EQ(file().at("enabled"), PlistValue(false));
  CFNotificationCenterRemoveObserver(center, &heard, nullptr, nullptr);
}

// The page never follows a change made elsewhere by itself: a subclass observes it if it wants.
TEST_F(PreferencesFrameworkTest, ThePageDoesNotFollowChangesMadeElsewhere) {
  open();
  ASSERT_TRUE(
      PropertyListFile::write(PlistValue(PlistValue::Dictionary{{"enabled", false}}), ex::kPath));
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), ex::kChanged,
                                       nullptr, nullptr, true);
  CFRunLoop::main().runFor(300ms);
  EXPECT_TRUE(control<UISwitch>("Enabled")->isOn());
}

// Every row of the list is there with its label; each control writes its key to the domain's
// file, through the store, on a later turn of the run loop.
TEST_F(PreferencesFrameworkTest, EveryCellTypeDrawsAndWritesItsKey) {
  ASSERT_TRUE(PropertyListFile::write(
      PlistValue(PlistValue::Dictionary{{"style", 1.0}, {"label", "Juice"}}), ex::kPath));
  open();
  for (const char* label :
       {"Enabled", "Style", "Label", "Passcode", "Size", "Position", "Version", "Build", "Reset",
        "Refresh", "Locked", "Cellular", "Mystery", "Fancy", "Advanced"}) {
    EXPECT_TRUE(row(label)) << label;
  }
  EXPECT_FALSE(row("Split View")) << "an iPad's row on an iPhone";
  EXPECT_EQ(row("Style")->detailTextLabel()->text(), "Fill") << "1.0 is the choice 1";
  EXPECT_EQ(row("Build")->detailTextLabel()->text(), "42");
  EXPECT_EQ(control<UITextField>("Label")->text(), "Juice");
  EXPECT_EQ(control<UITextField>("Label")->placeholder(), "Battery");
  EXPECT_TRUE(control<UITextField>("Passcode")->isSecureTextEntry());
  EXPECT_FALSE(control<UISwitch>("Locked")->isEnabled());
  EXPECT_TRUE(logged(log, "Mystery: no cell type PSWobbleCell"));
  EXPECT_TRUE(logged(log, "Fancy: no cell class FancySwitchCell"));

  const auto field = control<UITextField>("Label");
  tap(field);
  ASSERT_TRUE(field->isFirstResponder());
  field->insertText("!");
  field->pressKey(UITextField::Key::Return);
  const auto slider = control<UISlider>("Size");
  slider->setValue(23);
  slider->sendActionsForControlEvents(UIControlEventValueChanged);
  EXPECT_FLOAT_EQ(slider->value(), 25) << "four steps from 10 to 30";
  EXPECT_EQ(row("Size")->detailTextLabel()->text(), "25.00");
  const auto segments = control<UISegmentedControl>("Position");
  EXPECT_EQ(segments->selectedSegmentIndex(), 0);
  tap(segments);  // the middle: the right half's first point
  const auto styles = row("Style");
  tap(styles);
  ASSERT_EQ(navigation->viewControllers().size(), 2u);
  const auto choices =
      std::dynamic_pointer_cast<UITableView>(navigation->topViewController()->view());
  EXPECT_EQ(choices->cellForRowAtIndexPath({0, 1})->accessoryType(),
            UITableViewCellAccessoryCheckmark);
  tap(choices->cellForRowAtIndexPath({0, 2}));
  [[maybe_unused]] const auto left = navigation->popViewController();
  EXPECT_EQ(row("Style")->detailTextLabel()->text(), "Text");
  ASSERT_TRUE(runUntil([] { return file().size() == 4; })) << "the store's write";
  EXPECT_EQ(file().at("label"), PlistValue("Juice!"));
  EXPECT_EQ(file().at("size"), PlistValue(25.0));
  EXPECT_EQ(file().at("position"), PlistValue("right"));
  EXPECT_EQ(file().at("style"), PlistValue(2));
}

TEST_F(PreferencesFrameworkTest, ButtonsRunTheirActionOrSayWhatIsMissing) {
  open();
  tap(row("Refresh"));
  EXPECT_TRUE(logged(log, "Refresh: the controller has no method refresh:"));
  EXPECT_FALSE(page->table()->indexPathForSelectedRow()) << "a button's row is let go";
  tap(row("Reset"));
  const auto alert =
      std::dynamic_pointer_cast<UIAlertController>(navigation->presentedViewController());
  ASSERT_TRUE(alert) << "the confirmation";
  EXPECT_EQ(alert->message(), "Reset every setting?");
  ASSERT_EQ(alert->actions().size(), 2u);
  EXPECT_EQ(alert->actions()[0]->title(), "Keep");
  EXPECT_EQ(alert->actions()[1]->style(), UIAlertActionStyleDestructive);
  navigation->dismissViewController();
  page->table()->setContentOffset(page->table()->maximumContentOffset());  // the last row
  tap(row("Advanced"));
  ASSERT_EQ(navigation->viewControllers().size(), 2u) << "the link's own items";
  const auto advanced =
      std::dynamic_pointer_cast<PSListController>(navigation->topViewController());
  ASSERT_TRUE(advanced);
  EXPECT_EQ(advanced->table()->cellForRowAtIndexPath({0, 0})->textLabel()->text(), "Debug");
  EXPECT_TRUE(page->table()->indexPathForSelectedRow()) << "selected while its page is shown";
  [[maybe_unused]] const auto left = navigation->popViewController();
  EXPECT_FALSE(page->table()->indexPathForSelectedRow()) << "let go once the page is left";
}

TEST_F(PreferencesFrameworkTest, RequiredCapabilitiesFollowTheModel) {
  open("iPad7,5");
  EXPECT_TRUE(row("Split View"));
  EXPECT_FALSE(row("Cellular"));
  EXPECT_EQ(row("Split View")->frame().size.height, 60);
}

// An item without a domain reads its default and writes nothing, not even a file named ".plist".
TEST_F(PreferencesFrameworkTest, AnItemWithoutADomainWritesNothing) {
  open();
  PlistValue::Dictionary item{{"cell", "PSSwitchCell"}, {"label", "Loose"}, {"key", "loose"}};
  page->setSpecifierItems({PlistValue(item)});
  tap(control<UISwitch>("Loose"));
  CFRunLoop::main().runFor(1200ms);
  EXPECT_FALSE(root.exists("/var/mobile/Library/Preferences/.plist"));
}

// A link to a bundle opens its principal class's page only where it says it is a controller;
// a bundle that cannot be loaded opens a page that says why, naming no host folder.
TEST_F(PreferencesFrameworkTest, ABundleOpensAsItsControllerOnlyWhereItSaysSo) {
  ex::installBundle();
  open();
  PlistValue::Dictionary link{{"cell", "PSLinkCell"},
                              {"label", "Battery"},
                              {"bundle", ex::kBundleName},
                              {"isController", true}};
  const auto linkTo = [&] {
    return PSListController::pageForLink(*PSSpecifier::fromDictionary(PlistValue(link)), "",
                                         navigation);
  };
  page = linkTo();
  ASSERT_TRUE(page);
  navigation->pushViewController(page);
  tap(row("Refresh"));
  EXPECT_TRUE(logged(log, ex::kRefreshed)) << "the action, on the bundle's controller";
  EXPECT_EQ(row("Theme")->detailTextLabel()->text(), "Dark") << "from its data sources";

  link.erase("isController");
  const auto plain = linkTo();
  ASSERT_TRUE(plain);
  EXPECT_EQ(typeid(*plain), typeid(PSListController)) << "the framework's page";
  EXPECT_EQ(plain->specifiers().size(), page->specifiers().size()) << "on the bundle's list";

  root.writeBytes("/Library/PreferenceBundles/Broken.bundle/Info.plist",
                  PropertyListFile::xmlData(PlistValue(PlistValue::Dictionary{
                      {"CFBundleExecutable", "Broken"}, {"NSPrincipalClass", "BRController"}})));
  root.writeBytes("/Library/PreferenceBundles/Broken.bundle/Broken", "not a library");
  link["bundlePath"] = "/Library/PreferenceBundles/Broken.bundle";
  const auto broken = linkTo();
  ASSERT_TRUE(broken);
  const auto why = broken->titleForFooterInSection(0);
  ASSERT_TRUE(why);
  EXPECT_NE(why->find("cannot load Broken: /Library/PreferenceBundles/Broken.bundle/Broken:"),
            std::string::npos)
      << *why;
  EXPECT_EQ(why->find(root.path().string()), std::string::npos) << *why;
}

// The store never writes over a domain's file it cannot read.
TEST_F(PreferencesFrameworkTest, TheStoreLeavesAnUnreadableFileAlone) {
  root.writeBytes(ex::kPath, "not a property list");
  open();
  tap(control<UISwitch>("Enabled"));
  ASSERT_TRUE(runUntil([&] { return logged(log, "cannot be read"); }));
  EXPECT_EQ(root.readBytes(ex::kPath), "not a property list");
}

}  // namespace
