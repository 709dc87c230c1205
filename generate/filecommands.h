#pragma once

// File > Open, File > Save and documents handed to the application: where the attribute-value
// text meets the file system. Files are written in Mac Roman; a file is read as UTF-8 when its
// bytes are well-formed UTF-8 of characters Mac Roman can hold, else as Mac Roman, so every
// character a save writes comes back.

#include <optional>
#include <string>
#include <string_view>

#include "form/window1.h"
#include "framework/encoding.h"
#include "framework/files.h"

namespace generate {

// The suggested name when the output field is empty: a warning that the file will be empty.
inline constexpr const char* kEmptyFileName = " ** WARNING **    Empty File";
inline constexpr const char* kNotATextFile = "The selected file is not a text file.";
inline constexpr const char* kCannotCreate = "The text file could not be created.";
inline constexpr const char* kHoldsNoForm = "The selected file holds no Quillex form.";

// File > Open: asks for a file (starting in the user's documents folder) and reads it into the
// form of `w`. A file that cannot be read as text, or holds no section line, is refused with a
// message that names it, and leaves the form, the window's title and the file state as they were.
// False when the user cancelled the dialog, else true.
bool FileOpen_Action(form::Window1& w);

// A document handed to the application: read into the main window, a fresh one when none is
// open, and refused as File > Open refuses a file.
void OpenDocument(const fw::FolderItem& item);

// File > Save: asks where to save and writes the text of the output field there in Mac Roman.
// A text holding characters Mac Roman cannot hold is refused before the dialog, naming them; a
// failed write leaves an existing file as it was. Always true.
bool FileSave_Action(form::Window1& w);

// A file's bytes as a document: without a leading UTF-8 byte-order mark, and the encoding its
// text is in.
struct Document {
  std::string bytes;
  fw::Encoding encoding = fw::Encoding::Utf8;
};

// The document a file's bytes hold; nothing when they are not text (they hold a NUL byte). The
// bytes are taken over, so that a large file is never held twice.
std::optional<Document> documentOf(std::string bytes);

}  // namespace generate
