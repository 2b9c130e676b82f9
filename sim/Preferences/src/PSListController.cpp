#include "Preferences/PSListController.h"

#include <algorithm>

#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "MobileGestalt/MobileGestalt.h"
#include "UIKit/UIScreen.h"

namespace {

using Factories = std::map<std::string, std::shared_ptr<PSListController> (*)()>;

Factories& factories() {
  static Factories table = {
      {"PSListController", [] { return std::make_shared<PSListController>(); }},
  };
  return table;
}

// Whether the device has every capability the item asks for.
bool deviceCan(const PSSpecifier& specifier) {
  const auto* required = specifier.value("requiredCapabilities");
  if (!required || !required->asArray()) return true;
  return std::all_of(required->asArray()->begin(), required->asArray()->end(),
                     [](const auto& name) {
                       return name.asString() && MGGetBoolAnswer(name.asString()->c_str());
                     });
}

}  // namespace

PSListController::PSListController()
    : table_(std::make_shared<UITableView>(UIScreen::mainScreen().bounds())) {
  setView(table_);
}

void PSListController::registerFactory(const char* name, Factory factory) {
  factories()[name] = factory;
}

std::shared_ptr<PSListController> PSListController::controllerNamed(const std::string& name) {
  const auto found = factories().find(name);
  return found == factories().end() ? nullptr : found->second();
}

void PSListController::addAction(std::string selector, Action action) {
  actions_[std::move(selector)] = std::move(action);
}

void PSListController::addGetter(std::string selector, Getter getter) {
  getters_[std::move(selector)] = std::move(getter);
}

void PSListController::addSetter(std::string selector, Setter setter) {
  setters_[std::move(selector)] = std::move(setter);
}

void PSListController::addDataSource(std::string selector, DataSource source) {
  dataSources_[std::move(selector)] = std::move(source);
}

void PSListController::logOnce(const std::string& line) {
  if (std::find(logged_.begin(), logged_.end(), line) != logged_.end()) return;
  logged_.push_back(line);
  NSLog("Preferences: " + line);
}

bool PSListController::loadSpecifiers(NSError* error) {
  // A page opened from an item that carries its own list (a loader's simple entry) shows it.
  if (const auto* items = specifier_ ? specifier_->value("items") : nullptr;
      items && items->asArray()) {
    if (const std::string title = specifier_->property("title"); !title.empty()) setTitle(title);
    setSpecifierItems(*items->asArray());
    return true;
  }
  const auto page = PropertyListFile::readDictionary(bundlePath_ + "Root.plist", error);
  if (!page) return false;
  if (const auto title = page->find("title"); title != page->end() && title->second.asString()) {
    setTitle(*title->second.asString());
  }
  const auto items = page->find("items");
  setSpecifierItems(items != page->end() && items->second.asArray() ? *items->second.asArray()
                                                                    : PlistValue::Array());
  return true;
}

void PSListController::setSpecifierItems(const PlistValue::Array& items) {
  specifiers_.clear();
  for (const auto& item : items) {
    auto specifier = PSSpecifier::fromDictionary(item);
    if (!specifier) {
      logOnce("an item that is not a dictionary is left out");
      continue;
    }
    if (!deviceCan(*specifier)) continue;
    loadChoices(*specifier);
    specifiers_.push_back(std::move(*specifier));
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
}

// A list's values and titles from the controller's data sources, where the item names them.
void PSListController::loadChoices(PSSpecifier& specifier) {
  for (const auto& [selectorKey, listKey] : {std::pair{"valuesDataSource", "validValues"},
                                             std::pair{"titlesDataSource", "validTitles"}}) {
    const std::string selector = specifier.property(selectorKey);
    if (selector.empty()) continue;
    const auto found = dataSources_.find(selector);
    if (found == dataSources_.end()) {
      logOnce(specifier.label() + ": the controller has no method " + selector);
      continue;
    }
    specifier.setProperty(listKey, found->second(specifier));
  }
}

const PSSpecifier* PSListController::specifierForID(const std::string& identifier) const {
  for (const auto& each : specifiers_) {
    if (each.identifier() == identifier) return &each;
  }
  return nullptr;
}

void PSListController::setNavigation(std::weak_ptr<UINavigationController> navigation) {
  navigation_ = std::move(navigation);
}

void PSListController::reloadSpecifiers() {
  controls_.clear();
  table_->reloadData();
}

void PSListController::viewWillAppear() {
  // A row chosen to open a page stays selected until the page is left, as on a phone.
  if (const auto chosen = table_->indexPathForSelectedRow())
    table_->deselectRowAtIndexPath(*chosen);
}
