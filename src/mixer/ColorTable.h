#pragma once

#include <cstdint>

#include "UIKit/UIColor.h"

// The colour a stored colour index stands for: 0 to 9 by the table, any other index white.
UIColor colorForIndex(std::int64_t index);
