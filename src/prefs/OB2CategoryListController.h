#pragma once

#include <optional>
#include <string>

#include "Preferences/PSListController.h"

// The bundle's category editor: one row for each entry of the category list, in its order, with
// the name the panel shows, the category's own name in small text under it and a switch for
// whether the panel shows it. A list that is missing or cannot be read shows why, and no rows:
// nothing on the page can write over it.
class OB2CategoryListController : public PSListController {
 public:
  bool loadSpecifiers(NSError* error = nullptr) override;

  NSInteger numberOfSections() override { return 1; }
  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  std::optional<std::string> titleForHeaderInSection(NSInteger) override { return std::nullopt; }
  std::optional<std::string> titleForFooterInSection(NSInteger section) override;
  void didSelectRowAtIndexPath(NSIndexPath) override {}

 private:
  void visibilityChanged(UISwitch& sender);
  void readList();

  PlistValue::Array list_;
  std::string unreadable_;  // why there are no rows, when the list cannot be had
};
