#include "SimDevice/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace {

constexpr mode_t kFolderMode = 0755;
constexpr std::chrono::milliseconds kLockPoll{20};
constexpr std::size_t kReadChunk = 64 * 1024;

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string randomLetters() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char bytes[12] = {};
  if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
    // Without the kernel's randomness, the clock and the process still vary the name; O_EXCL
    // keeps it safe either way.
    const auto seed = std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid();
    for (std::size_t i = 0; i < sizeof bytes; ++i)
      bytes[i] ^= static_cast<unsigned char>(seed >> (i % 8 * 8));
  }
  std::string letters;
  for (const unsigned char byte : bytes) letters += kLetters[byte % (sizeof kLetters - 1)];
  return letters;
}

// Opens (creating when asked) one folder below `parent` without following a link.
int openFolderAt(int parent, const std::string& name, bool create) {
  const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::openat(parent, name.c_str(), flags);
  if (fd < 0 && errno == ENOENT && create) {
    if (::mkdirat(parent, name.c_str(), kFolderMode) != 0 && errno != EEXIST) return -1;
    fd = ::openat(parent, name.c_str(), flags);
  }
  return fd;
}

bool sameBytes(int fd, std::string_view bytes) {
  std::string chunk(kReadChunk, '\0');
  std::size_t offset = 0;
  for (;;) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return offset == bytes.size();
    const auto size = static_cast<std::size_t>(got);
    if (offset + size > bytes.size() ||
        bytes.substr(offset, size) != std::string_view(chunk.data(), size)) {
      return false;
    }
    offset += size;
  }
}

}  // namespace

std::optional<FolderHandle> FolderHandle::open(const std::filesystem::path& base,
                                               const std::filesystem::path& inside, bool create,
                                               FileError& error) {
  if (create) {
    std::error_code ignored;
    if (!std::filesystem::exists(base, ignored)) std::filesystem::create_directories(base, ignored);
  }
  FileDescriptor fd(::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) {
    error = FileError{base, errno, {}};
    return std::nullopt;
  }
  FolderHandle folder(std::move(fd), base);
  for (const auto& part : inside.lexically_normal()) {
    if (part.empty() || part == "." || part == "/") continue;
    if (part == "..") {
      error = FileError{folder.path_ / part, EINVAL, "leads out of its folder"};
      return std::nullopt;
    }
    auto next = folder.folder(part.string(), create, error);
    if (!next) return std::nullopt;
    folder = std::move(*next);
  }
  return folder;
}

FileError FolderHandle::errorAt(const std::string& name, int code) const {
  return FileError{path_ / name, code, {}};
}

FolderHandle::Kind FolderHandle::kind(const std::string& name) const {
  struct stat status {};
  if (::fstatat(fd_.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return Kind::Missing;
  if (S_ISLNK(status.st_mode)) return Kind::Link;
  if (S_ISREG(status.st_mode)) return Kind::File;
  if (S_ISDIR(status.st_mode)) return Kind::Folder;
  return Kind::Other;
}

std::vector<std::string> FolderHandle::names() const {
  std::vector<std::string> names;
  const int copy = ::dup(fd_.get());
  DIR* dir = copy < 0 ? nullptr : ::fdopendir(copy);
  if (dir == nullptr) {
    if (copy >= 0) ::close(copy);
    return names;
  }
  ::rewinddir(dir);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<FolderHandle> FolderHandle::folder(const std::string& name, bool create,
                                                 FileError& error) const {
  FileDescriptor fd(openFolderAt(fd_.get(), name, create));
  if (!fd.valid()) {
    const int cause = errno;  // before kind() looks again and sets its own
    const int code = kind(name) == Kind::Link ? ELOOP : cause;
    error = errorAt(name, code);
    return std::nullopt;
  }
  return FolderHandle(std::move(fd), path_ / name);
}

std::optional<FileDescriptor> FolderHandle::openFile(const std::string& name, int flags,
                                                     mode_t mode, FileError& error) const {
  FileDescriptor fd(::openat(fd_.get(), name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, mode));
  if (!fd.valid()) {
    const int code = errno;
    error = errorAt(name, kind(name) == Kind::Link ? ELOOP : code);
    return std::nullopt;
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    error = FileError{path_ / name, EINVAL, "is not a regular file"};
    return std::nullopt;
  }
  return fd;
}

std::optional<std::string> FolderHandle::read(const std::string& name, std::size_t maxBytes,
                                              FileError& error) const {
  // Non-blocking: a FIFO planted here must not hold the reader; it is refused after fstat.
  auto fd = openFile(name, O_RDONLY | O_NONBLOCK, 0, error);
  if (!fd) return std::nullopt;
  std::string bytes;
  std::string chunk(kReadChunk, '\0');
  for (;;) {
    const ssize_t got = ::read(fd->get(), chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errorAt(name, errno);
      return std::nullopt;
    }
    if (got == 0) return bytes;
    if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
      error =
          FileError{path_ / name, EFBIG, "is larger than " + std::to_string(maxBytes) + " bytes"};
      return std::nullopt;
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

bool FolderHandle::replace(const std::string& name, std::string_view bytes, mode_t mode,
                           FileError& error) const {
  const Kind now = kind(name);
  if (now == Kind::Link || now == Kind::Folder || now == Kind::Other) {
    error = now == Kind::Link ? errorAt(name, ELOOP)
                              : FileError{path_ / name, EEXIST, "is not a regular file"};
    return false;
  }
  const std::string temp = "." + name + "." + randomLetters();
  auto fd = openFile(temp, O_WRONLY | O_CREAT | O_EXCL, mode, error);
  if (!fd) {
    error.path = path_ / name;  // the temporary name would mean nothing to the reader
    return false;
  }
  const bool written = ::fchmod(fd->get(), mode) == 0 && writeAll(fd->get(), bytes) &&
                       ::fsync(fd->get()) == 0 && fd->close();
  if (!written) {
    error = errorAt(name, errno);
    ::unlinkat(fd_.get(), temp.c_str(), 0);
    return false;
  }
  if (::renameat(fd_.get(), temp.c_str(), fd_.get(), name.c_str()) != 0) {
    error = errorAt(name, errno);
    ::unlinkat(fd_.get(), temp.c_str(), 0);
    return false;
  }
  ::fsync(fd_.get());
  return true;
}

bool FolderHandle::install(const std::string& name, std::string_view bytes, mode_t mode,
                           FileError& error, bool* unchanged) const {
  if (unchanged) *unchanged = false;
  if (kind(name) == Kind::File) {
    FileError ignored;
    if (auto fd = openFile(name, O_RDONLY | O_NONBLOCK, 0, ignored);
        fd && sameBytes(fd->get(), bytes)) {
      if (unchanged) *unchanged = true;
      return true;
    }
  }
  return replace(name, bytes, mode, error);
}

std::optional<std::string> FolderHandle::createUnique(const std::string& prefix,
                                                      std::string_view bytes,
                                                      FileError& error) const {
  const std::string name = prefix + randomLetters();
  auto fd = openFile(name, O_WRONLY | O_CREAT | O_EXCL, 0644, error);
  if (!fd) return std::nullopt;
  if (!writeAll(fd->get(), bytes) || !fd->close()) {
    error = errorAt(name, errno);
    ::unlinkat(fd_.get(), name.c_str(), 0);
    return std::nullopt;
  }
  return name;
}

bool FolderHandle::renameNew(const std::string& from, const std::string& to,
                             FileError& error) const {
  if (::renameat2(fd_.get(), from.c_str(), fd_.get(), to.c_str(), RENAME_NOREPLACE) != 0) {
    error = errorAt(to, errno);
    return false;
  }
  return true;
}

bool FolderHandle::removeEmptyFolder(const std::string& name, FileError& error) const {
  if (kind(name) != Kind::Folder) {
    error = FileError{path_ / name, ENOTDIR, "is not a folder"};
    return false;
  }
  if (::unlinkat(fd_.get(), name.c_str(), AT_REMOVEDIR) != 0) {
    error = errorAt(name, errno);
    return false;
  }
  return true;
}

bool FolderHandle::remove(const std::string& name, FileError& error) const {
  const Kind now = kind(name);
  if (now != Kind::File) {
    error = now == Kind::Missing ? errorAt(name, ENOENT)
            : now == Kind::Link  ? errorAt(name, ELOOP)
                                 : FileError{path_ / name, EINVAL, "is not a regular file"};
    return false;
  }
  if (::unlinkat(fd_.get(), name.c_str(), 0) != 0) {
    error = errorAt(name, errno);
    return false;
  }
  return true;
}

bool FolderHandle::rename(const std::string& from, const FolderHandle& to,
                          const std::string& toName, FileError& error) const {
  if (to.kind(toName) == Kind::Link) {
    error = to.errorAt(toName, ELOOP);
    return false;
  }
  // As Foundation's move does, never over what is there.
  if (::renameat2(fd_.get(), from.c_str(), to.fd(), toName.c_str(), RENAME_NOREPLACE) != 0) {
    error = errno == EEXIST ? to.errorAt(toName, EEXIST) : errorAt(from, errno);
    return false;
  }
  return true;
}

std::optional<FileLock> FolderHandle::lock(const std::string& name, std::chrono::milliseconds wait,
                                           FileError& error) const {
  auto fd = openFile(name, O_RDWR | O_CREAT, 0644, error);
  if (!fd) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd->get(), LOCK_EX | LOCK_NB) == 0) return FileLock(std::move(*fd));
    if (errno != EWOULDBLOCK && errno != EINTR) {
      error = errorAt(name, errno);
      return std::nullopt;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(kLockPoll);
  }
  const auto seconds = std::chrono::duration<double>(wait).count();
  error = FileError{path_ / name, EWOULDBLOCK,
                    "is held by another process" +
                        (wait.count() > 0 ? " (waited " + std::to_string(int(seconds + 0.5)) + " s)"
                                          : std::string())};
  return std::nullopt;
}
