#include "device/TweakState.h"

#include <dlfcn.h>
#include <link.h>

#include <string_view>

#include "orbelle2/RowTags.h"

namespace {

constexpr char kWindow[] = "popupWindow";
constexpr char kPanel[] = "popupView";
constexpr char kBlur[] = "enableBackgroundBlur";

constexpr std::string_view kLibrary = "/Orbelle2.dylib";

// The loaded tweak's own path; empty when it is not loaded.
std::string loadedLibraryPath() {
  std::string found;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* out) {
        const std::string_view name = info->dlpi_name ? info->dlpi_name : "";
        if (!name.ends_with(kLibrary)) return 0;
        *static_cast<std::string*>(out) = std::string(name);
        return 1;
      },
      &found);
  return found;
}

// Looked up in the tweak's own handle: a look-up of the whole process (RTLD_DEFAULT) would tie
// the tweak to this program for good, and a respring could not unload it.
template <class Variable>
Variable* lookUpVariable(void* library, const char* name) {
  return static_cast<Variable*>(dlsym(library, name));
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
  const std::string path = loadedLibraryPath();
  void* library = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (!library) return state;
  state.window = lookUpVariable<std::shared_ptr<UIWindow>>(library, kWindow);
  state.panel = lookUpVariable<std::shared_ptr<OrbelleView>>(library, kPanel);
  state.blur = lookUpVariable<bool>(library, kBlur);
  dlclose(library);
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
