#pragma once

// Start-up of the program on a running framework, and its event loop.

#include <vector>

#include "framework/files.h"
#include "framework/runtime.h"

namespace quillex {

// Declares the application's document type, plain text, which it keeps until it exits.
void InitFileTypes(fw::Runtime& runtime);
// Creates the application object with the menu bar and registers it.
void NewAppInstance(fw::Runtime& runtime);
// Opens the main window.
void MakeDefaultView();

// Everything before the event loop, in order, beginning with ignoring the signal of the file-size
// limit (so that a write beyond it fails and is reported); an error is shown and ends start-up.
// Returns whether start-up completed.
bool StartUp(fw::Runtime& runtime);
// Start-up, the documents named on the command line handed to the application, then the event
// loop until the user quits. A start-up that failed ends the program once its error is shown,
// with no window left to work in. Returns the process's exit status: 0, or 1 after a failed
// start-up.
int Main(fw::Runtime& runtime, const std::vector<fw::FolderItem>& documents);

}  // namespace quillex
