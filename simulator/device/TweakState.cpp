#include "device/TweakState.h"

#include <dlfcn.h>

#include "orbelle2/RowTags.h"

namespace {

constexpr char kWindow[] = "popupWindow";
constexpr char kPanel[] = "popupView";
constexpr char kBlur[] = "enableBackgroundBlur";

template <class Variable>
Variable* lookUpVariable(const char* name) {
  return static_cast<Variable*>(dlsym(RTLD_DEFAULT, name));
}

// The first view below `root`, depth first, of class `View` that `matches`.
template <class View, class Match>
std::shared_ptr<View> find(const std::shared_ptr<UIView>& root, const Match& matches) {
  if (!root) return nullptr;
  if (auto view = std::dynamic_pointer_cast<View>(root); view && matches(*view)) return view;
  for (const auto& subview : root->subviews()) {
    if (auto found = find<View>(subview, matches)) return found;
  }
  return nullptr;
}

template <class View>
std::shared_ptr<View> withTag(const std::shared_ptr<UIView>& panel, NSInteger tag) {
  return find<View>(panel, [tag](const View& view) { return view.tag() == tag; });
}

}  // namespace

TweakState TweakState::lookUp() {
  TweakState state;
  state.window = lookUpVariable<std::shared_ptr<UIWindow>>(kWindow);
  state.panel = lookUpVariable<std::shared_ptr<OrbelleView>>(kPanel);
  state.blur = lookUpVariable<bool>(kBlur);
  return state;
}

std::string TweakState::describe() const {
  if (!loaded()) return "tweak not loaded";
  const auto& shown = *window;
  return std::string(kWindow) + "=" +
         (!shown              ? "nil"
          : shown->isHidden() ? "hidden"
                              : "shown") +
         " " + kPanel + "=" + (*panel ? "set" : "nil") + " " + kBlur + "=" + (*blur ? "YES" : "NO");
}

std::shared_ptr<UIView> TweakState::shownPanel() const {
  if (!popupShown()) return nullptr;
  return find<UIView>(*window, [](const UIView& view) {
    return std::string_view(view.className()) == row_tags::kPanelClass;
  });
}

std::shared_ptr<UISlider> TweakState::slider(NSInteger num) const {
  return withTag<UISlider>(shownPanel(), row_tags::slider(num));
}

std::shared_ptr<UILabel> TweakState::label(NSInteger num) const {
  return withTag<UILabel>(shownPanel(), row_tags::label(num));
}
