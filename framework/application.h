#pragma once

#include <memory>

#include "files.h"
#include "menu.h"

namespace fw {

// The application object: one per run, registered with the runtime. It owns nothing but the menu
// bar it shows; documents handed to the running application arrive at Event_OpenDocument.
class Application {
 public:
  Application() = default;
  virtual ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::shared_ptr<fw::MenuBar> MenuBar;

  virtual void Event_OpenDocument(const FolderItem& /*item*/) {}
  // Application-level menu handlers; none by default.
  virtual bool handleMenu(std::string_view /*itemName*/) { return false; }
};

}  // namespace fw
