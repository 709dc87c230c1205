#include "generate/filecommands.h"

#include <utility>
#include <vector>

#include "framework/encoding.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "generate/go.h"
#include "generate/reader.h"

namespace generate {
namespace {

constexpr const char* kOpenTitle = "Select a text file";
constexpr const char* kSavePrompt = "File of Attribute values for Torvane script Quillex";
// How many of the characters Mac Roman cannot hold a refused save names.
constexpr size_t kCharactersNamed = 5;

form::FormApplication& application() {
  if (auto* app = form::FormApplication::current()) return *app;
  throw fw::RuntimeException("The application object keeps no file state");
}

// Why a file gave no text, said after its name; empty when the bytes were read but are not text.
std::string whyNotRead(const fw::FileContent& content) {
  if (content.tooLarge) {
    return "It is larger than the " + sizeText(kMaxTextBytes) + " of the longest text Go writes.";
  }
  return content.error;
}

// The file's path in quotes, as UTF-8: a name whose bytes are not UTF-8 is shown as Mac Roman, the
// encoding the program writes, so that a message is text whatever the names on the disk.
std::string quotedPath(const fw::FolderItem& file) {
  fw::Array<std::string> names = fw::SplitB(file.path().native(), "/");
  for (int i = 0; i < names.size(); ++i) {
    if (!fw::IsValidUtf8(names[i])) names[i] = fw::FromMacRoman(names[i]);
  }
  return "\"" + fw::Join(names, "/") + "\"";
}

// Refuses `file` with the message `what`, naming the file on the second line, followed by the
// reason `why` when there is one.
void refuse(const char* what, const fw::FolderItem& file, const std::string& why) {
  fw::MsgBox(std::string(what) + "\n" + quotedPath(file) + (why.empty() ? "" : ": " + why));
}

// A file becomes the document (its folder, its name and the window's title) only once it was
// read and found to hold a form, so that Save never suggests a file the user merely tried to open.
void readInto(form::Window1& w, const fw::FolderItem& file) {
  std::optional<std::vector<ExaminedLine>> lines;
  {
    fw::FileContent content = fw::ReadWholeFile(file, kMaxTextBytes);
    const std::optional<Document> document =
        content.bytes ? documentOf(std::move(*content.bytes)) : std::nullopt;
    if (!document) {
      refuse(kNotATextFile, file, whyNotRead(content));
      return;
    }
    lines = ReadSectionLines(document->bytes, document->encoding);
    if (!lines || !HoldsSectionLine(*lines)) {
      refuse(kHoldsNoForm, file, "");
      return;
    }
  }
  // The file's bytes are gone by now: a field as large as the file is held only by the texts
  // the form keeps of it.
  form::FormApplication& app = application();
  app.fpath = file.Parent();
  app.FileName = file.Name();
  w.setTitle(app.FileName);
  SetSectionLines(w, std::move(*lines));
  w.CheckForGo();
}

// The first few distinct characters of `text` that Mac Roman cannot hold, quoted; empty when it
// can hold them all.
std::string charactersWithoutMacRoman(std::string_view text) {
  std::string named;
  for (const std::string& character : fw::CharactersWithoutMacRoman(text, kCharactersNamed)) {
    named += (named.empty() ? "\"" : ", \"") + character + "\"";
  }
  return named;
}

}  // namespace

std::optional<Document> documentOf(std::string bytes) {
  if (bytes.find('\0') != std::string::npos) return std::nullopt;
  // Editors on other systems may begin a UTF-8 text with a byte-order mark; it is no character
  // of the text, and left in place it would hide the first section line.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
  const fw::Encoding encoding = fw::EncodingOf(bytes);
  return Document{std::move(bytes), encoding};
}

bool FileOpen_Action(form::Window1& w) {
  fw::Backend& backend = fw::Runtime::current().backend();
  const std::optional<fw::FolderItem> file =
      backend.openDialog({.title = kOpenTitle, .initialFolder = backend.documentsFolder()});
  if (!file) return false;
  readInto(w, *file);
  return true;
}

void OpenDocument(const fw::FolderItem& item) { readInto(form::Window1::Instance(), item); }

bool FileSave_Action(form::Window1& w) {
  form::FormApplication& app = application();
  const std::string& text = w.TestEF().Text();
  // A text that cannot be written is refused before the user is asked where to write it.
  const fw::Conversion bytes = fw::ToMacRoman(text);
  if (!bytes) {
    fw::MsgBox(std::string(kCannotCreate) + "\nMac Roman has no character for " +
               charactersWithoutMacRoman(text) + "; nothing was written.");
    return true;
  }
  const std::optional<fw::FolderItem> file = fw::Runtime::current().backend().saveDialog(
      {.promptText = kSavePrompt,
       .initialFolder = app.fpath,
       .suggestedFileName = text.empty() ? std::string(kEmptyFileName) : app.FileName});
  if (!file) return true;
  app.FileName = file->Name();
  if (const fw::IoResult written = fw::WriteWholeFile(*file, bytes.bytes); !written) {
    fw::MsgBox(std::string(kCannotCreate) + "\n" + written.error);
  }
  return true;
}

}  // namespace generate
