#include "screen/Keyboard.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "UIKit/UIApplication.h"
#include "UIKit/UITextField.h"
#include "common/DisplayText.h"
#include "screen/RemoteWindow.h"

namespace keyboard {

namespace {

constexpr char kNoField[] = "no text field has the focus (tap one first)";

const std::pair<const char*, UITextField::Key> kKeys[] = {
    {"return", UITextField::Key::Return},
    {"escape", UITextField::Key::Escape},
    {"backspace", UITextField::Key::Backspace},
};

std::shared_ptr<RemoteWindow::Source> editingApp() {
  const auto front = RemoteWindow::front();
  const auto app = front ? front->source() : nullptr;
  return app && app->editing() ? app : nullptr;
}

}  // namespace

bool editing() {
  return UIApplication::sharedApplication().focusedField() || editingApp();
}

Result<std::string> type(const std::string& text) {
  if (const auto field = UIApplication::sharedApplication().focusedField()) {
    field->insertText(text);
    return "text " + display_text::quoted(field->text());
  }
  if (const auto app = editingApp()) return app->type(text);
  return fail(kNoField);
}

Result<std::string> key(const std::string& name) {
  const auto known = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [&](const auto& each) { return name == each.first; });
  if (known == std::end(kKeys)) return fail("key takes return, escape or backspace");
  if (const auto field = UIApplication::sharedApplication().focusedField()) {
    field->pressKey(known->second);
    if (known->second != UITextField::Key::Backspace) return name;
    return "text " + display_text::quoted(field->text());
  }
  if (const auto app = editingApp()) return app->key(name);
  return fail(kNoField);
}

}  // namespace keyboard
