#include "accessibility/AccessibilityNode.h"

#include <sstream>
#include <vector>

#include "UIKit/UITextField.h"
#include "UIKit/UIView.h"
#include "accessibility/AccessibilityTree.h"
#include "common/Arguments.h"
#include "common/Shortest.h"

namespace {

constexpr char kField = '\t';
constexpr std::size_t kFields = 8;

std::string traitWords(UIAccessibilityTraits traits) {
  static const std::pair<UIAccessibilityTraits, const char*> kWords[] = {
      {UIAccessibilityTraitSelected, "selected"},     {UIAccessibilityTraitButton, "button"},
      {UIAccessibilityTraitHeader, "heading"},        {UIAccessibilityTraitImage, "image"},
      {UIAccessibilityTraitAdjustable, "adjustable"}, {UIAccessibilityTraitNotEnabled, "dimmed"},
  };
  std::string words;
  for (const auto& [trait, word] : kWords) {
    if (traits & trait) words += (words.empty() ? "" : ", ") + std::string(word);
  }
  return words;
}

// A field of the line: what an app put in a label may hold a tab or a line end.
std::string field(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return out;
}

std::string rect(CGRect r) {
  return shortest(r.origin.x) + " " + shortest(r.origin.y) + " " + shortest(r.size.width) + " " +
         shortest(r.size.height);
}

Result<CGRect> rectFrom(const std::string& text) {
  std::istringstream in(text);
  std::vector<double> numbers;
  for (std::string word; in >> word;) {
    const auto number = arguments::number<double>(word);
    if (!number) return fail("not a number: " + word);
    numbers.push_back(*number);
  }
  if (numbers.size() != 4) return fail("a frame takes four numbers");
  return CGRectMake(numbers[0], numbers[1], numbers[2], numbers[3]);
}

}  // namespace

std::string accessibilityFrameText(CGRect f) {
  return "frame=(" + shortest(f.origin.x) + "," + shortest(f.origin.y) + "," +
         shortest(f.size.width) + "," + shortest(f.size.height) + ")";
}

AccessibilityNode AccessibilityNode::of(const std::shared_ptr<UIView>& element) {
  AccessibilityNode node;
  node.label = element->accessibilityLabel();
  node.value = element->accessibilityValue();
  node.traits = element->accessibilityTraits();
  node.frame = element->accessibilityFrame();
  // Nothing of it showing is no place at all, not one at infinity.
  const CGRect visible = accessibility_tree::visibleFrame(*element);
  node.visible = CGRectIsEmpty(visible) ? CGRect{} : visible;
  node.className = element->className();
  if (const auto* field = dynamic_cast<const UITextField*>(element.get())) {
    node.role = field->isFirstResponder() ? "text field, is editing" : "text field";
  }
  node.view = element;
  return node;
}

bool AccessibilityNode::same(const AccessibilityNode& other) const {
  if (remote || other.remote) return remote == other.remote;
  const auto mine = view.lock();
  return mine && mine == other.view.lock();
}

std::string AccessibilityNode::spoken() const {
  std::string said = label;
  for (const auto& part : {value, role, traitWords(traits)}) {
    if (!part.empty()) said += (said.empty() ? "" : ", ") + part;
  }
  return said;
}

std::string AccessibilityNode::described() const {
  return label + " | " + value + " | " + traitWords(traits) + " | " + accessibilityFrameText(frame);
}

std::string AccessibilityNode::encoded(std::uint64_t id) const {
  return std::to_string(id) + kField + std::to_string(traits) + kField + rect(frame) + kField +
         rect(visible) + kField + field(className) + kField + field(label) + kField + field(value) +
         kField + field(role);
}

Result<AccessibilityNode> AccessibilityNode::decoded(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find(kField, start)) != std::string::npos; start = tab + 1) {
    fields.push_back(line.substr(start, tab - start));
  }
  fields.push_back(line.substr(start));
  if (fields.size() != kFields)
    return fail("an element takes " + std::to_string(kFields) + " fields");
  const auto id = arguments::number<std::uint64_t>(fields[0]);
  const auto traits = arguments::number<std::uint64_t>(fields[1]);
  auto frame = rectFrom(fields[2]);
  auto visible = rectFrom(fields[3]);
  if (!id || *id == 0 || !traits || !frame || !visible) return fail("a malformed element: " + line);
  AccessibilityNode node;
  node.remote = *id;
  node.traits = *traits;
  node.frame = *frame;
  node.visible = *visible;
  node.className = fields[4];
  node.label = fields[5];
  node.value = fields[6];
  node.role = fields[7];
  return node;
}
