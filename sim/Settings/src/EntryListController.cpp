#include "EntryListController.h"

#include "Foundation/NSLog.h"
#include "UIKit/UIScreen.h"

EntryListController::EntryListController(std::vector<SettingsApp::Entry> entries)
    : entries_(std::move(entries)),
      table_(std::make_shared<UITableView>(UIScreen::mainScreen().bounds())) {
  setView(table_);
}

std::shared_ptr<EntryListController> EntryListController::make(
    std::vector<SettingsApp::Entry> entries) {
  std::shared_ptr<EntryListController> made(new EntryListController(std::move(entries)));
  made->table_->setDataSource(made);
  made->table_->setDelegate(made);
  made->table_->reloadData();
  return made;
}

NSInteger EntryListController::numberOfRowsInSection(NSInteger) {
  return static_cast<NSInteger>(entries_.size());
}

std::shared_ptr<UITableViewCell> EntryListController::cellForRowAtIndexPath(NSIndexPath path) {
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(entries_.at(static_cast<std::size_t>(path.row)).label);
  cell->setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
  return cell;
}

void EntryListController::didSelectRowAtIndexPath(NSIndexPath path) {
  NSError error;
  if (!SettingsApp::shared().openEntry(entries_.at(static_cast<std::size_t>(path.row)), &error)) {
    NSLog("Settings: " + error.localizedDescription);
  }
}
