#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SimDevice/FileDescriptor.h"
#include "SimDevice/FileError.h"
#include "SimDevice/FileLock.h"

// A folder opened without following links, and the file operations made relative to it, so
// that a link planted inside a device root or a demo folder never leads a write, a removal or a
// lock outside it. A link where a file or folder is expected is refused, never followed or
// written through. Each fallible operation fills `error` when it fails.
class FolderHandle {
 public:
  enum class Kind { Missing, File, Folder, Link, Other };

  // `base` as named (the user may name a link); each part of `inside` reached without following
  // links, created (0755) where missing when `create` is set.
  static std::optional<FolderHandle> open(const std::filesystem::path& base,
                                          const std::filesystem::path& inside, bool create,
                                          FileError& error);

  const std::filesystem::path& path() const { return path_; }
  int fd() const { return fd_.get(); }

  Kind kind(const std::string& name) const;
  std::vector<std::string> names() const;
  std::optional<FolderHandle> folder(const std::string& name, bool create, FileError& error) const;

  // A regular file's bytes; refused when it is larger than `maxBytes`, or is anything but a
  // regular file (a link, a FIFO, a device), which is then never read.
  std::optional<std::string> read(const std::string& name, std::size_t maxBytes,
                                  FileError& error) const;
  // Writes a temporary file of an unpredictable name beside `name`, syncs it and renames it over
  // `name`: the old file stays whole on any failure. A link or folder at `name` is refused.
  bool replace(const std::string& name, std::string_view bytes, mode_t mode,
               FileError& error) const;
  // As replace, but a file already holding these bytes is left alone (and `unchanged`, where
  // given, says so).
  bool install(const std::string& name, std::string_view bytes, mode_t mode, FileError& error,
               bool* unchanged = nullptr) const;
  // Writes a new file under a name no other file has: `prefix` and random letters. Answers the
  // name.
  std::optional<std::string> createUnique(const std::string& prefix, std::string_view bytes,
                                          FileError& error) const;
  // Renames to a name that must not exist yet.
  bool renameNew(const std::string& from, const std::string& to, FileError& error) const;
  // Removes a regular file; a link or anything else there is refused.
  bool remove(const std::string& name, FileError& error) const;
  // Removes a folder with nothing in it; a full one, a link or a file is refused.
  bool removeEmptyFolder(const std::string& name, FileError& error) const;
  // Moves `from` to `toName` in `to`; refused when something is there already, or is a link.
  bool rename(const std::string& from, const FolderHandle& to, const std::string& toName,
              FileError& error) const;
  // The exclusive lock on the lock file `name` (a regular file, created when missing), waiting
  // for another holder up to `wait`.
  std::optional<FileLock> lock(const std::string& name, std::chrono::milliseconds wait,
                               FileError& error) const;

 private:
  FolderHandle(FileDescriptor fd, std::filesystem::path path)
      : fd_(std::move(fd)), path_(std::move(path)) {}
  FileError errorAt(const std::string& name, int code) const;
  std::optional<FileDescriptor> openFile(const std::string& name, int flags, mode_t mode,
                                         FileError& error) const;

  FileDescriptor fd_;
  std::filesystem::path path_;
};
