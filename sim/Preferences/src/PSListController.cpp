#include "Preferences/PSListController.h"

#include <algorithm>
#include <map>

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSListItemsController.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UIScreen.h"

namespace {

constexpr char kPreferencesFolder[] = "/var/mobile/Library/Preferences/";

std::map<std::string, std::shared_ptr<PSListController> (*)()>& factories() {
  static std::map<std::string, std::shared_ptr<PSListController> (*)()> table;
  return table;
}

std::string domainPath(const PSSpecifier& specifier) {
  return kPreferencesFolder + specifier.defaults() + ".plist";
}

}  // namespace

PSListController::PSListController()
    : table_(std::make_shared<UITableView>(UIScreen::mainScreen().bounds())) {
  setView(table_);
}

PSListController::~PSListController() {
  CFNotificationCenterRemoveObserver(CFNotificationCenterGetDarwinNotifyCenter(), this, nullptr,
                                     nullptr);
}

void PSListController::observeChanges() {
  std::vector<std::string> names;
  for (const auto& specifier : specifiers_) {
    const std::string name = specifier.property("PostNotification");
    if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(name);
  }
  followNotifications(names);
}

void PSListController::followNotifications(const std::vector<std::string>& names) {
  const auto center = CFNotificationCenterGetDarwinNotifyCenter();
  CFNotificationCenterRemoveObserver(center, this, nullptr, nullptr);
  for (const auto& name : names) {
    CFNotificationCenterAddObserver(center, this, &PSListController::changedElsewhere, name.c_str(),
                                    nullptr, CFNotificationSuspensionBehaviorCoalesce);
  }
}

void PSListController::changedElsewhere(CFNotificationCenterRef, void* observer, const char*,
                                        const void*, const void*) {
  static_cast<PSListController*>(observer)->reloadSpecifiers();
}

void PSListController::registerFactory(const char* name, Factory factory) {
  factories()[name] = factory;
}

std::shared_ptr<PSListController> PSListController::controllerNamed(const std::string& name) {
  const auto found = factories().find(name);
  return found == factories().end() ? nullptr : found->second();
}

bool PSListController::loadSpecifiers(NSError* error) {
  const auto page = PropertyListFile::readDictionary(bundlePath_ + "Root.plist", error);
  if (!page) return false;
  if (const auto title = page->find("title"); title != page->end() && title->second.asString()) {
    setTitle(*title->second.asString());
  }
  specifiers_.clear();
  if (const auto items = page->find("items"); items != page->end() && items->second.asArray()) {
    for (const auto& item : *items->second.asArray()) {
      if (auto specifier = PSSpecifier::fromDictionary(item)) specifiers_.push_back(*specifier);
    }
  }
  sections_.clear();
  for (std::size_t i = 0; i < specifiers_.size(); ++i) {
    if (specifiers_[i].cell() == PSSpecifier::Cell::Group) {
      sections_.push_back(Section{i, {}});
    } else {
      if (sections_.empty()) sections_.push_back(Section{std::nullopt, {}});
      sections_.back().items.push_back(i);
    }
  }
  table_->setDataSource(sharedAs<PSListController>());
  table_->setDelegate(sharedAs<PSListController>());
  reloadSpecifiers();
  observeChanges();
  return true;
}

void PSListController::setNavigation(std::weak_ptr<UINavigationController> navigation) {
  navigation_ = std::move(navigation);
}

void PSListController::reloadSpecifiers() {
  switches_.clear();
  table_->reloadData();
}

PlistValue PSListController::readPreferenceValue(const PSSpecifier& specifier) const {
  const PlistValue* fallback = specifier.value("default");
  const auto stored = PropertyListFile::readDictionary(domainPath(specifier));
  if (stored) {
    if (const auto found = stored->find(specifier.key()); found != stored->end()) {
      return found->second;
    }
  }
  return fallback ? *fallback : PlistValue();
}

bool PSListController::setPreferenceValue(PlistValue value, const PSSpecifier& specifier,
                                          NSError* error) {
  const std::string path = domainPath(specifier);
  // A file that is there but cannot be read is left as it is, never written over.
  NSError why;
  auto stored = PropertyListFile::readDictionary(path, &why);
  if (!stored && NSFileManager::defaultManager().fileExistsAtPath(path)) {
    if (error)
      error->localizedDescription =
          path + " cannot be read (" + why.localizedDescription + "); left as it is";
    return false;
  }
  if (!stored) stored.emplace();
  (*stored)[specifier.key()] = std::move(value);
  if (!PropertyListFile::write(PlistValue(std::move(*stored)), path, error)) return false;
  const std::string posted = specifier.property("PostNotification");
  if (!posted.empty()) {
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                         posted.c_str(), nullptr, nullptr, true);
  }
  return true;
}

void PSListController::change(const PSSpecifier& specifier, PlistValue value) {
  NSError error;
  lastFailure_.clear();
  const bool written = setPreferenceValue(std::move(value), specifier, &error);
  reloadSpecifiers();
  if (!written) {
    lastFailure_ = error.localizedDescription;
    presentFailure(specifier.label() + " Not Changed", lastFailure_);
  }
}

void PSListController::presentFailure(const std::string& title, const std::string& why) {
  NSLog("Preferences: " + title + ": " + why);
  auto alert = UIAlertController::alertControllerWithTitle(title, why);
  alert->addAction(UIAlertAction::actionWithTitle("OK", UIAlertActionStyleCancel));
  presentAlert(std::move(alert));
}

void PSListController::presentAlert(std::shared_ptr<UIAlertController> alert) {
  if (const auto navigation = navigation_.lock()) {
    navigation->presentViewController(std::move(alert));
  } else {
    presentViewController(std::move(alert));
  }
}

NSInteger PSListController::numberOfSections() {
  return static_cast<NSInteger>(sections_.size());
}

NSInteger PSListController::numberOfRowsInSection(NSInteger section) {
  return static_cast<NSInteger>(sections_.at(static_cast<std::size_t>(section)).items.size());
}

std::optional<std::string> PSListController::titleForHeaderInSection(NSInteger section) {
  const auto& group = sections_.at(static_cast<std::size_t>(section)).group;
  if (!group || specifiers_[*group].label().empty()) return std::nullopt;
  return specifiers_[*group].label();
}

std::optional<std::string> PSListController::titleForFooterInSection(NSInteger section) {
  const auto& group = sections_.at(static_cast<std::size_t>(section)).group;
  const std::string footer = group ? specifiers_[*group].property("footerText") : std::string();
  if (footer.empty()) return std::nullopt;
  return footer;
}

std::shared_ptr<UITableViewCell> PSListController::cellForRowAtIndexPath(NSIndexPath path) {
  const std::size_t index = sections_.at(static_cast<std::size_t>(path.section))
                                .items.at(static_cast<std::size_t>(path.row));
  const PSSpecifier& specifier = specifiers_[index];
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(specifier.label());
  switch (specifier.cell()) {
    case PSSpecifier::Cell::Switch: {
      auto toggle = std::make_shared<UISwitch>();
      toggle->setOn(readPreferenceValue(specifier).boolValue().value_or(false));
      toggle->addTarget(sharedAs<PSListController>(), &PSListController::switchChanged,
                        UIControlEventValueChanged);
      switches_.emplace_back(toggle.get(), index);
      cell->setAccessoryView(toggle);
      break;
    }
    case PSSpecifier::Cell::LinkList:
      cell->detailTextLabel()->setText(specifier.titleOfValue(readPreferenceValue(specifier)));
      cell->setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
      break;
    case PSSpecifier::Cell::Link:
      cell->setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
      break;
    case PSSpecifier::Cell::Button:
      cell->textLabel()->setTextColor(UIColor::systemBlueColor());
      break;
    case PSSpecifier::Cell::Group:
      break;
  }
  return cell;
}

void PSListController::switchChanged(UISwitch& sender) {
  const auto found = std::find_if(switches_.begin(), switches_.end(),
                                  [&](const auto& each) { return each.first == &sender; });
  if (found == switches_.end()) return;
  // A copy: the change builds the cells, and this list of their switches, again.
  const PSSpecifier specifier = specifiers_[found->second];
  change(specifier, PlistValue(sender.isOn()));
}

void PSListController::didSelectRowAtIndexPath(NSIndexPath path) {
  const std::size_t index = sections_.at(static_cast<std::size_t>(path.section))
                                .items.at(static_cast<std::size_t>(path.row));
  const PSSpecifier& specifier = specifiers_[index];
  const auto navigation = navigation_.lock();
  if (!navigation) return;
  if (specifier.cell() == PSSpecifier::Cell::LinkList) {
    navigation->pushViewController(
        PSListItemsController::make(sharedAs<PSListController>(), specifier));
  } else if (specifier.cell() == PSSpecifier::Cell::Link) {
    auto page = controllerNamed(specifier.property("detail"));
    if (!page) return;
    page->setTitle(specifier.label());
    page->setBundlePath(bundlePath_);
    page->setNavigation(navigation_);
    NSError error;
    if (!page->loadSpecifiers(&error)) {
      NSLog("Preferences: " + specifier.label() +
            " cannot be shown: " + error.localizedDescription);
      return;
    }
    navigation->pushViewController(std::move(page));
  }
}
