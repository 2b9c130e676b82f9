#pragma once

#include <string>

class OrbelleView;

// The screen as a terminal shows it: the popup's rows as labels over bars, or the home
// screen with the volume HUD when it is up.
std::string drawScreenAsText(const OrbelleView* panel);
