#pragma once

#include <string>

#include "screen/ViewVisitor.h"

// The screen's visible windows back to front, each followed by its views depth first, one
// line each, indented two spaces a level.
std::string dumpScreen();

// One view's line of the dump, without its indent: class, frame, tag and what else it shows.
std::string describeView(const UIView& view, const ViewKind& kind);
