#include "mixer/OrbelleView.h"

#include "Foundation/NSLog.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "mixer/CategoryEntry.h"

OrbelleView::OrbelleView(CGRect frame) : UIView(frame) {
}

std::shared_ptr<OrbelleView> OrbelleView::initWithFrame(CGRect frame) {
  auto view = std::make_shared<OrbelleView>(frame);
  view->setBackgroundColor(UIColor::blackColor());
  view->setAlpha(1.0);
  view->loadFullView();
  return view;
}

const PlistValue* OrbelleView::entryAt(NSInteger num) const {
  if (num < 0 || static_cast<std::size_t>(num) >= categories_.size()) return nullptr;
  return &categories_[static_cast<std::size_t>(num)];
}

std::optional<NSInteger> OrbelleView::categoryNumberFor(const std::string& name) const {
  for (std::size_t i = 0; i < categories_.size(); ++i) {
    const std::string* entryName = CategoryEntry(categories_[i]).categoryName();
    if (entryName && *entryName == name) return static_cast<NSInteger>(i);
  }
  return std::nullopt;
}

template <class View>
std::shared_ptr<View> OrbelleView::inPanel(const std::weak_ptr<View>& view) const {
  auto held = view.lock();
  return held && isAncestorOf(*held) ? held : nullptr;
}

std::shared_ptr<UILabel> OrbelleView::labelFor(NSInteger num) const {
  const auto row = rows_.find(num);
  return row == rows_.end() ? nullptr : inPanel(row->second.label);
}

std::shared_ptr<UISlider> OrbelleView::sliderFor(NSInteger num) const {
  const auto row = rows_.find(num);
  return row == rows_.end() ? nullptr : inPanel(row->second.slider);
}
