#include "EventTable.h"

#include <algorithm>

#include "Activator/LAEvent.h"

namespace event_table {

const std::vector<Event>& all() {
  static const std::vector<Event> events{
      {"libactivator.volume.up.hold.short", "Volume Buttons", "Volume Up Short Hold"},
      {"libactivator.volume.down.hold.short", "Volume Buttons", "Volume Down Short Hold"},
      {"libactivator.volume.display-tap", "Volume Buttons", "Volume Display Tap"},
  };
  return events;
}

const Event* find(std::string_view name) {
  const auto& events = all();
  const auto found =
      std::find_if(events.begin(), events.end(), [&](const Event& e) { return e.name == name; });
  return found == events.end() ? nullptr : &*found;
}

const std::vector<Mode>& modes() {
  static const std::vector<Mode> all{
      {"", "Anywhere"},
      {LAEventModeSpringBoard, "At Home Screen"},
      {LAEventModeLockScreen, "At Lock Screen"},
      {LAEventModeApplication, "In Application"},
  };
  return all;
}

}  // namespace event_table
