#include "PreferencesDaemon.h"

#include "Foundation/NSError.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/ProcessRestart.h"

namespace {
constexpr char kPreferencesFolder[] = "/var/mobile/Library/Preferences/";
}

PreferencesDaemon& PreferencesDaemon::shared() {
  static PreferencesDaemon daemon;
  // The daemon is a process of its own on a phone: what the app changed is written now, before
  // the app's run loop and its timers go.
  static const bool forgotten = (ProcessRestart::onRestart([] {
                                   for (auto& [name, each] : daemon.domains_) {
                                     if (each.write) CFRunLoop::main().cancelTimer(*each.write);
                                     each.write.reset();
                                     if (!each.pending.empty()) daemon.write(name);
                                   }
                                 }),
                                 true);
  (void)forgotten;
  return daemon;
}

PreferencesDaemon::~PreferencesDaemon() {
  // The daemon outlives the app on a phone: what the app changed is written all the same.
  for (auto& [name, each] : domains_) {
    if (!each.pending.empty()) write(name);
  }
}

std::string PreferencesDaemon::path(const std::string& domain) {
  return kPreferencesFolder + domain + ".plist";
}

PreferencesDaemon::Domain& PreferencesDaemon::domain(const std::string& name) {
  if (root_ != DeviceRoot::path()) {
    for (auto& [unused, each] : domains_) {
      if (each.write) CFRunLoop::main().cancelTimer(*each.write);
    }
    domains_.clear();
    root_ = DeviceRoot::path();
  }
  Domain& found = domains_[name];
  if (!found.file) {
    found.file = PropertyListFile::readDictionary(path(name)).value_or(PlistValue::Dictionary());
  }
  return found;
}

std::optional<PlistValue> PreferencesDaemon::value(const std::string& name,
                                                   const std::string& key) {
  Domain& found = domain(name);
  if (const auto change = found.pending.find(key); change != found.pending.end()) {
    return change->second;
  }
  const auto stored = found.file->find(key);
  return stored == found.file->end() ? std::nullopt : std::optional<PlistValue>(stored->second);
}

void PreferencesDaemon::setValue(const std::string& name, const std::string& key,
                                 std::optional<PlistValue> value) {
  Domain& found = domain(name);
  found.pending[key] = std::move(value);
  if (found.write) return;
  found.write = CFRunLoop::main().addTimer(kWriteDelay, [this, name] {
    domains_[name].write.reset();
    write(name);
  });
}

void PreferencesDaemon::forgetFile(const std::string& name) {
  if (const auto found = domains_.find(name); found != domains_.end()) found->second.file.reset();
}

void PreferencesDaemon::write(const std::string& name) {
  if (root_ != DeviceRoot::path()) return;  // that device is gone, and its changes with it
  Domain& found = domains_[name];
  const std::string file = path(name);
  NSError why;
  auto stored = PropertyListFile::readDictionary(file, &why);
  if (!stored && NSFileManager::defaultManager().fileExistsAtPath(file)) {
    NSLog("cfprefsd: " + file + " cannot be read (" + why.localizedDescription + "); changes to " +
          name + " not written");
    found.pending.clear();
    return;
  }
  if (!stored) stored.emplace();
  for (auto& [key, value] : found.pending) {
    if (value) {
      (*stored)[key] = std::move(*value);
    } else {
      stored->erase(key);
    }
  }
  found.pending.clear();
  if (!PropertyListFile::write(PlistValue(*stored), file, &why)) {
    NSLog("cfprefsd: cannot write " + file + ": " +
          DeviceRoot::inDevicePaths(why.localizedDescription));
    return;
  }
  found.file = std::move(stored);
}
