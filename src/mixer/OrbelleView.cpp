#include "mixer/OrbelleView.h"

#include "Foundation/NSLog.h"

OrbelleView::OrbelleView(CGRect frame) : UIView(frame) {
}

void OrbelleView::debugLog(const std::string& message) const {
  if (enableDebugLogging_) NSLog(message);
}
