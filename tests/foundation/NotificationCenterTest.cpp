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

TEST_F(NotificationCenterTest, CarriesUserInfoAndSender) {
  int sender = 0;
  std::vector<NSNotification> seen;
  auto owner = std::make_shared<int>(0);
  center.addObserver(
      owner, [&seen](const NSNotification& note) { seen.push_back(note); }, "volume", nullptr);
  center.postNotificationName("volume", &sender, {{"Volume", 0.25}});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].object, &sender);
  EXPECT_EQ(seen[0].userInfo.at("Volume"), PlistValue(0.25));
  center.removeObserver(owner.get());
}

TEST_F(NotificationCenterTest, DestroyedObserverIsNeverCalled) {
  auto recorder = observe("gone", "change");
  recorder.reset();
  center.postNotificationName("change", nullptr);
  EXPECT_TRUE(log.empty());
}

TEST_F(NotificationCenterTest, RemoveObserverStopsEveryNameAndIsIdempotent) {
  const auto recorder = observe("r", "a");
  center.addObserver(recorder, &Recorder::receive, "b", nullptr);
  EXPECT_EQ(center.observationCount(recorder.get()), 2u);
  center.removeObserver(recorder.get());
  center.removeObserver(recorder.get());
  center.postNotificationName("a", nullptr);
  center.postNotificationName("b", nullptr);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(center.observationCount(recorder.get()), 0u);
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

TEST_F(NotificationCenterTest, ObserverDestroyedByAnEarlierHandlerIsSkipped) {
  std::shared_ptr<Recorder> victim;
  auto killer = std::make_shared<int>(0);
  center.addObserver(
      killer, [&](const NSNotification&) { victim.reset(); }, "x", nullptr);
  victim = observe("victim", "x");
  center.postNotificationName("x", nullptr);
  EXPECT_TRUE(log.empty());
  center.removeObserver(killer.get());
}

TEST_F(NotificationCenterTest, ObserverAddedDuringAPostWaitsForTheNextOne) {
  std::shared_ptr<Recorder> late;
  auto adder = std::make_shared<int>(0);
  center.addObserver(
      adder,
      [&](const NSNotification&) {
        if (!late) late = observe("late", "x");
      },
      "x", nullptr);
  center.postNotificationName("x", nullptr);
  EXPECT_TRUE(log.empty());
  center.postNotificationName("x", nullptr);
  EXPECT_EQ(log, std::vector<std::string>{"late:x"});
  center.removeObserver(adder.get());
  center.removeObserver(late.get());
}

}  // namespace
