#include "ActivatorSettingsController.h"

#include "Activator/LAActivator.h"
#include "LAEventSettingsController.h"
#include "LAModeSettingsController.h"

namespace {

// Settings meets a bundle's classes by name once the bundle is loaded.
const bool registered = [] {
  PSListController::registerControllerClass<ActivatorSettingsController>(
      ActivatorSettingsController::kClassName);
  PSListController::registerControllerClass<LAModeSettingsController>(
      LAModeSettingsController::kClassName);
  PSListController::registerControllerClass<LAEventSettingsController>(
      LAEventSettingsController::kClassName);
  return true;
}();

PlistValue link(const std::string& label, const std::string& mode) {
  return PlistValue(PlistValue::Dictionary{
      {"cell", PlistValue("PSLinkCell")},
      {"label", PlistValue(label)},
      {"detail", PlistValue(LAModeSettingsController::kClassName)},
      {ActivatorSettingsController::kModeKey, PlistValue(mode)},
  });
}

}  // namespace

bool ActivatorSettingsController::loadSpecifiers(NSError*) {
  setTitle("Activator");
  PlistValue::Array items{PlistValue(PlistValue::Dictionary{
      {"cell", PlistValue("PSGroupCell")},
      {"footerText", PlistValue("Assign the events of each mode to an action.")},
  })};
  items.push_back(link(LAActivator::localizedTitleForEventMode(""), kAnywhere));
  for (const auto& mode : LAActivator::availableEventModes()) {
    items.push_back(link(LAActivator::localizedTitleForEventMode(mode), mode));
  }
  setSpecifierItems(items);
  return true;
}
