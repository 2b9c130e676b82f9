#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "UIKit/UIView.h"
#include "common/Result.h"

// The app's side of VoiceOver, as the accessibility runtime is in an app's process on a phone:
// it answers SpringBoard's VoiceOver from the app's own UIKit, naming each element by a number
// that stays its own while the view lives and is never given to another, and tells what the app
// posts (a screen change, an announcement) as news. The questions, after the channel's "ax":
//   voiceover on|off      VoiceOver started or stopped on the device
//   list                  the elements in reading order, one encoded AccessibilityNode a line
//   audit                 what a reviewer would flag, contrast included
//   ACTION ID             focus, activate, increment, decrement or escape an element
//   sync                  nothing: its answer comes after whatever the app posted before it
// The news: "screen ID" or "layout ID" (0 for none), "announce TEXT".
class AccessibilityServer {
 public:
  using Tell = std::function<void(const std::string& news)>;
  explicit AccessibilityServer(Tell tell);
  ~AccessibilityServer();
  AccessibilityServer(const AccessibilityServer&) = delete;
  AccessibilityServer& operator=(const AccessibilityServer&) = delete;

  Result<std::string> answer(const std::string& question);

 private:
  std::uint64_t idOf(const std::shared_ptr<UIView>& view);
  std::shared_ptr<UIView> viewOf(const std::string& id) const;

  Tell tell_;
  std::map<std::uint64_t, std::weak_ptr<UIView>> known_;
  std::uint64_t lastId_ = 0;
};
