#pragma once

// Files of the framework model: folder items, reading a whole file and writing one safely.

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace fw {

// A file or folder on disk, by path.
class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const noexcept { return path_; }
  // The last component of the path.
  std::string Name() const { return path_.filename().string(); }
  // The folder that holds this item.
  FolderItem Parent() const { return FolderItem(path_.parent_path()); }
  bool operator==(const FolderItem&) const = default;

 private:
  std::filesystem::path path_;
};

// The outcome of a file operation: ok, or the reason it failed.
struct IoResult {
  bool ok = true;
  std::string error;
  explicit operator bool() const noexcept { return ok; }
  static IoResult failure(std::string why) { return {false, std::move(why)}; }
};

// What reading a whole file gave: its bytes, or the reason there are none.
struct FileContent {
  std::optional<std::string> bytes;
  std::string error;        // the reason, when there are no bytes
  bool tooLarge = false;    // refused for its size alone, before any byte was read
  std::uintmax_t size = 0;  // the file's size in bytes, when it was found
};

// The whole content of a regular file as bytes. A missing or unreadable file, a folder, a device
// or a pipe gives no bytes and the system's reason; so does a file of more than `maxBytes`,
// refused from its size before anything is read.
FileContent ReadWholeFile(const FolderItem& file,
                          std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max());

// Writes `bytes` to `file`. An existing file is replaced only once the new content is completely
// on disk: a temporary file beside it is written, flushed and renamed over it, and the folder is
// flushed, so a crash leaves either the old or the new text whole. Where the folder refuses the
// temporary file or the renaming (another user's folder, a sticky one) but the file itself may be
// written, it is written in place after the space for the new text is reserved: a full disk or a
// size limit then refuses the save with the old text whole, but a failure or a crash during the
// writing can leave the file partly new. A replaced file keeps its permissions and access-control
// list (none where it had none, whatever the folder's default list), and its owner, group and
// other extended attributes where the system allows (the group alone where the owner cannot be
// kept); where a new file cannot be given the old one's list or permissions, the file is written
// in place. A new file gets what the folder gives any new file: the permissions the umask or the
// folder's default list allows. A file the user may not write (for the superuser: one without any
// write permission) is not replaced, and a new file is not made where the folder refuses it.
// Through a symbolic link, also one whose file does not exist yet, the file it names is written
// and the link stays. No temporary file is left behind.
IoResult WriteWholeFile(const FolderItem& file, const std::string& bytes);

}  // namespace fw
