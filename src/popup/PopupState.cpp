#include "popup/PopupState.h"

std::shared_ptr<UIWindow> popupWindow;
std::shared_ptr<OrbelleView> popupView;
bool enableBackgroundBlur = false;
