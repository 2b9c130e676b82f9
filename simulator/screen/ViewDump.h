#pragma once

#include <string>

#include "screen/ViewVisitor.h"

// The screen's visible windows back to front, each followed by its views depth first, one
// line each, indented two spaces a level. SpringBoard's own status bar only with `everything`.
std::string dumpScreen(bool everything = false);

// One view's line of the dump, without its indent: class, frame, tag and what else it shows.
std::string describeView(const UIView& view, const ViewKind& kind);
