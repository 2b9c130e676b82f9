#pragma once

#include <filesystem>

#include "Result.h"

// Draws the screen into a PNG at two pixels per point: the home screen's wallpaper and icons,
// then every visible window back to front.
Result<> renderScreenshot(const std::filesystem::path& file);
