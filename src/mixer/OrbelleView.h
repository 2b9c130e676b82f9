#pragma once

#include <optional>
#include <string>

#include "Foundation/PlistValue.h"
#include "UIKit/UIColor.h"
#include "UIKit/UIView.h"
#include "platform/SystemVolumeController.h"

// The mixer panel: one row (a name label over a volume slider) per visible audio category.
class OrbelleView : public UIView {
 public:
  explicit OrbelleView(CGRect frame);

  // Reads the preferences file into the settings below, and the device class.
  void loadSettings();
  // Reads the category list into `categories`, creating the file with the initial list when
  // it cannot be read.
  void loadCategories();

  const PlistValue::Array& categories() const { return categories_; }
  const std::shared_ptr<SystemVolumeController>& avs() const { return avs_; }
  bool bindRingerAndAVVolumes() const { return bindRingerAndAVVolumes_; }
  const std::optional<UIColor>& thumbTintColor() const { return thumbTintColor_; }
  const std::optional<UIColor>& minimumTrackTintColor() const { return minimumTrackTintColor_; }
  const std::optional<UIColor>& maximumTrackTintColor() const { return maximumTrackTintColor_; }
  const std::optional<UIColor>& textColor() const { return textColor_; }
  const std::string& selectedSkin() const { return selectedSkin_; }
  bool displayPercentage() const { return displayPercentage_; }
  bool isIpad() const { return isIpad_; }
  bool isIpod() const { return isIpod_; }
  bool enableDebugLogging() const { return enableDebugLogging_; }
  float widgetWidth() const { return widgetWidth_; }

 private:
  void detectDeviceClass();
  // Before the initial list replaces an unreadable file, its bytes are kept beside it; false
  // when that could not be done, and the file must then stay as it is.
  bool keepUnreadableList(const std::optional<std::string>& bytes) const;
  void debugLog(const std::string& message) const;

  PlistValue::Array categories_;
  std::shared_ptr<SystemVolumeController> avs_;
  bool bindRingerAndAVVolumes_ = false;
  std::optional<UIColor> thumbTintColor_;
  std::optional<UIColor> minimumTrackTintColor_;
  std::optional<UIColor> maximumTrackTintColor_;
  std::optional<UIColor> textColor_;
  std::string selectedSkin_;
  bool displayPercentage_ = false;
  bool isIpad_ = false;
  bool isIpod_ = false;
  bool enableDebugLogging_ = false;
  float widgetWidth_ = 0;
};
