#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/PlistValue.h"

// The process's side of the preferences daemon: each domain's values as last read from its file,
// the changes not yet written, and the write the daemon makes of them a little later, merged
// over the file as it is then. A file that cannot be read is never written over: its changes
// are dropped with a log line.
class PreferencesDaemon {
 public:
  static constexpr std::chrono::milliseconds kWriteDelay{800};

  static PreferencesDaemon& shared();
  ~PreferencesDaemon();

  std::optional<PlistValue> value(const std::string& domain, const std::string& key);
  void setValue(const std::string& domain, const std::string& key, std::optional<PlistValue> value);
  void forgetFile(const std::string& domain);

 private:
  struct Domain {
    std::optional<PlistValue::Dictionary> file;  // as read; nothing until read
    std::map<std::string, std::optional<PlistValue>> pending;
    std::optional<CFRunLoop::TimerId> write;
  };
  // The domains of the current device root; the others' are dropped with it.
  Domain& domain(const std::string& name);
  void write(const std::string& name);
  static std::string path(const std::string& domain);

  std::filesystem::path root_;
  std::map<std::string, Domain> domains_;
};
