#include "files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

namespace fw {
namespace {

std::string lastError() { return std::strerror(errno); }

// Writes all of `bytes` to `fd`, retrying short writes and interruptions.
bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Whether `info` is that of a regular file; else `why` says what it is.
bool isRegularFile(const struct stat& info, std::string& why) {
  if (S_ISREG(info.st_mode)) return true;
  why = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
  return false;
}

// The file `path` names once symbolic links are followed, also when it does not exist yet: a link
// whose file is missing names where that file is to be.
std::optional<std::filesystem::path> followLinks(std::filesystem::path path, std::string& why) {
  // The system's own limit on links followed in one path.
  constexpr int kMostLinks = 40;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) {
      why = ec.message();
      return std::nullopt;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  why = std::strerror(ELOOP);
  return std::nullopt;
}

// Whether the user may replace the file: the superuser may write any file, so for the superuser
// a file without any write permission counts as one to keep. `why` receives the reason when not.
bool mayReplace(const std::filesystem::path& file, const struct stat& info, std::string& why) {
  if (::geteuid() == 0 ? (info.st_mode & 0222) != 0
                       : ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0) {
    return true;
  }
  why = ::geteuid() == 0 ? std::strerror(EACCES) : lastError();
  return false;
}

// A name for the temporary file beside `target` that fits the folder's limit on names.
std::string temporaryPattern(const std::filesystem::path& folder,
                             const std::filesystem::path& target) {
  constexpr size_t kMarks = 8;  // the leading "." and the trailing ".XXXXXX"
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  const size_t room =
      (limit > static_cast<long>(kMarks) ? static_cast<size_t>(limit) : 255) - kMarks;
  std::string stem = target.filename().string();
  if (stem.size() > room) stem.resize(room);
  return (folder / ("." + stem + ".XXXXXX")).string();
}

// Makes a new file named `pattern` with its last six characters chosen to give a name free in its
// folder, with the permissions `mode` narrowed as for any new file there: by the umask, or by the
// folder's default access-control list where it has one. Its descriptor, or -1 and errno.
int makeFile(std::string& pattern, mode_t mode) {
  constexpr std::string_view kLetters =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  constexpr int kAttempts = 100;
  auto fallback =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random) {
      random = fallback += 0x9E3779B97F4A7C15;  // spread over the names like a random one
    }
    for (size_t i = pattern.size() - 6; i < pattern.size(); ++i, random /= kLetters.size()) {
      pattern[i] = kLetters[random % kLetters.size()];
    }
    const int fd = ::open(pattern.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A list or a value that the system hands out into a buffer of the caller's, `get(buffer, size)`
// as getxattr does it, or nothing (and errno) where it cannot be read.
template <typename Get>
std::optional<std::string> readSized(Get get) {
  // The value may grow between asking its size and reading it: then it is asked again.
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t size = get(nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string value(static_cast<size_t>(size), '\0');
    const ssize_t read = get(value.data(), value.size());
    if (read >= 0) {
      value.resize(static_cast<size_t>(read));
      return value;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

// The attribute of the access-control list that a new file inherits from a folder's default one.
constexpr const char* kAccessList = "system.posix_acl_access";

// Gives the new file `fd` the extended attributes of `old`, what the system lets the user set of
// them (it keeps security and trusted ones to itself), and its access-control lists exactly: also
// none where `old` has none, where the new file took the folder's default list. Returns false
// where the lists cannot be given, or the attributes not be listed.
bool copyAttributes(const std::filesystem::path& old, int fd) {
  const std::optional<std::string> names =
      readSized([&](char* list, size_t size) { return ::listxattr(old.c_str(), list, size); });
  if (!names && errno != ENOTSUP) return false;
  bool hasList = false;
  for (size_t at = 0; names && at < names->size(); at += std::strlen(names->c_str() + at) + 1) {
    const char* name = names->c_str() + at;
    // The system's own attributes are access-control lists, of POSIX or of a network file system.
    const bool list = std::string_view(name).starts_with("system.");
    hasList = hasList || std::strcmp(name, kAccessList) == 0;
    const std::optional<std::string> value = readSized(
        [&](char* buffer, size_t size) { return ::getxattr(old.c_str(), name, buffer, size); });
    if ((!value || ::fsetxattr(fd, name, value->data(), value->size(), 0) != 0) && list) {
      return false;
    }
  }
  return hasList || ::fremovexattr(fd, kAccessList) == 0 || errno == ENODATA || errno == ENOTSUP;
}

// Gives the new file `fd` what the replaced file `old`, of `info`, has: its owner and group where
// the system allows (the group alone where the owner cannot be kept), its extended attributes, and
// its access-control list and permissions exactly. Returns false where the last two cannot be
// given.
bool keepAttributes(int fd, const std::filesystem::path& old, const struct stat& info) {
  // The owner goes first, since changing it may clear set-id bits; a user who may not give the
  // file away may still keep its group, one they are a member of, so that the group's other
  // members keep their access.
  if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
    (void)::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
  }
  // The permissions come last: a list sets them, and they set the list's mask, which is the
  // old file's group permissions, as they were.
  return copyAttributes(old, fd) && ::fchmod(fd, info.st_mode & 07777) == 0;
}

// Whether making or renaming a file failed for the folder's permissions alone: another user's
// folder refuses new files, and a sticky folder the renaming of another user's file.
bool refusedByFolder(int error) { return error == EACCES || error == EPERM; }

// Writes `bytes` into the existing file `target` itself, of `oldSize` bytes: the way left in a
// folder that refuses the temporary file or its renaming, where other editors write in place too.
// The space is reserved before the first byte is written, so a full disk or a size limit refuses
// the save while the old text is whole. Being the same file, it keeps its owner, group and
// permissions.
IoResult writeInPlace(const std::filesystem::path& target, const std::string& bytes,
                      off_t oldSize) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return IoResult::failure(lastError());
  int error = 0;
  if (!bytes.empty()) {
    do {
      error = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    } while (error == EINTR);
    // A reservation cut short may have lengthened the file (on a file system without fallocate,
    // with zeros): the old text is given back its length.
    if (error != 0) (void)::ftruncate(fd, oldSize);
  }
  if (error == 0 && !writeAll(fd, bytes)) error = errno;
  // The cut comes before the flush, so that the flush makes the new length durable with the text.
  if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? IoResult{} : IoResult::failure(std::strerror(error));
}

// Flushes the folder's entries, so that a power loss cannot bring back the old file once the save
// said the new one was written. A folder that cannot be opened or flushed is no failure of the
// save: the new text is in the file by then, and would be reported as not written; and a folder
// the user may write but not read (a drop box) cannot be opened to be flushed at all.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

FileContent ReadWholeFile(const FolderItem& file, std::uintmax_t maxBytes) {
  FileContent content;
  // A look first, so that a pipe or a device is never opened (opening a pipe waits for a writer).
  struct stat info {};
  if (::stat(file.path().c_str(), &info) != 0 || !isRegularFile(info, content.error)) {
    if (content.error.empty()) content.error = lastError();
    return content;
  }
  const int fd = ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    content.error = lastError();
    return content;
  }
  // The file may have been replaced between the look and the opening: what counts is the one
  // that was opened.
  if (::fstat(fd, &info) != 0 || !isRegularFile(info, content.error)) {
    if (content.error.empty()) content.error = lastError();
    ::close(fd);
    return content;
  }
  const auto size = static_cast<std::uintmax_t>(info.st_size);
  if (size > maxBytes) {
    content.tooLarge = true;
    ::close(fd);
    return content;
  }
  // Read up to one byte past the limit, so a file that grows meanwhile is still refused.
  const size_t readLimit = maxBytes < std::numeric_limits<size_t>::max()
                               ? static_cast<size_t>(maxBytes) + 1
                               : std::numeric_limits<size_t>::max();
  std::string bytes(std::min<std::uintmax_t>(size + 1, readLimit), '\0');
  size_t done = 0;
  while (done < readLimit) {
    if (done == bytes.size()) bytes.resize(std::min(2 * done, readLimit));
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      content.error = lastError();
      ::close(fd);
      return content;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  if (done > maxBytes) {
    content.tooLarge = true;
    return content;
  }
  bytes.resize(done);
  content.bytes = std::move(bytes);
  return content;
}

IoResult WriteWholeFile(const FolderItem& file, const std::string& bytes) {
  if (file.path().filename().empty()) return IoResult::failure("no file name");
  std::string why;
  const std::optional<std::filesystem::path> resolved = followLinks(file.path(), why);
  if (!resolved) return IoResult::failure(why);
  const std::filesystem::path& target = *resolved;
  struct stat existing {};
  const bool replacing = ::stat(target.c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) return IoResult::failure(lastError());
  // A folder, a device or a pipe is never replaced by a document, nor a file kept from writing.
  if (replacing && (!isRegularFile(existing, why) || !mayReplace(target, existing, why))) {
    return IoResult::failure(why);
  }

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = temporaryPattern(folder, target);
  // A new file gets the permissions the folder gives any new file. A replacing one is the user's
  // alone until it has the old file's.
  const int fd = makeFile(pattern, replacing ? 0600 : 0666);
  if (fd < 0) {
    if (replacing && refusedByFolder(errno)) return writeInPlace(target, bytes, existing.st_size);
    return IoResult::failure(lastError());
  }
  // A file whose access-control list or permissions cannot be given to a new one is written in
  // place, which keeps them. What else cannot be kept is no reason to lose the user's text.
  if (replacing && !keepAttributes(fd, target, existing)) {
    ::close(fd);
    ::unlink(pattern.c_str());
    return writeInPlace(target, bytes, existing.st_size);
  }
  bool ok = writeAll(fd, bytes);
  if (!ok) why = lastError();
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    why = lastError();
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = lastError();
  }
  bool inPlace = false;
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    inPlace = replacing && refusedByFolder(errno);
    why = lastError();
  }
  if (!ok) {
    ::unlink(pattern.c_str());
    return inPlace ? writeInPlace(target, bytes, existing.st_size) : IoResult::failure(why);
  }
  syncFolder(folder);
  return {};
}

}  // namespace fw
