#pragma once

// Controls of the framework model: the seven kinds a window can hold, their creation-time
// properties (ControlSpec) and their run-time properties and events. Setting a value from code
// raises the control's change event before the setter returns, every time, also when the value
// is unchanged; the user's actions arrive through the user* calls, which the backend makes.

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class Window;

enum class ControlKind {
  EditField,
  PopupMenu,
  ComboBox,
  CheckBox,
  PushButton,
  StaticText,
  HTMLViewer
};

// Events a handler can be bound to.
enum class Event { Open, TextChange, Change, TextChanged, Action };

// Run-time properties whose changes are reported to the window's observer.
enum class Property { Text, ListIndex, Value, Enabled, Visible };

// Index of a control that is not an element of a control array.
inline constexpr int kNoIndex = INT32_MIN;

// Text alignment of edit fields and static texts.
enum class Align { Left = 0, Center = 1, Right = 2 };

// The creation-time properties of a control: applied once when the control is made, before any
// handler is bound. Fields that a kind does not have are ignored for it. The defaults are those
// of a plain control of the kind (every member has an initializer, so designated initializers
// may leave any of them out): system font at its default size, enabled, visible, no locked
// edge, an edit field with a border.
struct ControlSpec {
  ControlKind kind = ControlKind::StaticText;
  std::string Name{};
  int Index = kNoIndex;
  // The place in the tab order; -1 gives the control its place in the creation order.
  int TabIndex = -1;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool LockLeft = false, LockTop = false, LockRight = false, LockBottom = false;
  bool Enabled = true;
  bool Visible = true;
  std::string HelpTag{};
  std::string TextFont = "System";
  int TextSize = 0;  // 0: the font's default size
  bool Bold = false, Italic = false, Underline = false;
  // Edit field and static text: the text; combo box: ignored (the chosen row gives it).
  std::string Text{};
  Align Alignment = Align::Left;  // an edit field's Alignment, a static text's TextAlign
  bool Multiline = false;
  bool Border = true;
  bool ScrollbarHorizontal = false, ScrollbarVertical = true;
  bool Password = false, ReadOnly = false;
  bool AcceptTabs = false;
  int LimitText = 0;  // 0: no limit
  // Pop-up menu and combo box: the choice list, one row per element, and the row chosen at
  // creation (-1: none).
  std::vector<std::string> InitialValue{};
  int ListIndex = -1;
  // Push button and check box.
  std::string Caption{};
  bool Default = false;
  bool Value = false;
};

class Control {
 public:
  // The handler learns the index of the raising element (kNoIndex outside a control array).
  using Handler = std::function<void(int index)>;

  Control(Window& window, ControlSpec props);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const noexcept { return initial_.kind; }
  const std::string& Name() const noexcept { return initial_.Name; }
  int Index() const noexcept { return initial_.Index; }
  int TabIndex() const noexcept { return initial_.TabIndex; }
  // The creation-time properties (geometry, locks, font, ...), which do not change later.
  const ControlSpec& initial() const noexcept { return initial_; }
  Window& window() const noexcept { return window_; }

  bool Enabled() const noexcept { return enabled_; }
  void setEnabled(bool enabled);
  bool Visible() const noexcept { return visible_; }
  void setVisible(bool visible);

  // Binds `handler` to `event`, replacing an earlier binding.
  void bind(Event event, Handler handler);
  bool isBound(Event event) const;
  // Runs the handler bound to `event`, if any.
  void raise(Event event);

  // Redraws the control at once, even in the middle of a long handler.
  void Refresh();

 protected:
  void notify(Property property);

 private:
  Window& window_;
  ControlSpec initial_;
  bool enabled_;
  bool visible_;
  std::array<Handler, 5> handlers_;
};

// A single- or multi-line text field. Typing is the same as setting Text. A single-line field
// holds no TAB or line end: each becomes a blank.
class EditField : public Control {
 public:
  EditField(Window& window, ControlSpec props);
  const std::string& Text() const noexcept { return text_; }
  // Raises TextChange.
  void setText(std::string text);
  void userSetText(std::string text) { setText(std::move(text)); }

 private:
  std::string text_;
};

// A label or status text. It has no events.
class StaticText : public Control {
 public:
  StaticText(Window& window, ControlSpec props);
  const std::string& Text() const noexcept { return text_; }
  void setText(std::string text);

 private:
  std::string text_;
};

// The rows of a choice list, shared by pop-up menus and combo boxes.
class ListControl : public Control {
 public:
  ListControl(Window& window, ControlSpec props);
  int ListCount() const noexcept { return static_cast<int>(rows_.size()); }
  // The text of row `row`, the empty text for a row outside the list.
  std::string List(int row) const;
  int ListIndex() const noexcept { return listIndex_; }

 protected:
  // -1 for an index outside the list.
  int normalised(int row) const noexcept;
  std::vector<std::string> rows_;
  int listIndex_;
};

// A pop-up menu: a choice of one row. Its Text is the chosen row's text.
class PopupMenu : public ListControl {
 public:
  PopupMenu(Window& window, ControlSpec props);
  std::string Text() const { return List(listIndex_); }
  // Raises Change. An index outside the list (below -1 or past the last row) chooses no row.
  void setListIndex(int row);
  void userChoose(int row) { setListIndex(row); }
};

// An editable combo box: a text that may be typed or chosen from the list; a TAB or line end in
// it becomes a blank.
class ComboBox : public ListControl {
 public:
  ComboBox(Window& window, ControlSpec props);
  const std::string& Text() const noexcept { return text_; }
  // Sets the text (the list index follows: the first row with that text, or -1) and raises
  // Change.
  void setText(std::string text);
  // Chooses a row (its text becomes the text) and raises Change.
  void setListIndex(int row);

  // Typing: the text follows, only TextChanged is raised.
  void userType(std::string text);
  // Choosing a row from the list: as setListIndex.
  void userChoose(int row) { setListIndex(row); }
  // Leaving the field (Enter, focus out): raises Change when the text differs from the text
  // at the last Change.
  void userCommit();

 private:
  int rowOf(const std::string& text) const noexcept;
  std::string text_;
  // The text at the last Change, where the user has typed since; none while it is the text
  // itself, so that a text set from code is never held twice.
  std::optional<std::string> textAtLastChange_;
};

class CheckBox : public Control {
 public:
  CheckBox(Window& window, ControlSpec props);
  const std::string& Caption() const noexcept { return initial().Caption; }
  bool Value() const noexcept { return value_; }
  // Raises Action.
  void setValue(bool value);
  void userClick() { setValue(!value_); }

 private:
  bool value_;
};

class PushButton : public Control {
 public:
  PushButton(Window& window, ControlSpec props);
  const std::string& Caption() const noexcept { return initial().Caption; }
  // Raises Action when the button is enabled.
  void userClick();
};

// A blank, inert viewer: nothing is ever loaded into it.
class HTMLViewer : public Control {
 public:
  using Control::Control;
};

}  // namespace fw
