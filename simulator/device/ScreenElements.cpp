#include "device/ScreenElements.h"

#include <algorithm>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIWindow.h"
#include "accessibility/AccessibilityTree.h"
#include "accessibility/ContrastAudit.h"
#include "apps/AppChannel.h"
#include "screen/RemoteWindow.h"

namespace screen_elements {

namespace {

namespace tree = accessibility_tree;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::shared_ptr<RemoteWindow::Source> appOf(const tree::Reading& reading) {
  return reading.app ? reading.app->source() : nullptr;
}

}  // namespace

std::vector<AccessibilityNode> all() {
  std::vector<AccessibilityNode> nodes;
  if (!SpringBoard::shared().isDisplayOn()) return nodes;
  const auto reading = tree::read();
  for (const auto& element : reading.elements) nodes.push_back(AccessibilityNode::of(element));
  const auto app = appOf(reading);
  if (!app) return nodes;
  const auto listed = app->accessibility(app_channel::kList);
  if (!listed) return nodes;
  for (const auto& line : linesOf(*listed)) {
    // A line the app should not have sent is left out, not shown half-read.
    if (auto node = AccessibilityNode::decoded(line)) nodes.push_back(std::move(*node));
  }
  return nodes;
}

std::optional<AccessibilityNode> first(const std::vector<AccessibilityNode>& nodes) {
  if (nodes.empty()) return std::nullopt;
  const auto inStatusBar = [](const AccessibilityNode& node) {
    auto view = node.view.lock();
    while (view && view->superview()) view = view->superview();
    const auto* window = dynamic_cast<const UIWindow*>(view.get());
    return window && window->windowLevel() == UIWindowLevelStatusBar;
  };
  const auto found = std::find_if_not(nodes.begin(), nodes.end(), inStatusBar);
  return found != nodes.end() ? *found : nodes.front();
}

Result<std::string> perform(const AccessibilityNode& element,
                            accessibility_actions::Action action) {
  if (!element.remote) {
    const auto view = element.view.lock();
    if (!view) return fail("the element is gone");
    return accessibility_actions::perform(view, action);
  }
  const auto app = appOf(tree::read());
  if (!app) return fail("the app is no longer in front");
  return app->accessibility(std::string(accessibility_actions::name(action)) + " " +
                            std::to_string(element.remote));
}

std::vector<std::string> audit() {
  if (!SpringBoard::shared().isDisplayOn()) return {};
  const auto reading = tree::read();
  std::vector<AccessibilityNode> nodes;
  for (const auto& element : reading.elements) nodes.push_back(AccessibilityNode::of(element));
  auto flagged = tree::audit(nodes);
  for (auto& line : contrast_audit::audit(reading.windows, true)) flagged.push_back(line);
  if (const auto app = appOf(reading)) {
    const auto told = app->accessibility(app_channel::kAudit);
    for (auto& line : linesOf(told ? *told : "cannot audit the app: " + told.error())) {
      flagged.push_back(line);
    }
  }
  return flagged;
}

}  // namespace screen_elements
