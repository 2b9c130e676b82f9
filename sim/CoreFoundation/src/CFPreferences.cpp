#include "CoreFoundation/CFPreferences.h"

#include <string_view>

#include "PreferencesDaemon.h"

namespace {

bool isDomain(CFStringRef name) {
  if (!name) return false;
  const std::string_view text(name);
  return !text.empty() && text[0] != '.' && text.find('/') == std::string_view::npos;
}

}  // namespace

void CFPreferencesSetAppValue(CFStringRef key, const CFPropertyListRef& value,
                              CFStringRef applicationID) {
  if (!key || !isDomain(applicationID)) return;
  PreferencesDaemon::shared().setValue(applicationID, key, value);
}

CFPropertyListRef CFPreferencesCopyAppValue(CFStringRef key, CFStringRef applicationID) {
  if (!key || !isDomain(applicationID)) return std::nullopt;
  return PreferencesDaemon::shared().value(applicationID, key);
}

bool CFPreferencesAppSynchronize(CFStringRef applicationID) {
  if (!isDomain(applicationID)) return false;
  PreferencesDaemon::shared().forgetFile(applicationID);
  return true;
}
