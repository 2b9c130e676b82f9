#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Activator/LAListener.h"
#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIWindow.h"

// The Activator listener "com.zentrik.orbelle2": an event opens the mixer popup, a tap
// outside the panel closes it. Activator holds the one instance.
class OrbelleActivatorPopup : public LAListener,
                              public std::enable_shared_from_this<OrbelleActivatorPopup> {
 public:
  static constexpr char kListenerName[] = "com.zentrik.orbelle2";
  // What VoiceOver says of the full-screen button that closes the popup.
  static constexpr char kCloseLabel[] = "Close the mixer";

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
  // The close button, under the panel; answered for VoiceOver's order.
  std::shared_ptr<UIButton> addCloseButton(UIWindow& window);
  void addPanel(UIWindow& window, NSInteger rows);
};
