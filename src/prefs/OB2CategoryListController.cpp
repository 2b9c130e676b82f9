#include "prefs/OB2CategoryListController.h"

#include "Foundation/NSLog.h"
#include "mixer/CategoryKeys.h"
#include "prefs/CategoryListEditor.h"
#include "prefs/PreferencePage.h"

namespace {

const bool registered = [] {
  PSListController::registerControllerClass<OB2CategoryListController>(
      preference_page::kCategoryEditor);
  return true;
}();

std::string text(const PlistValue& entry, const char* key) {
  const PlistValue* value = entry.objectForKey(key);
  return value && value->asString() ? *value->asString() : std::string();
}

}  // namespace

void OB2CategoryListController::readList() {
  NSError error;
  auto list = CategoryListEditor::read(&error);
  list_ = list ? std::move(*list) : PlistValue::Array();
  unreadable_ = list ? std::string() : error.localizedDescription;
}

bool OB2CategoryListController::loadSpecifiers(NSError*) {
  readList();
  table()->setDataSource(weak_from_this());
  table()->setDelegate(weak_from_this());
  table()->reloadData();
  return true;
}

NSInteger OB2CategoryListController::numberOfRowsInSection(NSInteger) {
  return static_cast<NSInteger>(list_.size());
}

std::optional<std::string> OB2CategoryListController::titleForFooterInSection(NSInteger) {
  if (unreadable_.empty()) return std::nullopt;
  return unreadable_;
}

std::shared_ptr<UITableViewCell> OB2CategoryListController::cellForRowAtIndexPath(
    NSIndexPath path) {
  const auto& entry = list_.at(static_cast<std::size_t>(path.row));
  auto cell = std::make_shared<UITableViewCell>(UITableViewCellStyleSubtitle);
  cell->textLabel()->setText(text(entry, category_keys::kPrettyCategoryName));
  cell->detailTextLabel()->setText(text(entry, category_keys::kCategoryName));
  auto visible = std::make_shared<UISwitch>();
  visible->setTag(path.row);
  const PlistValue* shown = entry.objectForKey(category_keys::kVisible);
  visible->setOn(shown && shown->boolValue().value_or(false));
  visible->addTarget(std::static_pointer_cast<OB2CategoryListController>(shared_from_this()),
                     &OB2CategoryListController::visibilityChanged, UIControlEventValueChanged);
  cell->setAccessoryView(visible);
  return cell;
}

void OB2CategoryListController::visibilityChanged(UISwitch& sender) {
  NSError error;
  if (!CategoryListEditor::setVisible(static_cast<std::size_t>(sender.tag()), sender.isOn(),
                                      &error)) {
    NSLog("Preferences: the category was not changed: " + error.localizedDescription);
  }
  readList();
  table()->reloadData();
}
