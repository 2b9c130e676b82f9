#include "LAEventSettingsController.h"

#include <algorithm>

#include "Activator/LAActivator.h"
#include "ActivatorSettingsController.h"
#include "UIKit/UITableViewCell.h"

namespace {

constexpr CGFloat kRowHeight = 58;  // a title and a line of description under it

bool runsIn(const std::vector<std::string>& modes, const std::vector<std::string>& wanted) {
  return std::all_of(wanted.begin(), wanted.end(), [&](const std::string& mode) {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
  });
}

}  // namespace

std::vector<std::string> LAEventSettingsController::modes() const {
  if (mode_ == ActivatorSettingsController::kAnywhere) return LAActivator::availableEventModes();
  return {mode_};
}

bool LAEventSettingsController::isAssigned(const std::string& listener) const {
  const auto all = modes();
  return std::all_of(all.begin(), all.end(), [&](const std::string& mode) {
    return LASharedActivator->assignedListenerNameForEvent(*LAEvent::eventWithName(event_, mode)) ==
           listener;
  });
}

bool LAEventSettingsController::loadSpecifiers(NSError*) {
  if (specifier()) {
    mode_ = specifier()->property(ActivatorSettingsController::kModeKey);
    event_ = specifier()->property(ActivatorSettingsController::kEventKey);
  }
  listeners_.clear();
  for (const auto& name : LASharedActivator->availableListenerNames()) {
    if (runsIn(LASharedActivator->compatibleEventModesForListenerWithName(name), modes())) {
      listeners_.push_back(name);
    }
  }
  PlistValue::Array items{PlistValue(PlistValue::Dictionary{
      {"cell", PlistValue("PSGroupCell")},
      {"label", PlistValue(LAActivator::localizedTitleForEventMode(
                    mode_ == ActivatorSettingsController::kAnywhere ? "" : mode_))},
      {"footerText", PlistValue(listeners_.empty() ? "No action runs here." : "")},
  })};
  for (const auto& name : listeners_) {
    items.emplace_back(PlistValue::Dictionary{{"cell", PlistValue("PSStaticTextCell")},
                                              {"label", PlistValue(name)}});
  }
  setSpecifierItems(items);
  return true;
}

std::shared_ptr<UITableViewCell> LAEventSettingsController::cellForRowAtIndexPath(
    NSIndexPath path) {
  const auto row = static_cast<std::size_t>(path.row);
  if (row >= listeners_.size()) return PSListController::cellForRowAtIndexPath(path);
  const std::string& name = listeners_[row];
  auto cell = std::make_shared<UITableViewCell>(UITableViewCellStyleSubtitle);
  cell->textLabel()->setText(LASharedActivator->localizedTitleForListenerName(name));
  cell->detailTextLabel()->setText(LASharedActivator->localizedDescriptionForListenerName(name));
  cell->setAccessoryType(isAssigned(name) ? UITableViewCellAccessoryCheckmark
                                          : UITableViewCellAccessoryNone);
  return cell;
}

CGFloat LAEventSettingsController::heightForRowAtIndexPath(NSIndexPath path) {
  if (static_cast<std::size_t>(path.row) < listeners_.size()) return kRowHeight;
  return PSListController::heightForRowAtIndexPath(path);
}

void LAEventSettingsController::didSelectRowAtIndexPath(NSIndexPath path) {
  table()->deselectRowAtIndexPath(path);
  const auto row = static_cast<std::size_t>(path.row);
  if (row >= listeners_.size()) return;
  const std::string& name = listeners_[row];
  const bool assigned = isAssigned(name);
  for (const auto& mode : modes()) {
    const auto event = LAEvent::eventWithName(event_, mode);
    if (assigned) {
      LASharedActivator->unassignEvent(*event);
    } else {
      LASharedActivator->assignEvent(*event, name);
    }
  }
  table()->reloadData();
}
