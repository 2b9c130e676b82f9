#include "prefs/OB2RootListController.h"

#include "prefs/PreferencePage.h"
#include "prefs/PreferenceWriter.h"

namespace {

// The framework meets the bundle's classes by name once the bundle is loaded.
const bool registered = [] {
  PSListController::registerControllerClass<OB2RootListController>(
      preference_page::kRootController);
  return true;
}();

}  // namespace

bool OB2RootListController::setPreferenceValue(PlistValue value, const PSSpecifier& specifier,
                                               NSError* error) {
  return PreferenceWriter::set(specifier.key(), std::move(value), error);
}
