#include "generate/commands.h"

#include "generate/filecommands.h"
#include "generate/go.h"

namespace generate {

form::FormCommands Commands() {
  return {.go = PushButton1_Action, .fileOpen = FileOpen_Action, .fileSave = FileSave_Action};
}

}  // namespace generate
