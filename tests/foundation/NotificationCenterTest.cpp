#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Foundation/NSNotificationCenter.h"

namespace {

// An observer that records what reaches it, tagged with its own name.
struct Recorder {
  Recorder(std::string name, std::vector<std::string>& sink) : label(std::move(name)), log(sink) {}
  void receive(const NSNotification& note) { log.push_back(label + ":" + note.name); }
  std::string label;
  std::vector<std::string>& log;
};

class NotificationCenterTest : public ::testing::Test {
 protected:
  NSNotificationCenter& center = NSNotificationCenter::defaultCenter();
  std::vector<std::string> log;

  std::shared_ptr<Recorder> observe(const std::string& label, const std::string& name,
                                    const void* object = nullptr) {
    auto recorder = std::make_shared<Recorder>(label, log);
    center.addObserver(recorder, &Recorder::receive, name, object);
    return recorder;
  }
};

TEST_F(NotificationCenterTest, DeliversInRegistrationOrderByNameAndSender) {
  int sender = 0;
  int otherSender = 0;
  const auto first = observe("first", "change");
  const auto everything = observe("all", "");
  const auto fromSender = observe("sender", "change", &sender);
  const auto other = observe("other", "elsewhere");

  center.postNotificationName("change", &sender);
  center.postNotificationName("change", &otherSender);
  EXPECT_EQ(log, (std::vector<std::string>{"first:change", "all:change", "sender:change",
                                           "first:change", "all:change"}));
  for (const auto* observer : {first.get(), everything.get(), fromSender.get(), other.get()}) {
    center.removeObserver(observer);
  }
}

TEST_F(NotificationCenterTest, ObserverRemovedDuringAPostIsSkipped) {
  std::shared_ptr<Recorder> second;
  auto remover = std::make_shared<int>(0);
  center.addObserver(
      remover, [&](const NSNotification&) { center.removeObserver(second.get()); }, "x", nullptr);
  second = observe("second", "x");
  center.postNotificationName("x", nullptr);
  EXPECT_TRUE(log.empty());
  center.removeObserver(remover.get());
}

}  // namespace
