#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "Preferences/PSListController.h"
#include "UIKit/UIButton.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITextField.h"
#include "prefs/CategoryListEditor.h"
#include "prefs/PreferencesObserver.h"

// The bundle's category editor: one row for each entry of the category list, in its order, with
// the name the panel shows, the category's own name in small text under it and a switch for
// whether the panel shows it. A tap on a name opens a field to rename it (Return saves, Escape
// puts the name back); Edit shows a handle on each row to drag it to another place; "Reset to
// defaults", once confirmed, removes the list. A name being typed is saved before anything else
// on the page happens (another row, a switch, Edit, the back button), and the page follows
// changes made elsewhere once no name is being typed. A list that is missing or cannot be read
// shows why, and no rows: nothing on the page can write over it. Before the panel has written its
// list, the page shows the list it would write, and the first change writes it. Each change is
// written at once; one refused shows an alert that says why, and the rows show the list as it is
// stored.
class OB2CategoryListController : public PSListController {
 public:
  static constexpr char kResetTitle[] = "Reset to defaults";

  OB2CategoryListController();

  bool loadSpecifiers(NSError* error = nullptr) override;
  void reloadSpecifiers() override;
  void setEditing(bool editing) override;
  void viewWillDisappear() override;

  NSInteger numberOfSections() override { return 2; }
  NSInteger numberOfRowsInSection(NSInteger section) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  std::optional<std::string> titleForHeaderInSection(NSInteger) override { return std::nullopt; }
  std::optional<std::string> titleForFooterInSection(NSInteger section) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;
  bool canMoveRowAtIndexPath(NSIndexPath path) override { return path.section == kEntries; }
  void moveRowAtIndexPath(NSIndexPath from, NSIndexPath to) override;

  // VoiceOver's escape gesture while a name is typed puts the name back, as Escape does, rather
  // than leaving the page with what was typed.
  bool accessibilityPerformEscape() override;

 private:
  static constexpr NSInteger kEntries = 0;
  static constexpr NSInteger kReset = 1;

  std::shared_ptr<OB2CategoryListController> self() {
    return sharedAs<OB2CategoryListController>();
  }
  void reload();
  void readList();
  std::shared_ptr<UITableViewCell> entryCell(std::size_t index);
  std::optional<NSInteger> renamingIndex() const;
  std::shared_ptr<UITableViewCell> resetCell();
  void visibilityChanged(UISwitch& sender);
  void beginRenaming(std::size_t index);
  void renameEnded(UITextField& field);
  // Saves the name being typed, if any, by ending its editing.
  void endRenaming();
  void saveName(const std::string& name);
  void confirmReset();
  void reset();
  CategoryListEditor::Missing missing() const;
  // Shows a refused edit, or does nothing for one made.
  void report(bool made, const char* title, const NSError& error);

  PlistValue::Array list_;
  std::string unreadable_;  // why there are no rows, when the list cannot be had
  bool initial_ = false;    // the rows are the list the panel would write, not yet stored
  // The entry being renamed, as it was read: found again by its contents when the name is
  // saved, wherever the list has it by then.
  std::optional<PlistValue> renaming_;
  std::weak_ptr<UITextField> field_;
  bool changedMeanwhile_ = false;  // a change made elsewhere while a name was being typed
  PreferencesObserver observer_;
};
