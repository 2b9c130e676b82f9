#include "prefs/OB2CategoryListController.h"

#include "prefs/OB2CategoryCell.h"

#include "Foundation/NSFileManager.h"
#include "UIKit/UIAlertController.h"
#include "mixer/CategoryList.h"
#include "orbelle2/CategoryKeys.h"
#include "orbelle2/PreferenceFiles.h"
#include "prefs/PageAlert.h"
#include "prefs/PreferencePage.h"

namespace {

const bool registered = [] {
  PSListController::registerControllerClass<OB2CategoryListController>(
      preference_page::kCategoryEditor);
  return true;
}();

constexpr char kHint[] = "Tap a name to rename it. Edit shows the handles to reorder the list.";
constexpr char kInitialNote[] =
    "The panel has not written its list yet: this is the one it starts with.";
constexpr char kNoneShown[] = "With every category hidden, the panel shows no rows.";
constexpr char kResetNote[] =
    "The panel writes the initial list, every category in its first order, when it next opens.";

std::string text(const PlistValue& entry, const char* key) {
  const PlistValue* value = entry.objectForKey(key);
  return value && value->asString() ? *value->asString() : std::string();
}

}  // namespace

OB2CategoryListController::OB2CategoryListController() : observer_([this] { reloadSpecifiers(); }) {
}

void OB2CategoryListController::readList() {
  NSError error;
  auto list = CategoryListEditor::read(&error);
  initial_ = !list && !NSFileManager::defaultManager().fileExistsAtPath(kCategoriesPath);
  if (initial_) list = CategoryList::initialForThisDevice();
  list_ = list ? std::move(*list) : PlistValue::Array();
  unreadable_ = list ? std::string() : error.localizedDescription;
}

CategoryListEditor::Missing OB2CategoryListController::missing() const {
  return initial_ ? CategoryListEditor::Missing::StartFromInitial
                  : CategoryListEditor::Missing::Refuse;
}

void OB2CategoryListController::reload() {
  renaming_.reset();
  changedMeanwhile_ = false;
  readList();
  if (list_.empty() && isEditing()) PSListController::setEditing(false);
  setRightBarButtonItem(list_.empty() ? std::nullopt
                                      : std::optional<UIBarButtonItem>(editButtonItem()));
  table()->setEditing(isEditing());
  table()->reloadData();
}

bool OB2CategoryListController::loadSpecifiers(NSError*) {
  table()->setDataSource(self());
  table()->setDelegate(self());
  reload();
  return true;
}

void OB2CategoryListController::reloadSpecifiers() {
  if (renaming_) {
    changedMeanwhile_ = true;
    return;
  }
  reload();
}

void OB2CategoryListController::setEditing(bool editing) {
  endRenaming();
  PSListController::setEditing(editing);
  reload();
}

void OB2CategoryListController::viewWillDisappear() {
  endRenaming();
}

NSInteger OB2CategoryListController::numberOfRowsInSection(NSInteger section) {
  return section == kEntries ? static_cast<NSInteger>(list_.size()) : 1;
}

std::optional<std::string> OB2CategoryListController::titleForFooterInSection(NSInteger section) {
  if (section == kReset) return kResetNote;
  if (!unreadable_.empty()) return unreadable_;
  std::string note = initial_ ? std::string(kInitialNote) + " " + kHint : std::string(kHint);
  if (!list_.empty() && CategoryList::visibleCount(list_) == 0)
    note += std::string(" ") + kNoneShown;
  return note;
}

std::shared_ptr<UITableViewCell> OB2CategoryListController::cellForRowAtIndexPath(
    NSIndexPath path) {
  if (path.section == kReset) return resetCell();
  return entryCell(static_cast<std::size_t>(path.row));
}

std::shared_ptr<UITableViewCell> OB2CategoryListController::entryCell(std::size_t index) {
  const auto& entry = list_.at(index);
  auto visible = std::make_shared<UISwitch>();
  visible->setTag(static_cast<NSInteger>(index));
  const PlistValue* shown = entry.objectForKey(category_keys::kVisible);
  visible->setOn(shown && shown->boolValue().value_or(false));
  visible->addTarget(self(), &OB2CategoryListController::visibilityChanged,
                     UIControlEventValueChanged);
  const std::weak_ptr<OB2CategoryListController> weak = self();
  const auto row = static_cast<NSInteger>(index);
  auto move = [weak, row](int by) {
    if (const auto page = weak.lock())
      page->moveRowAtIndexPath({kEntries, row}, {kEntries, row + by});
  };
  return std::make_shared<OB2CategoryCell>(text(entry, category_keys::kPrettyCategoryName),
                                           text(entry, category_keys::kCategoryName),
                                           std::move(visible), index, list_.size(), move);
}

std::shared_ptr<UITableViewCell> OB2CategoryListController::resetCell() {
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(kResetTitle);
  cell->textLabel()->setTextColor(UIColor::systemRedColor());
  cell->setAccessibilityTraits(UIAccessibilityTraitButton);  // it asks before it resets
  return cell;
}

void OB2CategoryListController::didSelectRowAtIndexPath(NSIndexPath path) {
  table()->deselectRowAtIndexPath(path);
  if (path.section == kReset) return confirmReset();
  if (!isEditing()) beginRenaming(static_cast<std::size_t>(path.row));
}

void OB2CategoryListController::report(bool made, const char* title, const NSError& error) {
  reload();
  if (!made) page_alert::failure(*this, title, error.localizedDescription);
}

void OB2CategoryListController::visibilityChanged(UISwitch& sender) {
  endRenaming();
  NSError error;
  const bool made = CategoryListEditor::setVisible(static_cast<std::size_t>(sender.tag()),
                                                   sender.isOn(), &error, missing());
  report(made, "Category Not Changed", error);
}

void OB2CategoryListController::moveRowAtIndexPath(NSIndexPath from, NSIndexPath to) {
  endRenaming();
  NSError error;
  const bool made = CategoryListEditor::move(static_cast<std::size_t>(from.row),
                                             static_cast<std::size_t>(to.row), &error, missing());
  report(made, "Category Not Moved", error);
}

void OB2CategoryListController::confirmReset() {
  endRenaming();
  auto alert = UIAlertController::alertControllerWithTitle(
      "Reset the category list?",
      "Every name, order and switch goes back to the first list. This cannot be undone.");
  alert->addAction(UIAlertAction::actionWithTitle("Cancel", UIAlertActionStyleCancel));
  const std::weak_ptr<OB2CategoryListController> weak = self();
  alert->addAction(UIAlertAction::actionWithTitle("Reset", UIAlertActionStyleDestructive, [weak] {
    if (const auto page = weak.lock()) page->reset();
  }));
  page_alert::present(*this, std::move(alert));
}

void OB2CategoryListController::reset() {
  NSError error;
  CategoryListEditor::Reset done{};
  const bool made = CategoryListEditor::reset(done, &error);
  report(made, "Category List Not Reset", error);
}
