#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIGeometry.h"
#include "common/Result.h"

// The models the simulator boots, each with its screen as the device has it: points held
// upright and pixels per point.
struct ModelScreen {
  std::string_view model;  // "hw.machine", such as "iPhone10,3"
  std::string_view name;   // what people call it
  CGSize points;
  int scale;
  bool homeButton;  // under the screen, as models before the edge-to-edge screens have
};

namespace model_screens {

const std::vector<ModelScreen>& all();
// The least width and the least height of the models' screens, held upright.
CGSize smallest();
// Refused, with the models known, when the simulator does not boot it.
Result<ModelScreen> of(std::string_view model);
// The status bar's height: 20 points over a screen with a Home button under it, else 44 on an
// iPhone (the notch) and 24 on an iPad.
CGFloat statusBarHeight(const ModelScreen& screen);
// What the screen keeps clear of content, upright or on its side: under the status bar; on the
// notched iPhones the notch's side and the home indicator; on the iPads without a Home button
// the status bar and the home indicator.
UIEdgeInsets safeArea(const ModelScreen& screen, bool landscape);

}  // namespace model_screens
