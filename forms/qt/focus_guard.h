// Keeps the model's active control in step with Qt's keyboard focus.
//
// A move of the focus by the user within a form runs the exit check of the
// control being left (Form::FocusControl); a refusal shows its message and
// puts the focus back.  Mouse presses on focusable controls are checked
// before the control sees them, and swallowed on refusal, so that a button
// whose press was refused does not act.  The control widgets take no focus
// on a click by themselves for this reason.  Window activation (another
// window, a message box) never runs the check.
#pragma once

#include <QObject>
#include <QWidget>

namespace forms {
class Control;
}

namespace forms::qt {

class FormWindow;
class QtBackend;

class FocusGuard : public QObject {
 public:
  explicit FocusGuard(QtBackend& backend);
  // Qt's focus goes to the model's active control of the window, unchecked.
  void Follow(FormWindow& window);
  // The window was shown: as Follow, and a field that gets the focus shows
  // its text selected, so that typing replaces it (as Tab does in Qt).
  void FollowShown(FormWindow& window);
  // Presses on the widget move the model's focus first.
  void Watch(QWidget* widget) { widget->installEventFilter(this); }
  // A check refused what the window's field holds: the focus goes back to
  // it, its text selected, so that typing replaces what was refused.
  void Refused(FormWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusChanged(QWidget* old, QWidget* now);
  // Run the model's focus move; false when it was refused.
  bool MoveModelFocus(FormWindow& window, Control& target);

  QtBackend& backend_;
  // Set while the guard moves the focus itself or waits for a check, so
  // that the focus changes this causes are not taken for the user's.
  bool busy_ = false;
};

}  // namespace forms::qt
