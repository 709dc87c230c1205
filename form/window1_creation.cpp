// Creating the main window's controls: the creation order, which is also the tab order, and
// the wiring of control events to the window's handlers.

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "form/creationorder.h"
#include "form/window1.h"
#include "form/window1_controls.h"

namespace form {
namespace {

// One row of the wiring: the event of every control (every element, for a control array) of
// that name runs the handler, which learns the raising element's index.
struct Binding {
  std::string_view name;
  fw::Event event;
  void (*handler)(Window1& window, int index);
};

// clang-format off
const std::array<ControlRef, 100> kCreationOrder = {{
    {"StaticText36"}, {"StaticText33"}, {"StaticText32"}, {"StartEF"}, {"StaticText1"},
    {"StopEF"}, {"StaticText2"}, {"StaticText4"}, {"PrefixEF", 0}, {"ValFmtPU", 0},
    {"SuffixEF", 0}, {"StaticText5"}, {"StaticText6"}, {"StaticText7"}, {"StaticText8"},
    {"LibPreEF"}, {"StaticText9"}, {"ManufCB", 0}, {"SeriesPU"}, {"StaticText10"},
    {"StaticText11"}, {"StaticText12"}, {"ValueSuffixPU"}, {"UnitsStartST"}, {"UnitsStopST"},
    {"TestEF"}, {"PushButton1"}, {"LibSufEF"}, {"ValPreEF"}, {"StaticText13"},
    {"StaticText14"}, {"ValSufEF"}, {"StaticText15"}, {"StaticText16"}, {"ManufCB", 1},
    {"PrefixEF", 1}, {"ValFmtPU", 1}, {"SuffixEF", 1}, {"StaticText17"}, {"StaticText18"},
    {"ManufCB", 2}, {"PrefixEF", 2}, {"ValFmtPU", 2}, {"SuffixEF", 2}, {"StaticText19"},
    {"VendorEF", 0}, {"StaticText20"}, {"VendorEF", 1}, {"StaticText21"}, {"VendorEF", 2},
    {"StaticText22"}, {"StaticText23"}, {"StaticText24"}, {"StaticText25"}, {"StaticText26"},
    {"StaticText27"}, {"CurrentValueST"}, {"MrkPU", 0}, {"StaticText28"}, {"MrkPU", 1},
    {"StaticText29"}, {"MrkPU", 2}, {"StaticText30"}, {"DeviceCntST"}, {"LengthEF", 0},
    {"StaticText31"}, {"LengthEF", 1}, {"LengthEF", 2}, {"StaticText34"}, {"StaticText35"},
    {"WidthEF", 0}, {"WidthEF", 1}, {"WidthEF", 2}, {"LengthTotEF"}, {"WidthTotEF"},
    {"StaticText37"}, {"AreaEF"}, {"StaticText38"}, {"RefDesPreCB"}, {"StaticText39"},
    {"PreLOCB"}, {"RefDesStartEF"}, {"StaticText40"}, {"SpiceRefDesPreCB"}, {"StaticText41"},
    {"SpiceParamEF"}, {"StaticText42"}, {"SigDig0ST"}, {"SigDigEF", 0}, {"IndexStart0ST"},
    {"IndexStartEF", 0}, {"SigDig1ST"}, {"SigDigEF", 1}, {"IndexStart1ST"}, {"IndexStartEF", 1},
    {"IndexStartEF", 2}, {"IndexStart2ST"}, {"SigDigEF", 2}, {"SigDig2ST"}, {"PrefixPNCB"},
}};
// clang-format on

using enum fw::Event;
using W = Window1;

// The rows in creation order of their controls.
// clang-format off
constexpr Binding kWiring[] = {
    {"StartEF", TextChange, [](W& w, int) { w.StartEF_TextChange(); }},
    {"StopEF", TextChange, [](W& w, int) { w.StopEF_TextChange(); }},
    {"PrefixEF", TextChange, [](W& w, int i) { w.PrefixEF_TextChange(i); }},
    {"PrefixEF", Open, [](W& w, int i) { w.PrefixEF_Open(i); }},
    {"ValFmtPU", Change, [](W& w, int i) { w.ValFmtPU_Change(i); }},
    {"ValFmtPU", Open, [](W& w, int i) { w.ValFmtPU_Open(i); }},
    {"SuffixEF", TextChange, [](W& w, int i) { w.SuffixEF_TextChange(i); }},
    {"SuffixEF", Open, [](W& w, int i) { w.SuffixEF_Open(i); }},
    {"LibPreEF", TextChange, [](W& w, int) { w.LibPreEF_TextChange(); }},
    {"ManufCB", Change, [](W& w, int i) { w.ManufCB_Change(i); }},
    {"ManufCB", Open, [](W& w, int i) { w.ManufCB_Open(i); }},
    {"ManufCB", TextChanged, [](W& w, int i) { w.ManufCB_TextChanged(i); }},
    {"SeriesPU", Change, [](W& w, int) { w.SeriesPU_Change(); }},
    {"ValueSuffixPU", Change, [](W& w, int) { w.ValueSuffixPU_Change(); }},
    {"PushButton1", Action, [](W& w, int) { w.PushButton1_Action(); }},
    {"LibSufEF", TextChange, [](W& w, int) { w.LibSufEF_TextChange(); }},
    {"ValPreEF", TextChange, [](W& w, int) { w.ValPreEF_TextChange(); }},
    {"ValPreEF", Open, [](W& w, int) { w.ValPreEF_Open(); }},
    {"ValSufEF", TextChange, [](W& w, int) { w.ValSufEF_TextChange(); }},
    {"ValSufEF", Open, [](W& w, int) { w.ValSufEF_Open(); }},
    {"VendorEF", TextChange, [](W& w, int i) { w.VendorEF_TextChange(i); }},
    {"VendorEF", Open, [](W& w, int i) { w.VendorEF_Open(i); }},
    {"MrkPU", Change, [](W& w, int i) { w.MrkPU_Change(i); }},
    {"MrkPU", Open, [](W& w, int i) { w.MrkPU_Open(i); }},
    {"LengthEF", TextChange, [](W& w, int i) { w.LengthEF_TextChange(i); }},
    {"WidthEF", TextChange, [](W& w, int i) { w.WidthEF_TextChange(i); }},
    {"LengthTotEF", TextChange, [](W& w, int) { w.LengthTotEF_TextChange(); }},
    {"WidthTotEF", TextChange, [](W& w, int) { w.WidthTotEF_TextChange(); }},
    {"AreaEF", TextChange, [](W& w, int) { w.AreaEF_TextChange(); }},
    {"RefDesPreCB", Change, [](W& w, int) { w.RefDesPreCB_Change(); }},
    {"PreLOCB", Action, [](W& w, int) { w.PreLOCB_Action(); }},
    {"RefDesStartEF", TextChange, [](W& w, int) { w.RefDesStartEF_TextChange(); }},
    {"SpiceRefDesPreCB", Change, [](W& w, int) { w.SpiceRefDesPreCB_Change(); }},
    {"SpiceParamEF", TextChange, [](W& w, int) { w.SpiceParamEF_TextChange(); }},
    {"SigDigEF", TextChange, [](W& w, int i) { w.SigDigEF_TextChange(i); }},
    {"IndexStartEF", TextChange, [](W& w, int i) { w.IndexStartEF_TextChange(i); }},
    {"PrefixPNCB", Action, [](W& w, int) { w.PrefixPNCB_Action(); }},
};
// clang-format on

}  // namespace

void Window1::CreateControls() {
  using namespace window1;
  std::vector<fw::ControlSpec> allProps;
  for (auto area :
       {TopBandControls, SourceColumnControls, RightSideControls, ActionRowAndOutputControls}) {
    std::ranges::move(area(), std::back_inserter(allProps));
  }
  for (fw::ControlSpec& props : inCreationOrder(kCreationOrder, std::move(allProps))) {
    // The initial properties are in place before any handler is bound, so they raise nothing.
    fw::Control& control = addControl(std::move(props));
    for (const Binding& binding : kWiring) {
      if (binding.name != control.Name()) continue;
      control.bind(binding.event,
                   [this, handler = binding.handler](int index) { handler(*this, index); });
    }
  }
}

}  // namespace form
