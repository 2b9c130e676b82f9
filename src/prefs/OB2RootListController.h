#pragma once

#include <memory>

#include "Preferences/PSListController.h"
#include "prefs/PreferencesObserver.h"

// The bundle's principal class: the tweak's page. Each cell shows its key as the tweak reads it
// (a value of another type converted, or its default, as the panel takes it), and each change
// goes through the bundle's own writer, under the file's write claim and with its refusals,
// rather than the framework's store, so that the file holds it when the announcement goes out.
// A refused change shows an alert that says why, and the cell goes back to the stored value.
// The file is read once each time the page builds its cells, not once a cell; the page follows
// changes made elsewhere.
class OB2RootListController : public PSListController {
 public:
  static constexpr char kNotChanged[] = " Not Changed";

  OB2RootListController();

  void reloadSpecifiers() override;
  PlistValue readPreferenceValue(const PSSpecifier& specifier) const override;
  void setPreferenceValue(PlistValue value, const PSSpecifier& specifier) override;

 private:
  PlistValue::Dictionary stored_;
  PreferencesObserver observer_;
};
