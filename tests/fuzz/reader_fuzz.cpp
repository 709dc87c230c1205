// Reading any bytes back into the form, as File > Open does: decoding, the section lines and the
// form's handlers must never crash, never run away, and never leave a control holding text that
// is not UTF-8 or a one-line field holding a TAB or a line end.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/encoding.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/attributetext.h"
#include "generate/filecommands.h"
#include "generate/reader.h"

namespace {

void check(const fw::Window& window) {
  for (const auto& control : window.controls()) {
    const std::string text = generate::fieldText(*control);
    const bool oneLine = !control->initial().Multiline;
    if (!fw::IsValidUtf8(text) || (oneLine && text.find_first_of("\t\r\n") != std::string::npos)) {
      std::abort();
    }
  }
}

}  // namespace

// One main window for the whole run, as File > Open reads every file into the window that is
// open: each input meets the form the earlier ones left.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fw::HeadlessBackend backend;
  static fw::Runtime runtime(backend);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto document = generate::documentOf(bytes);
  if (!document) return 0;
  auto lines = generate::ReadSectionLines(document->bytes, document->encoding);
  if (!lines) return 0;
  form::Window1& w = form::Window1::Instance();
  generate::SetSectionLines(w, std::move(*lines));
  w.CheckForGo();
  check(w);
  if (fw::Window* statics = runtime.findWindow(typeid(form::StaticAttr))) check(*statics);
  return 0;
}
