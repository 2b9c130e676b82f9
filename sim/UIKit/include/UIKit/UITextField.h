#pragma once

#include <optional>
#include <string>

#include "UIKit/UIControl.h"
#include "UIKit/UIFont.h"

// A line of editable text on a white ground, in a thin rounded border. A tap in it, or
// becomeFirstResponder, gives it the focus: the keys typed then go to it (see UIApplication), and
// it shows a caret after its text. Typing adds at the end and sends editing-changed; Backspace
// takes the last character off. While the whole text is selected (selectAll), it shows on a light
// blue ground with no caret, and typing or Backspace replaces all of it. Return, where a target
// listens for editing-did-end-on-exit, sends it and ends the editing (elsewhere it does nothing);
// Escape, as a hardware keyboard's, puts back the text the field had when the editing began and
// ends it without that event. Either way editing-did-end follows.
class UITextField : public UIControl {
 public:
  // Accessibility as UIKit answers for it: its text, or its placeholder while empty.
  bool isAccessibilityElement() const override;
  std::string accessibilityLabel() const override;
  std::string accessibilityValue() const override;
  enum class Key { Return, Escape, Backspace };

  // Inset the text is laid in from either side.
  static constexpr CGFloat kInset = 6;

  explicit UITextField(CGRect frame = {});
  const char* className() const override { return "UITextField"; }

  const std::string& text() const { return text_; }
  void setText(std::string text) {
    text_ = std::move(text);
    allSelected_ = false;
  }
  const std::string& placeholder() const { return placeholder_; }
  void setPlaceholder(std::string placeholder) { placeholder_ = std::move(placeholder); }
  // A secure field shows a bullet for each character of its text.
  bool isSecureTextEntry() const { return secure_; }
  void setSecureTextEntry(bool secure) { secure_ = secure; }
  // The text as the field shows it.
  std::string displayedText() const;
  // Which keyboard a phone would show ("numbers", "phone", ...); kept for inspection.
  const std::string& keyboardType() const { return keyboard_; }
  void setKeyboardType(std::string keyboard) { keyboard_ = std::move(keyboard); }
  const UIFont& font() const { return font_; }
  void setFont(UIFont font) { font_ = std::move(font); }

  bool isFirstResponder() const;
  // Takes the focus from whichever field has it (that one's editing ends first); a field in no
  // window answers false. A field taken out of its window loses the focus, its editing ended.
  bool becomeFirstResponder();
  bool resignFirstResponder();

  void selectAll() { allSelected_ = !text_.empty(); }
  bool isAllSelected() const { return allSelected_; }

  void insertText(const std::string& typed);
  void deleteBackward();
  void pressKey(Key key);

  void touchesEnded(CGPoint point) override;

 private:
  bool inWindow() const;

  std::string text_;
  std::string placeholder_;
  bool allSelected_ = false;
  bool secure_ = false;
  std::string keyboard_;
  std::string textAtBegin_;
  UIFont font_ = UIFont::systemFontOfSize(17);
};
