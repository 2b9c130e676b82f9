#include <cstdio>
#include <string>

#include "Foundation/NSNotificationCenter.h"
#include "mixer/CategoryEntry.h"
#include "mixer/OrbelleView.h"
#include "mixer/PanelMetrics.h"

namespace {
constexpr CGFloat kTopMargin = panel_metrics::kTopMargin;
constexpr CGFloat kRowHeight = panel_metrics::kRowHeight;
}  // namespace

void OrbelleView::loadFullView() {
  loadSettings();
  debugLog("OB: loadFullViewWithResourcesBundle");
  loadCategories();
  if (!avs_) avs_ = SystemVolumeController::shared();
  widgetWidth_ = static_cast<float>(frame().size.width);
  debugLog([this] {
    char width[64];
    std::snprintf(width, sizeof width, "%f", static_cast<double>(widgetWidth_));
    return std::string("OB: width=") + width;
  });
  layOutRows();
  updateValues();
  NSNotificationCenter::defaultCenter().addObserver(
      std::static_pointer_cast<OrbelleView>(shared_from_this()),
      &OrbelleView::receiveVolumeChangedNotification,
      SystemVolumeController::kVolumeDidChangeNotification, nullptr);
}

void OrbelleView::layOutRows() {
  NSInteger visibleRows = 0;
  // The count is asked afresh on every turn, as the list may change under a row's build.
  for (std::size_t i = 0; i < categories_.size(); ++i) {
    const CategoryEntry entry(categories_[i]);
    if (!entry.visible()) continue;
    const CGRect rowFrame = CGRectMake(
        0.0, kTopMargin + kRowHeight * static_cast<CGFloat>(visibleRows), widgetWidth_, kRowHeight);
    const std::string* name = entry.prettyCategoryName();
    addSubview(singleCategoryView(static_cast<NSInteger>(i), rowFrame,
                                  name ? std::optional<std::string>(*name) : std::nullopt));
    ++visibleRows;
  }
}

void OrbelleView::removeAll() {
  const auto rows = subviews();
  for (const auto& row : rows) row->removeFromSuperview();
  rows_.clear();
  debugLog("OB: removing volume observer...");
  NSNotificationCenter::defaultCenter().removeObserver(this);
}
