#pragma once

#include <string>

// The texts a row's label shows. Titles are data, never formats.
namespace label_text {

// "title: 37%", the percentage rounded as printf's "%.0f" rounds (halves to even).
std::string withPercentage(const std::string& title, double percent);
// "title: unknown", when the controller has no volume for the category.
std::string unknown(const std::string& title);

}  // namespace label_text
