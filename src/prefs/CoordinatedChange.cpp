#include "prefs/CoordinatedChange.h"

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSFileCoordinator.h"
#include "orbelle2/PreferenceFiles.h"

namespace coordinated_change {

bool refuse(NSError* error, std::string reason) {
  if (error) error->localizedDescription = std::move(reason);
  return false;
}

bool run(const char* path, const char* failure, const std::function<bool(NSError*)>& change,
         NSError* error) {
  bool made = false;
  NSError why;
  NSError claim;
  if (!NSFileCoordinator().coordinateWritingItemAtPath(
          path, [&] { made = change(&why); }, &claim)) {
    return refuse(error, std::string(failure) + ": " + claim.localizedDescription);
  }
  if (!made) return refuse(error, why.localizedDescription);
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       kPreferencesChangedNotification, nullptr, nullptr, true);
  return true;
}

}  // namespace coordinated_change
