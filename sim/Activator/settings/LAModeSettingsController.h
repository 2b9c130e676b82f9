#pragma once

#include "Preferences/PSListController.h"

// The events of one mode, under their groups, each a link to the listeners it can go to.
class LAModeSettingsController : public PSListController {
 public:
  static constexpr char kClassName[] = "LAModeSettingsController";

  bool loadSpecifiers(NSError* error = nullptr) override;
};
