#include "EntryListController.h"

#include "Foundation/NSLog.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UINavigationController.h"
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
  const auto& entry = entries_.at(static_cast<std::size_t>(path.row));
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(entry.label);
  if (!entry.iconPath.empty()) {
    cell->imageView()->setImage(UIImage::imageWithContentsOfFile(entry.iconPath));
    cell->layoutSubviews();
  }
  cell->setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
  return cell;
}

// The entry chosen stays selected until its page is left, as Settings does.
void EntryListController::viewWillAppear() {
  if (const auto chosen = table_->indexPathForSelectedRow())
    table_->deselectRowAtIndexPath(*chosen);
}

void EntryListController::didSelectRowAtIndexPath(NSIndexPath path) {
  NSError error;
  if (SettingsApp::shared().openEntry(entries_.at(static_cast<std::size_t>(path.row)), &error)) {
    return;
  }
  table_->deselectRowAtIndexPath(path);
  NSLog("Settings: " + error.localizedDescription);
  auto alert =
      UIAlertController::alertControllerWithTitle("Cannot Open", error.localizedDescription);
  alert->addAction(UIAlertAction::actionWithTitle("OK", UIAlertActionStyleCancel));
  if (const auto navigation = navigationController()) navigation->presentViewController(alert);
}
