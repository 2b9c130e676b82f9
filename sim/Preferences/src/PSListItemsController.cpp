#include "Preferences/PSListItemsController.h"

#include "Preferences/PSListController.h"
#include "UIKit/UIScreen.h"

PSListItemsController::PSListItemsController(std::weak_ptr<PSListController> page,
                                             PSSpecifier specifier)
    : page_(std::move(page)),
      specifier_(std::move(specifier)),
      table_(std::make_shared<UITableView>(UIScreen::mainScreen().bounds())) {
  setTitle(specifier_.label());
  setView(table_);
}

std::shared_ptr<PSListItemsController> PSListItemsController::make(
    std::weak_ptr<PSListController> page, PSSpecifier specifier) {
  std::shared_ptr<PSListItemsController> made(
      new PSListItemsController(std::move(page), std::move(specifier)));
  made->table_->setDataSource(made);
  made->table_->setDelegate(made);
  made->reload();
  return made;
}

void PSListItemsController::reload() {
  const auto page = page_.lock();
  stored_ = page ? std::optional<PlistValue>(page->valueOf(specifier_)) : std::nullopt;
  table_->reloadData();
}

const PlistValue::Array& PSListItemsController::values() const {
  return specifier_.values();
}

NSInteger PSListItemsController::numberOfRowsInSection(NSInteger) {
  return static_cast<NSInteger>(values().size());
}

std::shared_ptr<UITableViewCell> PSListItemsController::cellForRowAtIndexPath(NSIndexPath path) {
  const auto& choice = values().at(static_cast<std::size_t>(path.row));
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(specifier_.titleOfValue(choice));
  if (stored_ && PSSpecifier::sameValue(*stored_, choice)) {
    cell->setAccessoryType(UITableViewCellAccessoryCheckmark);
  }
  return cell;
}

void PSListItemsController::didSelectRowAtIndexPath(NSIndexPath path) {
  const auto page = page_.lock();
  if (!page) return;
  table_->deselectRowAtIndexPath(path);
  page->change(specifier_, values().at(static_cast<std::size_t>(path.row)));
  // The page under this one shows the choice when it comes back.
  page->reloadSpecifiers();
  reload();
}
