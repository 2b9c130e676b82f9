#pragma once

#include "Preferences/PSListController.h"

// Activator's page in Settings: the modes an event can be assigned in, each a link to its
// events. The page and those it opens get the mode and the event from the link that opened
// them ("activatorMode", "activatorEvent"; the mode "anywhere" is every mode at once).
class ActivatorSettingsController : public PSListController {
 public:
  static constexpr char kClassName[] = "ActivatorSettingsController";
  static constexpr char kModeKey[] = "activatorMode";
  static constexpr char kEventKey[] = "activatorEvent";
  static constexpr char kAnywhere[] = "anywhere";

  bool loadSpecifiers(NSError* error = nullptr) override;
};
