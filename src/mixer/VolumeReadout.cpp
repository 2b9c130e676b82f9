#include <algorithm>
#include <string>

#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "mixer/CategoryEntry.h"
#include "mixer/LabelText.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/CategoryNames.h"

namespace {

constexpr float kPercentPerUnit = 100.0f;

bool isRouteCategory(const std::string& name) {
  const auto& routed = category_names::kRouteCategories;
  return std::find(routed.begin(), routed.end(), name) != routed.end();
}

}  // namespace

std::string OrbelleView::rowTitle(const CategoryEntry& entry) const {
  const std::string* pretty = entry.prettyCategoryName();
  const std::string* category = entry.categoryName();
  // An entry without a display name still needs a readable title: its category stands in.
  std::string title = pretty ? *pretty : category ? *category : std::string();
  if (category && isRouteCategory(*category)) {
    if (const auto route = avs_->routeForCategory(*category)) title += " (" + *route + ")";
  }
  return title;
}

std::string OrbelleView::labelText(const std::string& title, double percent) const {
  return displayPercentage_ ? label_text::withPercentage(title, percent) : title;
}

void OrbelleView::sliderValueChanged(UISlider& sender) {
  const NSInteger num = categoryNumberForSliderTag(sender.tag());
  const PlistValue* item = entryAt(num);
  if (item == nullptr) return;  // not one of this panel's rows
  const CategoryEntry entry(*item);
  const float percent = sender.value();
  const std::string title = rowTitle(entry);
  if (const auto label = labelFor(num))
    label->setText(labelText(title, static_cast<double>(percent)));
  sender.setAccessibilityLabel(title);
  if (const std::string* category = entry.categoryName()) {
    avs_->setVolumeTo(percent / kPercentPerUnit, *category);
  }
}

void OrbelleView::updateSliderAndLabelForCategoryNum(NSInteger num, float value) {
  const PlistValue* item = entryAt(num);
  if (item == nullptr) return;
  const float percent = value * kPercentPerUnit;
  const std::string title = rowTitle(CategoryEntry(*item));
  if (const auto label = labelFor(num))
    label->setText(labelText(title, static_cast<double>(percent)));
  const auto slider = sliderFor(num);
  if (slider) slider->setAccessibilityLabel(title);
  if (slider && slider->value() != percent) slider->setValue(percent);
}

void OrbelleView::updateValues() {
  if (!avs_) avs_ = SystemVolumeController::shared();
  for (std::size_t i = 0; i < categories_.size(); ++i) {
    const CategoryEntry entry(categories_[i]);
    if (!entry.visible()) continue;
    const auto num = static_cast<NSInteger>(i);
    const auto slider = sliderFor(num);
    const auto label = labelFor(num);
    const std::string* category = entry.categoryName();
    const std::string name = category ? *category : std::string();
    debugLog([&] { return "OB: updating category " + (category ? name : std::string("(null)")); });

    float volume = 0;
    const bool known = category && avs_->getVolume(volume, name);
    const std::string title = rowTitle(entry);
    const float percent = known ? volume * kPercentPerUnit : 0.0f;
    if (slider) {
      slider->setValue(percent, !known);
      // VoiceOver reads the row as its slider: the row's title, and its value or "unknown".
      slider->setAccessibilityLabel(title);
      slider->setAccessibilityValue(known ? std::nullopt : std::optional<std::string>("unknown"));
    }
    if (label) {
      label->setText(known ? labelText(title, static_cast<double>(percent))
                           : label_text::unknown(title));
    }
  }
}
