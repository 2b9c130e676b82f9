#include "apps/AccessibilityServer.h"

#include <algorithm>

#include "UIKit/UIAccessibilitySettings.h"
#include "accessibility/AccessibilityActions.h"
#include "accessibility/AccessibilityNode.h"
#include "accessibility/AccessibilityTree.h"
#include "accessibility/ContrastAudit.h"
#include "apps/AppChannel.h"
#include "common/Arguments.h"

namespace actions = accessibility_actions;
namespace tree = accessibility_tree;

AccessibilityServer::AccessibilityServer(Tell tell) : tell_(std::move(tell)) {
  UIAccessibilitySetListener([this](UIAccessibilityNotifications notification,
                                    const std::shared_ptr<UIView>& element,
                                    const std::string& announcement) {
    if (notification == UIAccessibilityAnnouncementNotification) {
      tell_(std::string(app_channel::kAnnounce) + " " + announcement);
      return;
    }
    const auto first = element ? tree::firstIn(element) : nullptr;
    const char* what = notification == UIAccessibilityScreenChangedNotification
                           ? app_channel::kScreen
                           : app_channel::kLayout;
    tell_(std::string(what) + " " + std::to_string(first ? idOf(first) : 0));
  });
}

AccessibilityServer::~AccessibilityServer() {
  UIAccessibilitySetListener(nullptr);
}

// A number is never given twice: VoiceOver may still hold one whose view is gone.
std::uint64_t AccessibilityServer::idOf(const std::shared_ptr<UIView>& view) {
  std::erase_if(known_, [](const auto& each) { return each.second.expired(); });
  for (const auto& [id, known] : known_) {
    if (known.lock() == view) return id;
  }
  known_.emplace(++lastId_, view);
  return lastId_;
}

std::shared_ptr<UIView> AccessibilityServer::viewOf(const std::string& id) const {
  const auto number = arguments::number<std::uint64_t>(id);
  const auto found = number ? known_.find(*number) : known_.end();
  return found != known_.end() ? found->second.lock() : nullptr;
}

Result<std::string> AccessibilityServer::answer(const std::string& question) {
  const auto words = app_channel::words(question, 2);
  const std::string& verb = words[0];
  const std::string rest = words.size() > 1 ? words[1] : std::string();
  if (verb == app_channel::kSync) return std::string();
  if (verb == app_channel::kVoiceOver) {
    if (rest != "on" && rest != "off") return fail("voiceover takes on or off");
    UIAccessibilitySetVoiceOverRunning(rest == "on");
    return std::string();
  }
  const auto reading = tree::read();
  if (verb == app_channel::kList) {
    std::string lines;
    for (const auto& element : reading.elements) {
      lines += AccessibilityNode::of(element).encoded(idOf(element)) + "\n";
    }
    return lines;
  }
  if (verb == app_channel::kAudit) {
    std::vector<AccessibilityNode> nodes;
    for (const auto& element : reading.elements) nodes.push_back(AccessibilityNode::of(element));
    auto flagged = tree::audit(nodes);
    for (auto& more : contrast_audit::audit(reading.windows, false)) flagged.push_back(more);
    std::string lines;
    for (const auto& line : flagged) lines += line + "\n";
    return lines;
  }
  const auto action = actions::named(verb);
  if (!action) return fail("no accessibility question \"" + verb + "\"");
  const auto element = viewOf(rest);
  if (!element) return fail("no element " + rest);
  return actions::perform(element, *action);
}
