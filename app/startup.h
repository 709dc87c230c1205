#pragma once

// Start-up of the program on a running framework, and its event loop.

#include <vector>

#include "framework/files.h"
#include "framework/runtime.h"

namespace quillex {

// Hands the generation layer's commands to the form and declares the document type.
void InitFileTypes();
// Creates the application object with the menu bar and registers it.
void NewAppInstance(fw::Runtime& runtime);
// Opens the main window.
void MakeDefaultView();

// Everything before the event loop, in order; an error is shown and start-up goes on.
void StartUp(fw::Runtime& runtime);
// Start-up, the documents named on the command line handed to the application, then the event
// loop until the user quits.
int Main(fw::Runtime& runtime, const std::vector<fw::FolderItem>& documents);

}  // namespace quillex
