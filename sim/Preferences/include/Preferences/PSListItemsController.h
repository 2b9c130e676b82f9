#pragma once

#include <memory>
#include <optional>

#include "Preferences/PSPageItem.h"
#include "UIKit/UITableView.h"
#include "UIKit/UIViewController.h"

class PSListController;

// The page of a list of choices: one row for each of the specifier's valid titles, a check
// mark on the value stored now. A tap on a row writes its value through the page it came from,
// and the check mark moves.
class PSListItemsController : public UIViewController,
                              public UITableViewDataSource,
                              public UITableViewDelegate {
 public:
  static std::shared_ptr<PSListItemsController> make(std::weak_ptr<PSListController> page,
                                                     PSSpecifier specifier);

  const std::shared_ptr<UITableView>& table() const { return table_; }

  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;

 private:
  PSListItemsController(std::weak_ptr<PSListController> page, PSSpecifier specifier);
  // Reads the stored value once, then builds the rows.
  void reload();
  const PlistValue::Array& values() const;

  std::weak_ptr<PSListController> page_;
  PSSpecifier specifier_;
  std::shared_ptr<UITableView> table_;
  std::optional<PlistValue> stored_;
};
