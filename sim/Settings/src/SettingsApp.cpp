#include "Settings/SettingsApp.h"

#include "EntryListController.h"
#include "LoaderEntries.h"
#include "Preferences/PSListController.h"
#include "SimDevice/DeviceModel.h"
#include "UIKit/UIApplication.h"

NSUInteger SettingsApp::supportedInterfaceOrientations() {
  return DeviceModel::isIPad(DeviceModel::identifier()) ? UIInterfaceOrientationMaskAll
                                                        : UIInterfaceOrientationMaskPortrait;
}

SettingsApp& SettingsApp::shared() {
  static SettingsApp app;
  return app;
}

void SettingsApp::readEntries() {
  entries_ = loader_entries::read();
}

void SettingsApp::launch() {
  if (navigation_) {
    // Back where it was left, as the app resumes.
    window_->makeKeyAndVisible();
    UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleDefault);
    return;
  }
  // As Settings' delegate answers, from its Info.plist.
  UIApplication::sharedApplication().setSupportedInterfaceOrientationsForWindow(
      [](const UIWindow&) { return supportedInterfaceOrientations(); });
  readEntries();
  const auto first = EntryListController::make(entries_);
  first->setTitle(kName);
  navigation_ = UINavigationController::make(first);
  window_ = std::make_shared<UIWindow>();
  window_->setBackgroundColor(UIColor::whiteColor());
  window_->setRootViewController(navigation_);
  window_->makeKeyAndVisible();
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleDefault);
}

void SettingsApp::close() {
  if (window_) window_->setHidden(true);
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleLightContent);
}

bool SettingsApp::openEntry(const Entry& entry, NSError* error) {
  if (!navigation_) {
    if (error) error->localizedDescription = "Settings is not running";
    return false;
  }
  auto page = PSListController::pageForLink(entry.specifier, "", navigation_);
  if (!page) {
    if (error) error->localizedDescription = entry.label + " names no page there is";
    return false;
  }
  navigation_->pushViewController(std::move(page));
  return true;
}
