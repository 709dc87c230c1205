#include "generate/commands.h"

#include "generate/go.h"

namespace generate {

form::FormCommands Commands() { return {.go = PushButton1_Action}; }

}  // namespace generate
