#pragma once

#include "Preferences/PSListController.h"

// The bundle's principal class: the tweak's page. It writes each change through the bundle's
// own writer, under the file's write claim and with its refusals, rather than the framework's
// plain write; the writer announces the change.
class OB2RootListController : public PSListController {
 public:
  bool setPreferenceValue(PlistValue value, const PSSpecifier& specifier, NSError* error) override;
};
