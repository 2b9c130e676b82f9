#include "prefs/PageAlert.h"

#include "Foundation/NSLog.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UINavigationController.h"

namespace page_alert {

void present(UIViewController& page, std::shared_ptr<UIAlertController> alert) {
  if (const auto navigation = page.navigationController()) {
    navigation->presentViewController(std::move(alert));
  } else {
    page.presentViewController(std::move(alert));
  }
}

void failure(UIViewController& page, const std::string& title, const std::string& why) {
  NSLog("Preferences: " + title + ": " + why);
  auto alert = UIAlertController::alertControllerWithTitle(title, why);
  alert->addAction(UIAlertAction::actionWithTitle("OK", UIAlertActionStyleCancel));
  present(page, std::move(alert));
}

}  // namespace page_alert
