// Pictures of the program's windows, drawn without a display: starts the program as usual,
// chooses Windows > Static Attributes, and saves main-window.png and static-attributes.png into
// the folder given as the argument (the current folder when there is none); then fills in a
// family (E12 resistors from 10 to 100 ohm), presses Go and saves main-window-after-go.png.

#include <filesystem>
#include <iostream>
#include <string>
#include <typeinfo>

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/runtime.h"
#include "qt/offscreen.h"
#include "startup.h"

namespace {

bool save(const qtui::OffscreenSession& session, const fw::Window* window,
          const std::filesystem::path& file) {
  if (window == nullptr || !session.saveImage(*window, file.string())) {
    std::cerr << "quillex_screenshots: cannot save " << file.string() << '\n';
    return false;
  }
  std::cout << file.string() << '\n';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qtui::OffscreenSession session(argc, argv);
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::cerr << "quillex_screenshots: cannot make " << folder.string() << ": " << error.message()
              << '\n';
    return 1;
  }
  fw::Runtime runtime(session.backend());
  quillex::StartUp(runtime);
  runtime.guard([&] { runtime.dispatchMenu("WindowsStaticAttributes", runtime.frontWindow()); });
  bool saved =
      save(session, runtime.findWindow(typeid(form::Window1)), folder / "main-window.png") &&
      save(session, runtime.findWindow(typeid(form::StaticAttr)), folder / "static-attributes.png");
  form::Window1* w = nullptr;
  runtime.guard([&] {
    w = &form::Window1::Instance();
    w->ValueSuffixPU().setListIndex(1);
    w->SeriesPU().setListIndex(1);
    w->StartEF().setText("10");
    w->StopEF().setText("100");
    w->RefDesPreCB().setText("R");
  });
  saved = saved && w != nullptr && session.click(*w, w->PushButton1()) &&
          save(session, w, folder / "main-window-after-go.png");
  // A message means something went wrong while the windows were built.
  return saved && session.messageCount() == 0 ? 0 : 1;
}
