#pragma once

#include "Preferences/PSListController.h"

// The bundle's principal class: the tweak's page. Each cell shows its key as the tweak reads it
// (a value of another type converted, or its default, as the panel takes it), and each change
// goes through the bundle's own writer, under the file's write claim and with its refusals,
// rather than the framework's plain write; the writer announces the change. The file is read
// once each time the page builds its cells, not once a cell.
class OB2RootListController : public PSListController {
 public:
  void reloadSpecifiers() override;
  PlistValue readPreferenceValue(const PSSpecifier& specifier) const override;
  bool setPreferenceValue(PlistValue value, const PSSpecifier& specifier, NSError* error) override;

 private:
  PlistValue::Dictionary stored_;
};
