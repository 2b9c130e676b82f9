#pragma once

// The keys of one entry of the category list.
namespace category_keys {
inline constexpr char kCategoryName[] = "categoryName";
inline constexpr char kPrettyCategoryName[] = "prettyCategoryName";
inline constexpr char kVisible[] = "visible";
}  // namespace category_keys
