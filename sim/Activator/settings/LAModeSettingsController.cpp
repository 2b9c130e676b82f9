#include "LAModeSettingsController.h"

#include "Activator/LAActivator.h"
#include "ActivatorSettingsController.h"
#include "LAEventSettingsController.h"

bool LAModeSettingsController::loadSpecifiers(NSError*) {
  const std::string mode =
      specifier() ? specifier()->property(ActivatorSettingsController::kModeKey) : std::string();
  PlistValue::Array items;
  std::string group;
  for (const auto& event : LAActivator::availableEventNames()) {
    if (const auto eventGroup = LAActivator::localizedGroupForEventName(event);
        items.empty() || eventGroup != group) {
      group = eventGroup;
      items.emplace_back(PlistValue::Dictionary{{"cell", PlistValue("PSGroupCell")},
                                                {"label", PlistValue(group)}});
    }
    items.emplace_back(PlistValue::Dictionary{
        {"cell", PlistValue("PSLinkCell")},
        {"label", PlistValue(LAActivator::localizedTitleForEventName(event))},
        {"detail", PlistValue(LAEventSettingsController::kClassName)},
        {ActivatorSettingsController::kModeKey, PlistValue(mode)},
        {ActivatorSettingsController::kEventKey, PlistValue(event)},
    });
  }
  setSpecifierItems(items);
  return true;
}
