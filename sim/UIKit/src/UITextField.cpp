#include "UIKit/UITextField.h"

#include "Foundation/UTF8Text.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIWindow.h"

UITextField::UITextField(CGRect frame) : UIControl(frame) {
  setBackgroundColor(UIColor::whiteColor());
  layer().setBorderWidth(0.5);
  const UIColor border = UIColor::separatorColor();
  layer().setBorderColor(CGColor{border.red(), border.green(), border.blue(), border.alpha()});
  layer().setCornerRadius(5);
}

std::string UITextField::displayedText() const {
  if (!secure_) return text_;
  std::string bullets;
  for (std::size_t at = 0; at < text_.size(); at = utf8_text::nextCharacter(text_, at)) {
    bullets += "\u2022";
  }
  return bullets;
}

bool UITextField::inWindow() const {
  std::shared_ptr<const UIView> top = superview();
  while (top && top->superview()) top = top->superview();
  return dynamic_cast<const UIWindow*>(top.get()) != nullptr;
}

bool UITextField::isFirstResponder() const {
  return UIApplication::sharedApplication().focusedField().get() == this;
}

bool UITextField::becomeFirstResponder() {
  if (isFirstResponder()) return true;
  if (!inWindow()) return false;  // only a field in a window takes the keyboard
  auto& application = UIApplication::sharedApplication();
  if (const auto other = application.focusedField()) other->resignFirstResponder();
  application.setFocusedField(std::static_pointer_cast<UITextField>(shared_from_this()));
  textAtBegin_ = text_;
  sendActionsForControlEvents(UIControlEventEditingDidBegin);
  return true;
}

bool UITextField::resignFirstResponder() {
  if (!isFirstResponder()) return true;
  UIApplication::sharedApplication().setFocusedField(nullptr);
  allSelected_ = false;
  sendActionsForControlEvents(UIControlEventEditingDidEnd);
  return true;
}

void UITextField::insertText(const std::string& typed) {
  if (typed.empty()) return;
  if (allSelected_) text_.clear();
  allSelected_ = false;
  text_ += typed;
  sendActionsForControlEvents(UIControlEventEditingChanged);
}

// The last whole character.
void UITextField::deleteBackward() {
  if (text_.empty()) return;
  if (allSelected_) {
    setText(std::string());
    sendActionsForControlEvents(UIControlEventEditingChanged);
    return;
  }
  text_.erase(utf8_text::lastCharacter(text_));
  sendActionsForControlEvents(UIControlEventEditingChanged);
}

void UITextField::pressKey(Key key) {
  // The field stays alive while its actions run, whatever they do to the tree.
  const auto self = shared_from_this();
  switch (key) {
    case Key::Backspace:
      deleteBackward();
      break;
    case Key::Return:
      // The editing ends only where someone listens for Return, as a delegate or a target of
      // editing-did-end-on-exit does on a phone; elsewhere the keyboard stays.
      if (actionCount(UIControlEventEditingDidEndOnExit) == 0) break;
      sendActionsForControlEvents(UIControlEventEditingDidEndOnExit);
      resignFirstResponder();
      break;
    case Key::Escape:
      setText(textAtBegin_);
      resignFirstResponder();
      break;
  }
}

void UITextField::touchesEnded(CGPoint point) {
  UIControl::touchesEnded(point);
  if (isWithinTouchSlop(point)) becomeFirstResponder();
}
