#pragma once

// The main window's commands that the generation layer carries out.

#include "form/formcommands.h"

namespace generate {

// Go, File > Open and File > Save, for the application object to hand to the form.
form::FormCommands Commands();

}  // namespace generate
