#pragma once

// Files of the framework model: folder items, reading a whole file and writing one safely.

#include <filesystem>
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
  bool Exists() const;
  bool Directory() const;
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

// The whole content of a regular file as bytes; nothing when it cannot be opened or read (a
// folder, a missing or unreadable file). `error` receives the reason when given.
std::optional<std::string> ReadWholeFile(const FolderItem& file, std::string* error = nullptr);

// Writes `bytes` to `file`, replacing an existing file only once the new content is completely
// on disk: a temporary file beside it is written, flushed and renamed over it. On any failure
// the existing file is left as it was and the temporary file is removed.
IoResult WriteFileAtomically(const FolderItem& file, const std::string& bytes);

}  // namespace fw
