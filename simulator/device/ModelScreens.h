#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CoreGraphics/CGGeometry.h"

// The models the simulator boots, each with its screen as the device has it: points held
// upright and pixels per point.
struct ModelScreen {
  std::string_view model;  // "hw.machine", such as "iPhone10,3"
  std::string_view name;   // what people call it
  CGSize points;
  int scale;
};

namespace model_screens {

const std::vector<ModelScreen>& all();
std::optional<ModelScreen> of(std::string_view model);
// "iPhone7,1, iPhone7,2, ..." for a message.
std::string knownModels();

}  // namespace model_screens
