#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Foundation/NSError.h"
#include "Preferences/PSPageItem.h"
#include "UIKit/UIControl.h"
#include "UIKit/UITableView.h"
#include "UIKit/UIViewController.h"

class UINavigationController;

// A preferences page: a grouped table made from a specifier list. Each control shows its key's
// value as read through the preferences store (its default when the domain lacks it) and writes
// it there as it changes, then posts the item's PostNotification; the store writes the domain's
// file on its own time. A list of choices opens a page of them; a link opens the controller its
// "detail" or its bundle names; a button sends its action to the controller. The page never
// follows changes made elsewhere by itself: a subclass that wants to observes them. A cell type,
// class or selector the page cannot find is drawn as a plain cell with its label, and said once
// in the log.
class PSListController : public UIViewController,
                         public UITableViewDataSource,
                         public UITableViewDelegate {
 public:
  // The methods a specifier names by selector, as the runtime would find them on the page.
  using Action = std::function<void(const PSSpecifier&)>;
  using Getter = std::function<PlistValue(const PSSpecifier&)>;
  using Setter = std::function<void(PlistValue, const PSSpecifier&)>;
  using DataSource = std::function<PlistValue::Array(const PSSpecifier&)>;

  PSListController();

  // Controllers by class name, as a bundle's principal class or a link's "detail" names them;
  // a bundle registers its own when it is loaded. "PSListController" is the framework's own.
  template <class Controller>
  static void registerControllerClass(const char* name) {
    registerFactory(name, [] { return std::shared_ptr<PSListController>(new Controller()); });
  }
  static std::shared_ptr<PSListController> controllerNamed(const std::string& name);
  // The page a link opens, loaded: the one its bundle, its "detail" or (with its own "items")
  // the framework makes; a page saying why when its bundle cannot be opened. Null, with a log
  // line, when it names no class there is.
  static std::shared_ptr<PSListController> pageForLink(
      const PSSpecifier& specifier, const std::string& bundlePath,
      std::weak_ptr<UINavigationController> navigation);

  // Where the page's plist and its bundle's resources are: a device folder.
  const std::string& bundlePath() const { return bundlePath_; }
  void setBundlePath(std::string folder) { bundlePath_ = std::move(folder); }
  // The link that opened the page, if one did.
  const std::optional<PSSpecifier>& specifier() const { return specifier_; }
  void setSpecifier(PSSpecifier specifier) { specifier_ = std::move(specifier); }

  // Reads "<bundlePath>Root.plist" (its "title" and "items"); false, with why, when it cannot.
  // The framework's own page, opened by a link or a loader entry, shows that item's own "items".
  // A page of a controller of its own makes itself here instead.
  virtual bool loadSpecifiers(NSError* error = nullptr);
  // The page made from a list of items: those the device lacks a capability for left out.
  void setSpecifierItems(const PlistValue::Array& items);
  const std::vector<PSSpecifier>& specifiers() const { return specifiers_; }
  const PSSpecifier* specifierForID(const std::string& identifier) const;

  void setNavigation(std::weak_ptr<UINavigationController> navigation);
  const std::shared_ptr<UITableView>& table() const { return table_; }
  // Builds the cells again with the values stored now.
  virtual void reloadSpecifiers();

  virtual PlistValue readPreferenceValue(const PSSpecifier& specifier) const;
  virtual void setPreferenceValue(PlistValue value, const PSSpecifier& specifier);

  NSInteger numberOfSections() override;
  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  std::optional<std::string> titleForHeaderInSection(NSInteger section) override;
  std::optional<std::string> titleForFooterInSection(NSInteger section) override;
  std::shared_ptr<UIView> viewForFooterInSection(NSInteger section) override;
  CGFloat heightForRowAtIndexPath(NSIndexPath path) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;
  void viewWillAppear() override;

  // A value chosen on the page: through the item's "set" selector, else setPreferenceValue.
  void change(const PSSpecifier& specifier, PlistValue value);
  // The value a control shows: through the item's "get" selector, else readPreferenceValue.
  PlistValue valueOf(const PSSpecifier& specifier);

 protected:
  void addAction(std::string selector, Action action);
  void addGetter(std::string selector, Getter getter);
  void addSetter(std::string selector, Setter setter);
  void addDataSource(std::string selector, DataSource source);

 private:
  using Factory = std::shared_ptr<PSListController> (*)();
  static void registerFactory(const char* name, Factory factory);
  // The groups: each a group specifier's index and its items' indexes.
  struct Section {
    std::optional<std::size_t> group;  // none for items before the first group
    std::vector<std::size_t> items;
  };
  std::size_t indexAt(NSIndexPath path) const;
  void loadChoices(PSSpecifier& specifier);
  void logOnce(const std::string& line);

  // The cells, by type (in a file of their own).
  std::shared_ptr<UITableViewCell> makeCell(std::size_t index);
  void showControl(UITableViewCell& cell, std::size_t index);
  void addControl(const std::shared_ptr<UIControl>& control, std::size_t index);
  void controlChanged(UIControl& sender);
  void textEnded(UIControl& sender);

  // What a tap on a row does (in a file of its own).
  void pushChoices(const PSSpecifier& specifier);
  void openLink(const PSSpecifier& specifier);
  void pressButton(const PSSpecifier& specifier);
  void runAction(const PSSpecifier& specifier);

  std::string bundlePath_;
  std::optional<PSSpecifier> specifier_;
  std::vector<PSSpecifier> specifiers_;
  std::vector<Section> sections_;
  std::vector<std::pair<UIControl*, std::size_t>> controls_;
  std::shared_ptr<UITableView> table_;
  std::weak_ptr<UINavigationController> navigation_;
  std::map<std::string, Action> actions_;
  std::map<std::string, Getter> getters_;
  std::map<std::string, Setter> setters_;
  std::map<std::string, DataSource> dataSources_;
  std::vector<std::string> logged_;
};
