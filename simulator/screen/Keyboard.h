#pragma once

#include <string>

#include "common/Result.h"

// Where typed keys go, as the device's keyboard sends them: to the text field with the focus in
// this process, else to the one in the process of the app in front.
namespace keyboard {

// Whether a field takes keys now (so that no key reaches the device's buttons).
bool editing();
// Text typed into it; answers the field's text as `text "..."`.
Result<std::string> type(const std::string& text);
// "return", "escape" or "backspace".
Result<std::string> key(const std::string& name);

}  // namespace keyboard
