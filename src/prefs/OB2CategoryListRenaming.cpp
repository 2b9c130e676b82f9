// The editor's rename: a field over a row's name, and the name saved on its entry.
#include <algorithm>

#include "mixer/CategoryEntry.h"
#include "prefs/OB2CategoryCell.h"
#include "prefs/OB2CategoryListController.h"

// The name's label gives way to a field over it, holding the name, with the focus.
void OB2CategoryListController::beginRenaming(std::size_t index) {
  endRenaming();
  const auto cell = table()->cellForRowAtIndexPath({kEntries, static_cast<NSInteger>(index)});
  if (!cell || index >= list_.size()) return;
  renaming_ = list_[index];
  const auto& label = cell->textLabel();
  // The text stays where it stood: the field's inset to the left of the label, and a little
  // room above and below.
  const CGRect at = label->frame();
  auto field = std::make_shared<UITextField>(
      CGRectMake(at.origin.x - UITextField::kInset, at.origin.y - 2,
                 at.size.width + 2 * UITextField::kInset, at.size.height + 4));
  field->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  field_ = field;
  field->setText(label->text().value_or(std::string()));
  // Return, Escape (which puts the name back) or the focus gone elsewhere: the name is saved.
  field->addTarget(self(), &OB2CategoryListController::renameEnded,
                   UIControlEventEditingDidEndOnExit | UIControlEventEditingDidEnd);
  label->setHidden(true);
  cell->addSubview(field);
  field->becomeFirstResponder();
  field->selectAll();
  // VoiceOver reads the field in the name's place, and goes to it.
  if (auto* entry = dynamic_cast<OB2CategoryCell*>(cell.get())) entry->readFieldForName(field);
  UIAccessibilityPostNotification(UIAccessibilityLayoutChangedNotification, field);
}

void OB2CategoryListController::renameEnded(UITextField& field) {
  const auto index = renamingIndex();
  saveName(field.text());
  // VoiceOver stays on the row, which the table has built again.
  const auto cell = index ? table()->cellForRowAtIndexPath({kEntries, *index}) : nullptr;
  if (cell)
    UIAccessibilityPostNotification(UIAccessibilityLayoutChangedNotification, cell->textLabel());
}

bool OB2CategoryListController::accessibilityPerformEscape() {
  const auto field = field_.lock();
  if (!field || !renaming_ || !field->isFirstResponder()) return false;
  const std::string* name = CategoryEntry(*renaming_).prettyCategoryName();
  field->setText(name ? *name : std::string());
  field->resignFirstResponder();
  return true;
}

std::optional<NSInteger> OB2CategoryListController::renamingIndex() const {
  if (!renaming_) return std::nullopt;
  const auto found = std::find(list_.begin(), list_.end(), *renaming_);
  if (found == list_.end()) return std::nullopt;
  return static_cast<NSInteger>(found - list_.begin());
}

void OB2CategoryListController::endRenaming() {
  if (const auto field = field_.lock(); field && renaming_) field->resignFirstResponder();
}

void OB2CategoryListController::saveName(const std::string& name) {
  if (!renaming_) return;
  const PlistValue entry = std::move(*renaming_);
  renaming_.reset();
  const std::string* old = CategoryEntry(entry).prettyCategoryName();
  if (old && name == *old) return reload();  // unchanged
  // Where the entry is now: another writer may have moved it while the name was typed.
  readList();
  const auto found = std::find(list_.begin(), list_.end(), entry);
  NSError error;
  if (found == list_.end()) {
    error.localizedDescription = "the category list changed elsewhere while the name was typed";
    return report(false, "Category Not Renamed", error);
  }
  const auto index = static_cast<std::size_t>(found - list_.begin());
  const bool made = CategoryListEditor::rename(index, name, &error, missing());
  report(made, "Category Not Renamed", error);
}
