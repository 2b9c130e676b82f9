#pragma once

#include <cstdint>
#include <string_view>

#include "UIKit/UIColor.h"
#include "orbelle2/ColorNames.h"

// The colour a stored colour index stands for: 0 to 9 by the table, any other index white.
UIColor colorForIndex(std::int64_t index);
