#pragma once

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>

#include "Foundation/NSError.h"
#include "Foundation/NSLog.h"
#include "Foundation/NSNotification.h"
#include "Foundation/NSObjCRuntime.h"
#include "Foundation/PlistValue.h"
#include "UIKit/UIColor.h"
#include "UIKit/UIView.h"
#include "orbelle2/RowTags.h"
#include "platform/SystemVolumeController.h"

class CategoryEntry;
class UILabel;
class UISlider;

// The mixer panel: one row (a name label over a volume slider) per visible audio category.
// Rows are addressed by category number and tagged as RowTags.h says. The panel also keeps its
// rows' controls by category number, so that finding one costs no walk of the tree and lists
// longer than a thousand entries, whose tags collide, work all the same.
class OrbelleView : public UIView {
 public:
  static constexpr NSInteger labelTag(NSInteger num) { return row_tags::label(num); }
  static constexpr NSInteger sliderTag(NSInteger num) { return row_tags::slider(num); }
  static constexpr NSInteger categoryNumberForSliderTag(NSInteger tag) {
    return row_tags::categoryForSlider(tag);
  }

  // A bare panel; initWithFrame is the way to get a built one.
  explicit OrbelleView(CGRect frame);
  const char* className() const override { return row_tags::kPanelClass; }

  // The panel, built: settings and category list read, rows made and filled with the current
  // volumes, volume changes followed.
  static std::shared_ptr<OrbelleView> initWithFrame(CGRect frame);

  void loadSettings();
  void loadCategories();
  void loadFullView();
  // Strips the rows and stops following volume changes.
  void removeAll();
  void receiveVolumeChangedNotification(const NSNotification& notification);
  std::shared_ptr<UIView> singleCategoryView(NSInteger num, CGRect frame,
                                             const std::optional<std::string>& name);
  void sliderValueChanged(UISlider& sender);
  void updateSliderAndLabelForCategoryNum(NSInteger num, float value);
  void updateValues();

  const PlistValue::Array& categories() const { return categories_; }
  bool bindRingerAndAVVolumes() const { return bindRingerAndAVVolumes_; }
  const std::optional<UIColor>& thumbTintColor() const { return thumbTintColor_; }
  const std::optional<UIColor>& minimumTrackTintColor() const { return minimumTrackTintColor_; }
  const std::optional<UIColor>& maximumTrackTintColor() const { return maximumTrackTintColor_; }
  const UIColor& textColor() const { return textColor_; }
  const std::string& selectedSkin() const { return selectedSkin_; }
  bool displayPercentage() const { return displayPercentage_; }
  bool enableDebugLogging() const { return enableDebugLogging_; }

  // The label and the slider of category `num` while they are in this panel; null otherwise.
  std::shared_ptr<UILabel> labelFor(NSInteger num) const;
  std::shared_ptr<UISlider> sliderFor(NSInteger num) const;

 private:
  struct RowControls {
    std::weak_ptr<UILabel> label;
    std::weak_ptr<UISlider> slider;
  };
  // The view if it is still part of this panel.
  template <class View>
  std::shared_ptr<View> inPanel(const std::weak_ptr<View>& view) const;

  void detectDeviceClass();
  void layOutRows();
  void applySkin(UILabel& label, UISlider& slider) const;

  // The entry with category number `num`; null outside the list.
  const PlistValue* entryAt(NSInteger num) const;
  // The first category number whose "categoryName" is `name`.
  std::optional<NSInteger> categoryNumberFor(const std::string& name) const;
  // The pretty name, with the current route in parentheses for the route categories.
  std::string rowTitle(const CategoryEntry& entry) const;
  std::string labelText(const std::string& title, double percent) const;
  void followPartner(const std::string& changed, float volume);
  // Writes the line only with debug logging on; a callable `line` is only then asked to build
  // it, so the slider's path formats nothing it will not log.
  template <class Line>
  void debugLog(Line&& line) const {
    if (!enableDebugLogging_) return;
    if constexpr (std::is_invocable_v<Line>) {
      NSLog(line());
    } else {
      NSLog(line);
    }
  }

  PlistValue::Array categories_;
  std::shared_ptr<SystemVolumeController> avs_;
  bool bindRingerAndAVVolumes_ = false;
  std::optional<UIColor> thumbTintColor_;
  std::optional<UIColor> minimumTrackTintColor_;
  std::optional<UIColor> maximumTrackTintColor_;
  UIColor textColor_ = UIColor::whiteColor();
  std::string selectedSkin_;
  bool displayPercentage_ = false;
  bool isIpad_ = false;
  bool isIpod_ = false;
  bool enableDebugLogging_ = false;
  float widgetWidth_ = 0;
  // Owned by the view tree, as the rows are: a row taken out of the panel is gone from here.
  std::unordered_map<NSInteger, RowControls> rows_;
};
