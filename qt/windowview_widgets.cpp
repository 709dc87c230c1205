// The widget of each kind of control, made with the control's initial properties and wired to
// the model's user actions.

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextDocument>
#include <limits>
#include <utility>

#include "handlerinput.h"
#include "qtfonts.h"
#include "windowview.h"

namespace qtui {
namespace {

Qt::Alignment alignmentOf(fw::Align align) {
  switch (align) {
    case fw::Align::Center:
      return Qt::AlignHCenter;
    case fw::Align::Right:
      return Qt::AlignRight;
    case fw::Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// As much text as a line edit can hold.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// The text a multi-line field holds, every character as it is: the document's own text with its
// paragraph and line separators turned back into line ends. QPlainTextEdit::toPlainText() would
// also turn every no-break space into a plain space, so an edit of the output would change the
// text that Save writes and the form that Open reads back.
QString exactTextOf(const QPlainTextEdit* edit) {
  QString text = edit->document()->toRawText();
  for (QChar& c : text) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  }
  return text;
}

QString objectNameOf(const fw::Control& control) {
  QString name = toQt(control.Name());
  if (control.Index() != fw::kNoIndex) name += QString("(%1)").arg(control.Index());
  return name;
}

// The rows of a list, given to the box in one go.
void addRows(QComboBox* combo, const fw::ListControl& list) {
  QStringList rows;
  rows.reserve(list.ListCount());
  for (int row = 0; row < list.ListCount(); ++row) rows << toQt(list.List(row));
  combo->addItems(rows);
}

}  // namespace

void WindowView::buildControls() {
  QWidget* previous = nullptr;
  for (const auto& control : model_->controls()) {
    QWidget* widget = makeWidget(*control);
    const fw::ControlSpec& props = control->initial();
    widget->setObjectName(objectNameOf(*control));
    widget->setGeometry(props.Left, props.Top, props.Width, props.Height);
    // Only a font that differs from the one the control has is set: setting a font makes a
    // pop-up menu build its list at once, and gives every control a font of its own.
    if (const QFont font = fontFor(props); font != widget->font()) widget->setFont(font);
    if (!props.HelpTag.empty()) widget->setToolTip(toQt(props.HelpTag));
    widget->setEnabled(control->Enabled());
    // A child shows with its window unless it is hidden.
    if (!control->Visible()) widget->hide();
    widgets_[control.get()] = widget;
    // The creation order is the tab order.
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous != nullptr) QWidget::setTabOrder(previous, widget);
      previous = widget;
    }
  }
  auto* returnKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
  auto* enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
  connect(returnKey, &QShortcut::activated, this, [this] { pressDefaultButton(); });
  connect(enterKey, &QShortcut::activated, this, [this] { pressDefaultButton(); });
}

QWidget* WindowView::makeWidget(fw::Control& control) {
  const fw::ControlSpec& props = control.initial();
  switch (control.kind()) {
    case fw::ControlKind::EditField: {
      auto& field = static_cast<fw::EditField&>(control);
      if (props.Multiline) {
        auto* edit = new QPlainTextEdit(content_);
        edit->setPlainText(toQt(field.Text()));
        shownText_[&control] = field.Text();
        edit->setReadOnly(props.ReadOnly);
        edit->setTabChangesFocus(!props.AcceptTabs);
        edit->setLineWrapMode(props.ScrollbarHorizontal ? QPlainTextEdit::NoWrap
                                                        : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(props.ScrollbarVertical ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
        if (!props.Border) edit->setFrameShape(QFrame::NoFrame);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &field] {
          if (model_ == nullptr) return;
          std::string text = fromQt(exactTextOf(edit));
          shownText_[&field] = text;
          guard([&] { field.userSetText(std::move(text)); });
        });
        return edit;
      }
      auto* edit = new QLineEdit(toQt(field.Text()), content_);
      edit->setReadOnly(props.ReadOnly);
      edit->setFrame(props.Border);
      edit->setAlignment(alignmentOf(props.Alignment) | Qt::AlignVCenter);
      if (props.Password) edit->setEchoMode(QLineEdit::Password);
      // LimitText 0 is no limit; QLineEdit's own default would cut a text at 32767 characters.
      edit->setMaxLength(props.LimitText > 0 ? props.LimitText : kNoLengthLimit);
      edit->setCursorPosition(0);
      connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString& text) {
        if (model_ != nullptr) guard([&] { field.userSetText(fromQt(text)); });
      });
      return edit;
    }
    case fw::ControlKind::StaticText: {
      auto& label = static_cast<fw::StaticText&>(control);
      auto* widget = new QLabel(toQt(label.Text()), content_);
      widget->setAlignment(alignmentOf(props.Alignment) | Qt::AlignVCenter);
      widget->setWordWrap(props.Multiline);
      return widget;
    }
    case fw::ControlKind::PopupMenu: {
      auto& popup = static_cast<fw::PopupMenu&>(control);
      auto* combo = makeComboBox();
      addRows(combo, popup);
      combo->setCurrentIndex(popup.ListIndex());
      connect(combo, &QComboBox::activated, this, [this, &popup](int row) {
        if (model_ != nullptr) guard([&] { popup.userChoose(row); });
      });
      return combo;
    }
    case fw::ControlKind::ComboBox: {
      auto& box = static_cast<fw::ComboBox&>(control);
      auto* combo = makeComboBox();
      // Editable through a line edit of its own, as setEditable(true) would make it, but
      // without setEditable's building of the list, which the box builds once it is opened.
      auto* line = new QLineEdit(combo);
      line->setPalette(combo->palette());
      // A line edit without a completer would get one over the list, only to lose it below.
      line->setCompleter(new QCompleter(line));
      combo->setLineEdit(line);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);  // no completion while typing
      addRows(combo, box);
      combo->setCurrentIndex(box.ListIndex());
      combo->setEditText(toQt(box.Text()));
      connect(combo, &QComboBox::activated, this, [this, &box](int row) {
        if (model_ != nullptr) guard([&] { box.userChoose(row); });
      });
      connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        if (model_ != nullptr) guard([&] { box.userType(fromQt(text)); });
      });
      connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, &box] {
        if (model_ != nullptr) guard([&] { box.userCommit(); });
      });
      return combo;
    }
    case fw::ControlKind::CheckBox: {
      auto& check = static_cast<fw::CheckBox&>(control);
      auto* widget = new QCheckBox(toQt(props.Caption), content_);
      widget->setChecked(check.Value());
      connect(widget, &QCheckBox::clicked, this, [this, widget, &check] {
        if (model_ == nullptr) return;
        guard([&] { check.userClick(); });
        // The model decides the state; show what it holds.
        if (model_ != nullptr) {
          const QSignalBlocker block(widget);
          widget->setChecked(check.Value());
        }
      });
      return widget;
    }
    case fw::ControlKind::PushButton: {
      auto& button = static_cast<fw::PushButton&>(control);
      auto* widget = new QPushButton(toQt(props.Caption), content_);
      widget->setDefault(props.Default);
      connect(widget, &QPushButton::clicked, this, [this, &button] {
        if (model_ != nullptr) guard([&] { button.userClick(); });
      });
      return widget;
    }
    case fw::ControlKind::HTMLViewer: {
      // An inert blank area: nothing is ever loaded into it.
      auto* widget = new QWidget(content_);
      widget->setAutoFillBackground(true);
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Window, Qt::white);
      widget->setPalette(palette);
      return widget;
    }
  }
  return new QWidget(content_);
}

QComboBox* WindowView::makeComboBox() {
  auto* combo = new QComboBox(content_);
  // The wheel changes the row of the box the user works in, never of one the pointer passes.
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->installEventFilter(this);
  return combo;
}

}  // namespace qtui
