#pragma once

#include <memory>
#include <string>

class UIAlertController;
class UIViewController;

// Alerts over the bundle's pages: over the whole app, bar and all, as an alert is.
namespace page_alert {

void present(UIViewController& page, std::shared_ptr<UIAlertController> alert);
// A change the bundle's writer refused: logged, and shown with an OK button, titled with what
// was not done and saying why.
void failure(UIViewController& page, const std::string& title, const std::string& why);

}  // namespace page_alert
