#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Activator/LAListener.h"

// One of the actions SpringBoard offers Activator itself, in every mode: a press of one of its
// buttons, as Activator's own system listeners are.
class SBSystemListener : public LAListener {
 public:
  SBSystemListener(std::string title, std::string description, std::function<void()> action)
      : title_(std::move(title)),
        description_(std::move(description)),
        action_(std::move(action)) {}

  void receiveEvent(LAActivator*, LAEvent& event) override;
  std::string requiresLocalizedTitleForListenerName(LAActivator*, const std::string&) override {
    return title_;
  }
  std::string requiresLocalizedDescriptionForListenerName(LAActivator*,
                                                          const std::string&) override {
    return description_;
  }
  std::vector<std::string> requiresCompatibleEventModesForListenerWithName(
      LAActivator*, const std::string&) override;

  // Registers SpringBoard's own: the sleep button and the Home button.
  static void registerAll();

 private:
  std::string title_;
  std::string description_;
  std::function<void()> action_;
};
