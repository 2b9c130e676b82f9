#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Activator/LAListener.h"
#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIWindow.h"

// The Activator listener "com.zentrik.orbelle2": an event opens the mixer popup, a tap
// outside the panel closes it. Activator holds the one instance.
class OrbelleActivatorPopup : public LAListener,
                              public std::enable_shared_from_this<OrbelleActivatorPopup> {
 public:
  static constexpr char kListenerName[] = "com.zentrik.orbelle2";

  // Class load: the default events on first sight, the listener itself inside SpringBoard.
  static void load();

  void receiveEvent(LAActivator* activator, LAEvent& event) override;
  std::string requiresLocalizedTitleForListenerName(LAActivator* activator,
                                                    const std::string& listenerName) override;
  std::string requiresLocalizedDescriptionForListenerName(LAActivator* activator,
                                                          const std::string& listenerName) override;
  std::vector<std::string> requiresCompatibleEventModesForListenerWithName(
      LAActivator* activator, const std::string& listenerName) override;

  // Entries of the category list whose "visible" is true; 5 when it cannot be read.
  NSInteger visibleCategoriesCount();
  void close();

 private:
  void addBlurredBackground(UIView& rootView);
  void addCloseButton(UIWindow& window);
  void addPanel(UIWindow& window, NSInteger rows);
};
