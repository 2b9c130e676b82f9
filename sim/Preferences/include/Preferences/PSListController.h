#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSError.h"
#include "Preferences/PSPageItem.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableView.h"
#include "UIKit/UIViewController.h"

class UIAlertController;
class UINavigationController;

// A preferences page: a grouped table made from a specifier list, each cell showing its key's
// stored value (its default when the domain's file lacks it or cannot be read). A switch writes
// its key as it flips; a list of choices opens a page of them; a link opens the controller its
// "detail" names. A write goes to the domain's file in the device's preferences folder and is
// announced with the item's PostNotification; a bundle's controller may write its own way.
class PSListController : public UIViewController,
                         public UITableViewDataSource,
                         public UITableViewDelegate {
 public:
  PSListController();
  ~PSListController() override;

  // Controllers by class name, as a bundle's principal class or a link's "detail" names them;
  // a bundle registers its own when it is loaded.
  template <class Controller>
  static void registerControllerClass(const char* name) {
    registerFactory(name, [] { return std::shared_ptr<PSListController>(new Controller()); });
  }
  static std::shared_ptr<PSListController> controllerNamed(const std::string& name);

  // Where the page's plist and its bundle's resources are: a device folder.
  const std::string& bundlePath() const { return bundlePath_; }
  void setBundlePath(std::string folder) { bundlePath_ = std::move(folder); }
  // Reads "<bundlePath>Root.plist" (its "title" and "items"); false, with why, when it cannot.
  // A page of a controller of its own makes itself here instead.
  virtual bool loadSpecifiers(NSError* error = nullptr);
  const std::vector<PSSpecifier>& specifiers() const { return specifiers_; }

  void setNavigation(std::weak_ptr<UINavigationController> navigation);
  const std::shared_ptr<UITableView>& table() const { return table_; }
  // Builds the cells again with the values stored now; also when a notification the page
  // follows arrives.
  virtual void reloadSpecifiers();

  virtual PlistValue readPreferenceValue(const PSSpecifier& specifier) const;
  virtual bool setPreferenceValue(PlistValue value, const PSSpecifier& specifier, NSError* error);
  // The reason the latest write was refused; empty when it was made.
  const std::string& lastFailure() const { return lastFailure_; }

  NSInteger numberOfSections() override;
  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  std::optional<std::string> titleForHeaderInSection(NSInteger section) override;
  std::optional<std::string> titleForFooterInSection(NSInteger section) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;

  // A value chosen or flipped on the page: written, or, when refused, an alert says why and
  // the cell goes back to the stored value.
  void change(const PSSpecifier& specifier, PlistValue value);

 protected:
  // Logs a refused change and shows it in an alert with an OK button.
  void presentFailure(const std::string& title, const std::string& why);
  // Over the whole app, bar and all, as an alert is.
  void presentAlert(std::shared_ptr<UIAlertController> alert);
  // Follows changes made elsewhere: each of these notifications reloads the page.
  void followNotifications(const std::vector<std::string>& names);

 private:
  using Factory = std::shared_ptr<PSListController> (*)();
  static void registerFactory(const char* name, Factory factory);
  void switchChanged(UISwitch& sender);
  // The page follows changes made elsewhere: each notification its items post reloads it.
  void observeChanges();
  static void changedElsewhere(CFNotificationCenterRef, void* observer, const char* name,
                               const void*, const void*);
  // The groups: each a group specifier's index and its items' indexes.
  struct Section {
    std::optional<std::size_t> group;  // none for items before the first group
    std::vector<std::size_t> items;
  };

  std::string bundlePath_;
  std::vector<PSSpecifier> specifiers_;
  std::vector<Section> sections_;
  std::vector<std::pair<UISwitch*, std::size_t>> switches_;
  std::shared_ptr<UITableView> table_;
  std::weak_ptr<UINavigationController> navigation_;
  std::string lastFailure_;
};
