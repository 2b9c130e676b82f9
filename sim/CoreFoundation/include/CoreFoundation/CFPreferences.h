#pragma once

#include <optional>

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/PlistValue.h"

// Core Foundation's preferences, as an app's own domains use them. Values live in the
// preferences daemon, which keeps each domain in memory and writes its file
// ("/var/mobile/Library/Preferences/<domain>.plist") on its own time, about a second after a
// change (iOS 8 and later). Until then another process that reads the file sees the old value.
// A domain is read from its file once and then served from memory: a file changed by another
// writer is seen again only after CFPreferencesAppSynchronize. A domain that is not a plain file
// name (empty, with a slash, or starting with a dot) holds nothing.
using CFPropertyListRef = std::optional<PlistValue>;

// Stores `value` under `key` (nothing: takes the key out).
void CFPreferencesSetAppValue(CFStringRef key, const CFPropertyListRef& value,
                              CFStringRef applicationID);
CFPropertyListRef CFPreferencesCopyAppValue(CFStringRef key, CFStringRef applicationID);
// Lets the next read see the domain's file as it is now, with this process's own changes not
// yet written on top. It does not hasten the daemon's write.
bool CFPreferencesAppSynchronize(CFStringRef applicationID);
