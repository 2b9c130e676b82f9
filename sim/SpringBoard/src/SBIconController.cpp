#include "SBIconController.h"

#include <algorithm>

#include "SBHomeScreenOrientation.h"
#include "SpringBoard/SpringBoard.h"

namespace {

constexpr const char* kGridApps[] = {
    "Messages", "Calendar", "Photos",   "Settings", "Camera",    "Mail",    "Clock",     "Maps",
    "Weather",  "Notes",    "Stocks",   "Books",    "Health",    "Wallet",  "Files",     "Podcasts",
    "Home",     "Tips",     "Contacts", "Compass",  "Translate", "Measure", "Shortcuts", "TV",
};
constexpr const char* kDockApps[] = {"Phone", "Safari", "Music", "Videos"};
constexpr UIColor kIconColors[] = {
    {0.30, 0.85, 0.39, 1}, {0.20, 0.60, 1.00, 1}, {1.00, 0.80, 0.00, 1}, {1.00, 0.23, 0.19, 1},
    {0.35, 0.34, 0.84, 1}, {1.00, 0.58, 0.00, 1}, {0.56, 0.56, 0.58, 1}, {0.00, 0.78, 0.75, 1},
};
constexpr std::size_t kColumns = 4;        // held upright, and in the dock
constexpr std::size_t kColumnsTurned = 6;  // on its side, where the screen is wide
constexpr int kFewestRows = 2;
constexpr CGFloat kTop = 40;
constexpr CGFloat kRowStep = 88;
constexpr CGFloat kDockHeight = 88;
constexpr CGFloat kDockInset = 8;
const UIColor kDockPlate{1, 1, 1, 0.25};

// Lays the icons out again whenever the screen turns: as many rows as fit above the dock, and
// wider rows while the screen is wider than tall.
class HomeScreenWindow : public UIWindow {
 public:
  const char* className() const override { return "SBHomeScreenWindow"; }

  std::vector<std::shared_ptr<SBIconView>> grid;
  std::vector<std::shared_ptr<SBIconView>> dock;
  std::shared_ptr<UIView> plate = std::make_shared<UIView>();

  void layoutSubviews() override {
    const CGSize size = frame().size;
    const CGFloat icon = SBIconView::kIconSide;
    const std::size_t columns = size.width > size.height ? kColumnsTurned : kColumns;
    const CGFloat across = (size.width - CGFloat(columns) * icon) / CGFloat(columns + 1);
    const auto fitting = static_cast<std::size_t>(
        std::max(kFewestRows, static_cast<int>((size.height - 140) / (icon + 28)) - 1));
    for (std::size_t i = 0; i < grid.size(); ++i) {
      const std::size_t row = i / columns, col = i % columns;
      grid[i]->setHidden(row >= fitting);
      grid[i]->setFrame(CGRectMake(across + CGFloat(col) * (icon + across),
                                   kTop + CGFloat(row) * kRowStep, icon,
                                   grid[i]->frame().size.height));
    }
    const CGFloat gap = (size.width - kColumns * icon) / (kColumns + 1);
    plate->setFrame(CGRectMake(kDockInset, size.height - kDockHeight - kDockInset,
                               size.width - 2 * kDockInset, kDockHeight));
    for (std::size_t col = 0; col < dock.size(); ++col) {
      dock[col]->setFrame(
          CGRectMake(gap + CGFloat(col) * (icon + gap), size.height - 82, icon, icon));
    }
  }
};

}  // namespace

SBIconController::SBIconController(std::function<void(const std::string&)> open) {
  auto window = std::make_shared<HomeScreenWindow>();
  window->setWindowLevel(UIWindowLevelNormal);
  const auto icon = [&](const char* name, std::size_t color, bool labelled) {
    return std::make_shared<SBIconView>(name, kIconColors[color % std::size(kIconColors)], labelled,
                                        [open, name] { open(name); });
  };
  for (std::size_t i = 0; i < std::size(kGridApps); ++i) {
    window->grid.push_back(icon(kGridApps[i], i, true));
    window->addSubview(window->grid.back());
  }
  window->plate->setBackgroundColor(kDockPlate);
  window->plate->layer().setCornerRadius(20);
  window->plate->setUserInteractionEnabled(false);
  window->addSubview(window->plate);
  for (std::size_t col = 0; col < std::size(kDockApps); ++col) {
    window->dock.push_back(icon(kDockApps[col], col + 3, false));
    window->addSubview(window->dock.back());
  }
  window->setRootViewController(
      std::make_shared<SBHomeScreenOrientation>(SBHomeScreenOrientation::Window::HomeScreen));
  window->layoutSubviews();
  window->makeKeyAndVisible();
  window_ = std::move(window);
}

std::shared_ptr<SBIconView> SBIconController::iconNamed(const std::string& name) const {
  for (const auto& view : window_->subviews()) {
    auto icon = std::dynamic_pointer_cast<SBIconView>(view);
    if (icon && icon->name() == name) return icon;
  }
  return nullptr;
}

void SBIconController::setIconImage(const std::string& name, const std::string& path) {
  if (const auto icon = iconNamed(name)) icon->setImage(UIImage::imageWithContentsOfFile(path));
}
