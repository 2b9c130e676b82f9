#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Draws the screen into a PNG at two pixels per point: the home screen's wallpaper and icons,
// then every visible window back to front. Answers an error message, or nothing.
std::optional<std::string> renderScreenshot(const std::filesystem::path& file);
