#pragma once

#include <string>

class UIView;

// The screen as a terminal shows it: the popup's rows (the panel's labels over bars) when
// `panel` is shown, or else the home screen with the volume HUD when it is up.
std::string drawScreenAsText(const UIView* panel);
// The process's own windows alone, a line a row, as an app's process tells its part.
std::string drawAppAsText();
