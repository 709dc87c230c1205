#include "control.h"

#include <algorithm>
#include <string_view>

#include "window.h"

namespace fw {
namespace {

// A one-line field holds neither TAB nor line end: each TAB, CR, LF or CR LF of a pasted or set
// text becomes one blank, so no field can split a line of the text it is written into. The
// blanks are written over the text itself, which never grows, so that a long text is not copied.
std::string oneLine(std::string text) {
  // Three searches for one character each, which the C library makes fast, rather than one that
  // asks of every character whether it is one of three.
  size_t to = std::string::npos;
  for (const char c : {'\t', '\r', '\n'}) {
    to = std::min(to, std::string_view(text).substr(0, to).find(c));
  }
  if (to == std::string::npos) return text;
  for (size_t from = to; from < text.size(); ++from) {
    const char c = text[from];
    if (c == '\r' && from + 1 < text.size() && text[from + 1] == '\n') ++from;
    text[to++] = c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  text.resize(to);
  return text;
}

}  // namespace

Control::Control(Window& window, ControlSpec props)
    : window_(window),
      initial_(std::move(props)),
      enabled_(initial_.Enabled),
      visible_(initial_.Visible) {}

Control::~Control() = default;

void Control::setEnabled(bool enabled) {
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setVisible(bool visible) {
  visible_ = visible;
  notify(Property::Visible);
}

void Control::bind(Event event, Handler handler) {
  handlers_[static_cast<size_t>(event)] = std::move(handler);
}

bool Control::isBound(Event event) const {
  return static_cast<bool>(handlers_[static_cast<size_t>(event)]);
}

void Control::raise(Event event) {
  // A copy, so that a handler that rebinds its own event cannot destroy the running function.
  const Handler handler = handlers_[static_cast<size_t>(event)];
  if (handler) handler(initial_.Index);
}

void Control::Refresh() {
  if (auto* observer = window_.observer()) observer->refresh(*this);
}

void Control::notify(Property property) {
  if (auto* observer = window_.observer()) observer->controlChanged(*this, property);
}

EditField::EditField(Window& window, ControlSpec props)
    : Control(window, std::move(props)), text_(this->initial().Text) {}

void EditField::setText(std::string text) {
  text_ = initial().Multiline ? std::move(text) : oneLine(std::move(text));
  notify(Property::Text);
  raise(Event::TextChange);
}

StaticText::StaticText(Window& window, ControlSpec props)
    : Control(window, std::move(props)), text_(this->initial().Text) {}

void StaticText::setText(std::string text) {
  text_ = std::move(text);
  notify(Property::Text);
}

ListControl::ListControl(Window& window, ControlSpec props)
    : Control(window, std::move(props)), rows_(this->initial().InitialValue), listIndex_(-1) {
  listIndex_ = normalised(this->initial().ListIndex);
}

std::string ListControl::List(int row) const {
  if (row < 0 || row >= ListCount()) return {};
  return rows_[static_cast<size_t>(row)];
}

int ListControl::normalised(int row) const noexcept {
  return row >= 0 && row < ListCount() ? row : -1;
}

PopupMenu::PopupMenu(Window& window, ControlSpec props) : ListControl(window, std::move(props)) {}

void PopupMenu::setListIndex(int row) {
  listIndex_ = normalised(row);
  notify(Property::ListIndex);
  raise(Event::Change);
}

ComboBox::ComboBox(Window& window, ControlSpec props)
    : ListControl(window, std::move(props)), text_(List(listIndex_)) {}

int ComboBox::rowOf(const std::string& text) const noexcept {
  for (int row = 0; row < ListCount(); ++row) {
    if (rows_[static_cast<size_t>(row)] == text) return row;
  }
  return -1;
}

void ComboBox::setText(std::string text) {
  text_ = oneLine(std::move(text));
  listIndex_ = rowOf(text_);
  textAtLastChange_.reset();
  notify(Property::Text);
  raise(Event::Change);
}

void ComboBox::setListIndex(int row) {
  listIndex_ = normalised(row);
  if (listIndex_ >= 0) text_ = List(listIndex_);
  textAtLastChange_.reset();
  notify(Property::Text);
  raise(Event::Change);
}

void ComboBox::userType(std::string text) {
  // The text at the last Change is kept apart only from the first keystroke after it.
  if (!textAtLastChange_) textAtLastChange_ = std::move(text_);
  text_ = oneLine(std::move(text));
  listIndex_ = rowOf(text_);
  raise(Event::TextChanged);
}

void ComboBox::userCommit() {
  if (!textAtLastChange_) return;
  const bool changed = text_ != *textAtLastChange_;
  textAtLastChange_.reset();
  if (changed) raise(Event::Change);
}

CheckBox::CheckBox(Window& window, ControlSpec props)
    : Control(window, std::move(props)), value_(this->initial().Value) {}

void CheckBox::setValue(bool value) {
  value_ = value;
  notify(Property::Value);
  raise(Event::Action);
}

PushButton::PushButton(Window& window, ControlSpec props) : Control(window, std::move(props)) {}

void PushButton::userClick() {
  if (Enabled()) raise(Event::Action);
}

}  // namespace fw
