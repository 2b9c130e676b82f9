#pragma once

#include <memory>
#include <vector>

#include "Settings/SettingsApp.h"
#include "UIKit/UITableView.h"
#include "UIKit/UIViewController.h"

// Settings' first page: one row for each loader entry, leading to its page.
class EntryListController : public UIViewController,
                            public UITableViewDataSource,
                            public UITableViewDelegate {
 public:
  static std::shared_ptr<EntryListController> make(std::vector<SettingsApp::Entry> entries);

  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;
  void viewWillAppear() override;

 private:
  explicit EntryListController(std::vector<SettingsApp::Entry> entries);

  std::vector<SettingsApp::Entry> entries_;
  std::shared_ptr<UITableView> table_;
};
