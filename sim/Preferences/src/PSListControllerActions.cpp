// What a tap on a row opens or runs.
#include "Foundation/NSLog.h"
#include "Preferences/PSBundleLoader.h"
#include "Preferences/PSListController.h"
#include "Preferences/PSListItemsController.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UINavigationController.h"

namespace {

// A page that could not be made: its title, and why in its one footer.
std::shared_ptr<PSListController> errorPage(const std::string& title, const std::string& why) {
  auto page = std::make_shared<PSListController>();
  page->setTitle(title);
  page->setSpecifierItems(
      {PlistValue(PlistValue::Dictionary{{"cell", "PSGroupCell"}, {"footerText", why}})});
  return page;
}

}  // namespace

void PSListController::pushChoices(const PSSpecifier& specifier) {
  const auto navigation = navigation_.lock();
  if (!navigation) return;
  const std::string detail = specifier.property("detail");
  if (!detail.empty() && detail != "PSListItemsController") {
    logOnce(specifier.label() + ": no list class " + detail + "; the framework's list is shown");
  }
  navigation->pushViewController(
      PSListItemsController::make(sharedAs<PSListController>(), specifier));
}

std::shared_ptr<PSListController> PSListController::pageForLink(
    const PSSpecifier& specifier, const std::string& bundlePath,
    std::weak_ptr<UINavigationController> navigation) {
  std::shared_ptr<PSListController> page;
  NSError why;
  if (specifier.value("bundle") || specifier.value("bundlePath")) {
    page = PSBundleLoader::open(specifier, &why);
    if (!page) {
      NSLog("Preferences: " + specifier.label() + ": " + why.localizedDescription);
      return errorPage(specifier.label(), why.localizedDescription);
    }
  } else {
    std::string detail = specifier.property("detail");
    if (detail.empty() && specifier.value("items")) detail = "PSListController";
    page = controllerNamed(detail);
    if (!page) {
      NSLog("Preferences: " + specifier.label() + ": no controller class " + detail);
      return nullptr;
    }
    page->setBundlePath(bundlePath);
  }
  page->setTitle(specifier.label());  // unless the page names itself
  page->setSpecifier(specifier);
  page->setNavigation(std::move(navigation));
  if (!page->loadSpecifiers(&why)) {
    NSLog("Preferences: " + specifier.label() + " cannot be shown: " + why.localizedDescription);
    return errorPage(specifier.label(), why.localizedDescription);
  }
  return page;
}

void PSListController::openLink(const PSSpecifier& specifier) {
  const auto navigation = navigation_.lock();
  if (!navigation) return;
  if (auto page = pageForLink(specifier, bundlePath_, navigation_)) {
    return navigation->pushViewController(std::move(page));
  }
  if (const auto chosen = table_->indexPathForSelectedRow())
    table_->deselectRowAtIndexPath(*chosen);
}

void PSListController::pressButton(const PSSpecifier& specifier) {
  const auto* asked = specifier.value("confirmation");
  if (!asked || !asked->asDictionary()) return runAction(specifier);
  const auto said = [&](const char* key, const std::string& fallback) {
    const auto* found = asked->objectForKey(key);
    return found && found->asString() ? *found->asString() : fallback;
  };
  auto alert = UIAlertController::alertControllerWithTitle(said("title", specifier.label()),
                                                           said("prompt", ""));
  alert->addAction(
      UIAlertAction::actionWithTitle(said("cancelTitle", "Cancel"), UIAlertActionStyleCancel));
  const std::weak_ptr<PSListController> weak = sharedAs<PSListController>();
  const auto style = specifier.flag("isDestructive", false) || asked->objectForKey("isDestructive")
                         ? UIAlertActionStyleDestructive
                         : UIAlertActionStyleDefault;
  alert->addAction(UIAlertAction::actionWithTitle(said("okTitle", "OK"), style, [weak, specifier] {
    if (const auto page = weak.lock()) page->runAction(specifier);
  }));
  if (const auto navigation = navigation_.lock()) {
    navigation->presentViewController(std::move(alert));
  } else {
    presentViewController(std::move(alert));
  }
}

void PSListController::runAction(const PSSpecifier& specifier) {
  const std::string selector = specifier.property("action");
  const auto found = actions_.find(selector);
  if (found == actions_.end()) {
    return logOnce(specifier.label() + ": the controller has no method " + selector);
  }
  found->second(specifier);
}

void PSListController::didSelectRowAtIndexPath(NSIndexPath path) {
  const PSSpecifier specifier = specifiers_[indexAt(path)];
  const bool opens = specifier.isEnabled() && (specifier.cell() == PSSpecifier::Cell::LinkList ||
                                               specifier.cell() == PSSpecifier::Cell::Link);
  if (!opens) table_->deselectRowAtIndexPath(path);
  if (!specifier.isEnabled() || specifier.flag("isStaticText", false)) return;
  switch (specifier.cell()) {
    case PSSpecifier::Cell::LinkList:
      return pushChoices(specifier);
    case PSSpecifier::Cell::Link:
      return openLink(specifier);
    case PSSpecifier::Cell::Button:
      return pressButton(specifier);
    default:
      return;
  }
}
