#pragma once

// A document type the application declares: the kind of file it opens when the desktop hands
// one over.

#include <string>

namespace fw {

struct FileType {
  std::string Name{};        // the media type, "text/plain"
  std::string Extensions{};  // the file name endings, separated by ";"
  std::string MacType{};
  std::string MacCreator{};
  bool operator==(const FileType&) const = default;
};

}  // namespace fw
