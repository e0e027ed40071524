// The Qt side of one control of a form: it creates the widgets, shows the
// model's state and passes the user's actions to the model.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "forms/control.h"

namespace forms::qt {

class FormWindow;

// Where the automatic layout puts a control that has no bounds.
enum class AutoPlace {
  Full,     // a row of its own, the whole width
  Natural,  // a row of its own, its natural width, left-aligned
  Button,   // side by side with its neighbouring buttons, right-aligned
  Grow,     // the whole width, taking the height that is left
  Hidden,   // nothing to show without a position
};

class ControlView {
 public:
  ControlView(FormWindow& window, Control& control);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  Control& control() const { return control_; }
  virtual QWidget* widget() const = 0;
  // Show the model's state (caption, text, selection...).
  virtual void Sync() = 0;
  // The widgets the keyboard focus can rest on, in tab order.
  virtual std::vector<QWidget*> FocusWidgets() const { return {}; }
  // The one of them that takes the focus when the model moves it here.
  virtual QWidget* FocusTarget() const;
  // The widgets whose mouse presses must move the model's focus first.
  virtual std::vector<QWidget*> PressWidgets() const { return FocusWidgets(); }
  virtual AutoPlace auto_place() const { return AutoPlace::Full; }
  // Whether a position's width may grow to fit the caption: a label's or a
  // check box's caption is never cut by the width its position gives it.
  virtual bool FitsCaption() const { return false; }

 protected:
  FormWindow& window() const { return window_; }
  // Run a user action under the backend's guard, then show the model's state
  // again (a refused action may leave the widget showing something else).
  bool Run(const std::function<void()>& action);

 private:
  FormWindow& window_;
  Control& control_;
};

}  // namespace forms::qt
