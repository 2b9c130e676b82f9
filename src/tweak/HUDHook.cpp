#include "popup/PopupState.h"
#include "tweak/Tweak.h"

bool (*origHUDIsDisplayableForCategory)(id self, SEL selector, const std::string* category);

bool hookedHUDIsDisplayableForCategory(id self, SEL selector, const std::string* category) {
  // SpringBoard's implementation runs every time, also when its answer is overridden.
  const bool answer = origHUDIsDisplayableForCategory
                          ? origHUDIsDisplayableForCategory(self, selector, category)
                          : true;
  if (!popupWindow) return answer;
  if (popupWindow->isHidden()) return answer;
  return false;
}
