#pragma once

// The Qt window that draws one model window: a widget per control at its pixel position, the
// menu bar, edge locks on resize. Model changes reach the widgets with their signals blocked,
// so a change made by the program never comes back as a user action.
//
// By job: windowview.cpp the frame, menu bar, window events and edge locks; windowview_widgets.cpp
// the widget of each kind of control; windowview_sync.cpp widgets following the model;
// windowview_texts.cpp the texts of multi-line fields during a handler; handlerinput.cpp the
// handlers that input starts and the input held while one runs.

#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "framework/window.h"

class QComboBox;

namespace qtui {

class WindowView : public QMainWindow, public fw::WindowObserver {
 public:
  explicit WindowView(fw::Window& model);
  ~WindowView() override;

  fw::Window* model() const noexcept { return model_; }
  // The model window is gone: the view no longer reaches it and is deleted soon.
  void detach();

  // The widget that draws `control`.
  QWidget* widgetOf(const fw::Control& control) const;

  void controlChanged(fw::Control& control, fw::Property property) override;
  void titleChanged(fw::Window& window) override;
  void refresh(fw::Control& control) override;

  // The first of the handlers started from windows begins: from now on, multi-line fields take
  // their texts when these are due.
  static void handlersBegin();
  // The last of them is over: every multi-line field shows the text it was given.
  static void handlersEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  // Holds the user input of this window while a handler runs (it comes through once all are
  // over), and keeps the wheel from changing a pop-up the user is not working in.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenuBar();
  void buildControls();
  QWidget* makeWidget(fw::Control& control);
  QComboBox* makeComboBox();
  void applyLocks();
  void pressDefaultButton();
  void showText(const fw::Control& control);
  void showTextLater(const fw::Control& control);
  void showTextsWhenDue();
  // Shows the texts that multi-line fields were given while a handler ran.
  void showTextsNow();

  fw::Window* model_;
  QWidget* content_;
  std::map<const fw::Control*, QWidget*> widgets_;
  // What a multi-line field showed last, so that a text that extends it appends only the rest.
  std::map<const fw::Control*, std::string> shownText_;
  // Multi-line fields whose model text is newer than what they show, while a handler runs.
  std::vector<const fw::Control*> textsToShow_;
  bool textShowQueued_ = false;
};

}  // namespace qtui
