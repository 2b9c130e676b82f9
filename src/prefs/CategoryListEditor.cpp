#include "prefs/CategoryListEditor.h"

#include "Foundation/NSFileManager.h"
#include "Foundation/PropertyListFile.h"
#include "mixer/CategoryList.h"
#include "orbelle2/CategoryKeys.h"
#include "orbelle2/PreferenceFiles.h"
#include "prefs/CoordinatedChange.h"
#include "prefs/PlainText.h"

namespace {

using coordinated_change::refuse;

constexpr char kUnwritable[] = "cannot write the category list";

bool inList(std::size_t index, const PlistValue::Array& list, NSError* error) {
  if (index < list.size()) return true;
  return refuse(error, "no category number " + std::to_string(index));
}

}  // namespace

std::optional<PlistValue::Array> CategoryListEditor::read(NSError* error) {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kCategoriesPath)) {
    refuse(error, "there is no category list yet (the panel creates it when it first opens)");
    return std::nullopt;
  }
  NSError why;
  auto list = PropertyListFile::readArray(kCategoriesPath, &why);
  if (!list) {
    refuse(error, "the category list cannot be read as an array (" + why.localizedDescription +
                      "); left as it is");
  }
  return list;
}

bool CategoryListEditor::edit(const std::function<bool(PlistValue::Array&, NSError*)>& change,
                              NSError* error, Missing missing) {
  return coordinated_change::run(
      kCategoriesPath, kUnwritable,
      [&](NSError* why) {
        const bool absent = !NSFileManager::defaultManager().fileExistsAtPath(kCategoriesPath);
        auto list = absent && missing == Missing::StartFromInitial
                        ? std::optional(CategoryList::initialForThisDevice())
                        : read(why);
        if (!list || !change(*list, why)) return false;
        NSError cause;
        if (PropertyListFile::write(PlistValue(std::move(*list)), kCategoriesPath, &cause)) {
          return true;
        }
        return refuse(why, std::string(kUnwritable) + ": " + cause.localizedDescription);
      },
      error);
}

bool CategoryListEditor::changeEntry(std::size_t index,
                                     const std::function<void(PlistValue::Dictionary&)>& change,
                                     NSError* error, Missing missing) {
  return edit(
      [&](PlistValue::Array& list, NSError* why) {
        if (!inList(index, list, why)) return false;
        const PlistValue::Dictionary* fields = list[index].asDictionary();
        if (!fields) {
          return refuse(
              why, "category " + std::to_string(index) + " is not a dictionary; left as it is");
        }
        PlistValue::Dictionary changed = *fields;
        change(changed);
        list[index] = PlistValue(std::move(changed));
        return true;
      },
      error, missing);
}

bool CategoryListEditor::setVisible(std::size_t index, bool visible, NSError* error,
                                    Missing missing) {
  return changeEntry(
      index, [&](PlistValue::Dictionary& entry) { entry[category_keys::kVisible] = visible; },
      error, missing);
}

std::optional<std::string> CategoryListEditor::nameRefusal(const std::string& name) {
  if (name.find_first_not_of(' ') == std::string::npos) {
    return "a category's name cannot be empty";
  }
  if (name.find('\0') != std::string::npos || !plain_text::isPlain(name)) {
    return "a category's name cannot hold a control character (a newline, a tab, a NUL) or bytes "
           "that are not UTF-8";
  }
  return std::nullopt;
}

bool CategoryListEditor::rename(std::size_t index, const std::string& name, NSError* error,
                                Missing missing) {
  if (const auto refusal = nameRefusal(name)) return refuse(error, *refusal);
  return changeEntry(
      index,
      [&](PlistValue::Dictionary& entry) { entry[category_keys::kPrettyCategoryName] = name; },
      error, missing);
}

bool CategoryListEditor::move(std::size_t from, std::size_t to, NSError* error, Missing missing) {
  return edit(
      [&](PlistValue::Array& list, NSError* why) {
        if (!inList(from, list, why) || !inList(to, list, why)) return false;
        PlistValue moving = std::move(list[from]);
        list.erase(list.begin() + static_cast<long>(from));
        list.insert(list.begin() + static_cast<long>(to), std::move(moving));
        return true;
      },
      error, missing);
}

bool CategoryListEditor::reset(Reset& done, NSError* error) {
  done = Reset::NothingThere;
  return coordinated_change::run(
      kCategoriesPath, kUnwritable,
      [&](NSError* why) {
        auto& files = NSFileManager::defaultManager();
        if (!files.fileExistsAtPath(kCategoriesPath)) return true;
        NSError cause;
        // A list that cannot be read is someone's all the same: kept aside, as the panel keeps it.
        if (!PropertyListFile::readArray(kCategoriesPath)) {
          if (!CategoryList::setUnreadableListAside(cause)) {
            return refuse(why, "cannot set the unreadable category list aside: " +
                                   cause.localizedDescription);
          }
          done = Reset::SetAside;
          return true;
        }
        if (!files.removeItemAtPath(kCategoriesPath, &cause)) {
          return refuse(why, "cannot remove the category list: " + cause.localizedDescription);
        }
        done = Reset::Removed;
        return true;
      },
      error);
}
