#pragma once

// The main window: the whole form, its working properties and the device-line template.

#include <string>
#include <string_view>

#include "form/formcommands.h"
#include "framework/array.h"
#include "framework/window.h"
#include "units/unittable.h"

namespace form {

// Cells of OutputLineArray: 51 cells, 0 to 50.
inline constexpr int kTemplateLastCell = 50;

class Window1 : public fw::Window {
 public:
  Window1();
  ~Window1() override;

  // The main window: the open one, or a new one built with the initial values.
  static Window1& Instance();

  // The commands that the generation layer supplies; they apply to every main window built
  // afterwards. Without them Go and the file commands do nothing.
  static void setCommands(FormCommands commands);
  static const FormCommands& commands();

  // Working properties.
  units::UnitTable Units;  // UnitMultiplier, the decade and suffix tables, UnitsSuffix
  static constexpr std::string_view Zeros = units::Zeros;
  static constexpr std::string_view Letters = units::Letters;
  static constexpr std::string_view EIA0603codes = units::EIA0603codes;

  // The device-line template, and the value-format and marking choice of each source column
  // at the index of the cell they govern (13/23/33 and 18/28/38).
  fw::Array<std::string> OutputLineArray = fw::Array<std::string>(kTemplateLastCell);
  fw::Array<int> ResCodeFormat = fw::Array<int>(kTemplateLastCell);
  fw::Array<int> MrkFormat = fw::Array<int>(kTemplateLastCell);
  int FirstSourceStart = 10;
  int PartNumberValOffset = 3;
  int LastSource = 0;
  int SourcePitch = 10;
  int EndOfOutLineArray = 0;
  int ValueSuffixIndex = 0;
  std::string RefDesPrefix = "*NONE*";

  // Menu handlers.
  bool FileOpen_Action();
  bool FileSave_Action();
  bool WindowsStaticAttributes_Action();

 protected:
  void Layout(fw::WindowSpec& frame) override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void Event_Open() override;
};

}  // namespace form
