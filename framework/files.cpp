#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
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

}  // namespace

bool FolderItem::Exists() const {
  std::error_code ec;
  return !path_.empty() && std::filesystem::exists(path_, ec);
}

bool FolderItem::Directory() const {
  std::error_code ec;
  return std::filesystem::is_directory(path_, ec);
}

std::optional<std::string> ReadWholeFile(const FolderItem& file, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file.path(), ec)) {
    if (error != nullptr) *error = "not a regular file";
    return std::nullopt;
  }
  std::ifstream in(file.path(), std::ios::binary);
  if (!in) {
    if (error != nullptr) *error = lastError();
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    if (error != nullptr) *error = "read error";
    return std::nullopt;
  }
  return std::move(content).str();
}

IoResult WriteFileAtomically(const FolderItem& file, const std::string& bytes) {
  std::filesystem::path target = file.path();
  if (target.filename().empty()) return IoResult::failure("no file name");
  std::error_code ec;
  // Through a symbolic link the file it names is replaced, so the link stays.
  if (std::filesystem::is_symlink(target, ec)) {
    target = std::filesystem::weakly_canonical(target, ec);
    if (ec) return IoResult::failure(ec.message());
  }
  const auto status = std::filesystem::status(target, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    // A folder, a device or a pipe is never replaced by a document.
    return IoResult::failure("not a regular file");
  }

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return IoResult::failure(lastError());

  // An existing file keeps its permissions; a new one gets those the user's umask allows.
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  // Permissions that cannot be set are no reason to lose the user's text.
  (void)::fchmod(fd, mode);
  std::string why;
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
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    why = lastError();
  }
  if (!ok) {
    ::unlink(pattern.c_str());
    return IoResult::failure(why);
  }
  return {};
}

}  // namespace fw
