#include "device/ModelScreens.h"

#include <algorithm>

#include "SimDevice/DeviceModel.h"

namespace model_screens {

const std::vector<ModelScreen>& all() {
  static const std::vector<ModelScreen> models = {
      {"iPhone7,2", "iPhone 6", {375, 667}, 2, true},
      {"iPhone7,1", "iPhone 6 Plus", {414, 736}, 3, true},
      {"iPhone8,1", "iPhone 6s", {375, 667}, 2, true},
      {"iPhone8,2", "iPhone 6s Plus", {414, 736}, 3, true},
      {"iPhone8,4", "iPhone SE", {320, 568}, 2, true},
      {"iPhone9,1", "iPhone 7", {375, 667}, 2, true},
      {"iPhone9,3", "iPhone 7", {375, 667}, 2, true},
      {"iPhone9,2", "iPhone 7 Plus", {414, 736}, 3, true},
      {"iPhone9,4", "iPhone 7 Plus", {414, 736}, 3, true},
      {"iPhone10,1", "iPhone 8", {375, 667}, 2, true},
      {"iPhone10,4", "iPhone 8", {375, 667}, 2, true},
      {"iPhone10,2", "iPhone 8 Plus", {414, 736}, 3, true},
      {"iPhone10,5", "iPhone 8 Plus", {414, 736}, 3, true},
      {"iPhone10,3", "iPhone X", {375, 812}, 3, false},
      {"iPhone10,6", "iPhone X", {375, 812}, 3, false},
      {"iPhone11,2", "iPhone XS", {375, 812}, 3, false},
      {"iPhone11,4", "iPhone XS Max", {414, 896}, 3, false},
      {"iPhone11,6", "iPhone XS Max", {414, 896}, 3, false},
      {"iPhone11,8", "iPhone XR", {414, 896}, 2, false},
      {"iPhone12,1", "iPhone 11", {414, 896}, 2, false},
      {"iPhone12,3", "iPhone 11 Pro", {375, 812}, 3, false},
      {"iPhone12,5", "iPhone 11 Pro Max", {414, 896}, 3, false},
      {"iPhone12,8", "iPhone SE (2nd generation)", {375, 667}, 2, true},
      {"iPad5,1", "iPad mini 4", {768, 1024}, 2, true},
      {"iPad5,2", "iPad mini 4", {768, 1024}, 2, true},
      {"iPad5,3", "iPad Air 2", {768, 1024}, 2, true},
      {"iPad5,4", "iPad Air 2", {768, 1024}, 2, true},
      {"iPad6,3", "iPad Pro (9.7-inch)", {768, 1024}, 2, true},
      {"iPad6,4", "iPad Pro (9.7-inch)", {768, 1024}, 2, true},
      {"iPad6,7", "iPad Pro (12.9-inch)", {1024, 1366}, 2, true},
      {"iPad6,8", "iPad Pro (12.9-inch)", {1024, 1366}, 2, true},
      {"iPad6,11", "iPad (5th generation)", {768, 1024}, 2, true},
      {"iPad6,12", "iPad (5th generation)", {768, 1024}, 2, true},
      {"iPad7,1", "iPad Pro (12.9-inch, 2nd generation)", {1024, 1366}, 2, true},
      {"iPad7,2", "iPad Pro (12.9-inch, 2nd generation)", {1024, 1366}, 2, true},
      {"iPad7,3", "iPad Pro (10.5-inch)", {834, 1112}, 2, true},
      {"iPad7,4", "iPad Pro (10.5-inch)", {834, 1112}, 2, true},
      {"iPad7,5", "iPad (6th generation)", {768, 1024}, 2, true},
      {"iPad7,6", "iPad (6th generation)", {768, 1024}, 2, true},
      {"iPad7,11", "iPad (7th generation)", {810, 1080}, 2, true},
      {"iPad7,12", "iPad (7th generation)", {810, 1080}, 2, true},
      {"iPad8,1", "iPad Pro (11-inch)", {834, 1194}, 2, false},
      {"iPad8,2", "iPad Pro (11-inch)", {834, 1194}, 2, false},
      {"iPad8,3", "iPad Pro (11-inch)", {834, 1194}, 2, false},
      {"iPad8,4", "iPad Pro (11-inch)", {834, 1194}, 2, false},
      {"iPad8,5", "iPad Pro (12.9-inch, 3rd generation)", {1024, 1366}, 2, false},
      {"iPad8,6", "iPad Pro (12.9-inch, 3rd generation)", {1024, 1366}, 2, false},
      {"iPad8,7", "iPad Pro (12.9-inch, 3rd generation)", {1024, 1366}, 2, false},
      {"iPad8,8", "iPad Pro (12.9-inch, 3rd generation)", {1024, 1366}, 2, false},
      {"iPad11,1", "iPad mini (5th generation)", {768, 1024}, 2, true},
      {"iPad11,2", "iPad mini (5th generation)", {768, 1024}, 2, true},
      {"iPad11,3", "iPad Air (3rd generation)", {834, 1112}, 2, true},
      {"iPad11,4", "iPad Air (3rd generation)", {834, 1112}, 2, true},
      {"iPod7,1", "iPod touch (6th generation)", {320, 568}, 2, true},
      {"iPod9,1", "iPod touch (7th generation)", {320, 568}, 2, true},
  };
  return models;
}

CGSize smallest() {
  CGSize least = all().front().points;
  for (const auto& screen : all()) {
    least.width = std::min(least.width, screen.points.width);
    least.height = std::min(least.height, screen.points.height);
  }
  return least;
}

Result<ModelScreen> of(std::string_view model) {
  const auto& models = all();
  const auto found = std::find_if(models.begin(), models.end(),
                                  [&](const ModelScreen& known) { return known.model == model; });
  if (found != models.end()) return *found;
  std::string known;
  for (const auto& screen : models)
    known += (known.empty() ? "" : ", ") + std::string(screen.model);
  return fail("unknown model \"" + std::string(model) + "\" (known: " + known + ")");
}

UIEdgeInsets safeArea(const ModelScreen& screen, bool landscape) {
  const CGFloat bar = statusBarHeight(screen);
  if (screen.homeButton)
    return UIEdgeInsetsMake(landscape && DeviceModel::isIPhone(screen.model) ? 0 : bar, 0, 0, 0);
  if (!DeviceModel::isIPhone(screen.model)) return UIEdgeInsetsMake(bar, 0, 20, 0);
  return landscape ? UIEdgeInsetsMake(0, 44, 21, 44) : UIEdgeInsetsMake(44, 0, 34, 0);
}

CGFloat statusBarHeight(const ModelScreen& screen) {
  if (screen.homeButton) return 20;
  return DeviceModel::isIPhone(screen.model) ? 44 : 24;
}

}  // namespace model_screens
