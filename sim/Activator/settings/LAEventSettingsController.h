#pragma once

#include <string>
#include <vector>

#include "Preferences/PSListController.h"

// The listeners an event can go to in a mode: those that run in it, each with its title and,
// in smaller text, its description, the one assigned checked. A tap assigns the event to the
// listener (in every mode for "anywhere"), or takes it away from the one checked; Activator
// writes it and every process, SpringBoard too, has it at once.
class LAEventSettingsController : public PSListController {
 public:
  static constexpr char kClassName[] = "LAEventSettingsController";

  bool loadSpecifiers(NSError* error = nullptr) override;
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override;
  CGFloat heightForRowAtIndexPath(NSIndexPath path) override;
  void didSelectRowAtIndexPath(NSIndexPath path) override;

 private:
  // The modes the page assigns in: one, or all three.
  std::vector<std::string> modes() const;
  bool isAssigned(const std::string& listener) const;

  std::string event_;
  std::string mode_;
  std::vector<std::string> listeners_;  // the rows, in order
};
