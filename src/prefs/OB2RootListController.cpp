#include "prefs/OB2RootListController.h"

#include "Foundation/Overloaded.h"
#include "mixer/PreferenceValues.h"
#include "orbelle2/PreferenceKeys.h"
#include "prefs/PageAlert.h"
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

OB2RootListController::OB2RootListController() : observer_([this] { reloadSpecifiers(); }) {
}

void OB2RootListController::reloadSpecifiers() {
  // An unreadable file is no file to the tweak: every key at its default.
  stored_ = PreferenceWriter::read().value_or(PlistValue::Dictionary());
  PSListController::reloadSpecifiers();
}

PlistValue OB2RootListController::readPreferenceValue(const PSSpecifier& specifier) const {
  const PreferenceKey* key = preference_keys::find(specifier.key());
  if (!key) return PSListController::readPreferenceValue(specifier);
  const auto& prefs = stored_;
  return std::visit(Overloaded{
                        [&](const BooleanPreference& known) {
                          return PlistValue(preference_values::read(prefs, known));
                        },
                        [&](const TextPreference& known) {
                          return PlistValue(preference_values::read(prefs, known));
                        },
                        [&](const ColorPreference& known) {
                          return PlistValue(preference_values::colorIndex(prefs, known));
                        },
                    },
                    *key);
}

void OB2RootListController::setPreferenceValue(PlistValue value, const PSSpecifier& specifier) {
  NSError error;
  if (PreferenceWriter::set(specifier.key(), std::move(value), &error)) return;
  reloadSpecifiers();
  page_alert::failure(*this, specifier.label() + kNotChanged, error.localizedDescription);
}
