#pragma once

#include <string_view>
#include <vector>

// The events Activator offers, as its settings list them: the group each is under and its
// title there. The volume buttons' events come from SpringBoard's buttons and HUD.
namespace event_table {

struct Event {
  std::string_view name;
  std::string_view group;
  std::string_view title;
};

const std::vector<Event>& all();
const Event* find(std::string_view name);

// Each mode's title in the settings, "Anywhere" (no mode: every one) first.
struct Mode {
  std::string_view name;
  std::string_view title;
};
const std::vector<Mode>& modes();

}  // namespace event_table
