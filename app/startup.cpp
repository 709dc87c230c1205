#include "startup.h"

#include <csignal>

#include "app.h"
#include "form/menubar1.h"
#include "form/window1.h"
#include "generate/commands.h"

namespace quillex {

void InitFileTypes(fw::Runtime& runtime) {
  runtime.declareFileType(
      {.Name = "text/plain",
       .Extensions =
           ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt",
       .MacType = "TEXT",
       .MacCreator = "????"});
}

void NewAppInstance(fw::Runtime& runtime) {
  auto app = std::make_unique<App>();
  app->MenuBar = form::MenuBar1::Instance();
  app->Commands = generate::Commands();
  runtime.setApplication(std::move(app));
}

void MakeDefaultView() { form::Window1::Instance(); }

bool StartUp(fw::Runtime& runtime) {
  // A write beyond the user's file-size limit would end the program with SIGXFSZ, losing the form
  // and leaving a partial temporary file; ignored, the write fails with EFBIG and the save is
  // refused with its reason while the old file stays whole.
  std::signal(SIGXFSZ, SIG_IGN);
  bool started = false;
  runtime.guard([&] {
    InitFileTypes(runtime);
    NewAppInstance(runtime);
    MakeDefaultView();
    started = true;
  });
  return started;
}

int Main(fw::Runtime& runtime, const std::vector<fw::FolderItem>& documents) {
  if (!StartUp(runtime)) return 1;
  for (const auto& document : documents) runtime.guard([&] { runtime.openDocument(document); });
  runtime.guard([&] { runtime.run(); });
  return 0;
}

}  // namespace quillex
