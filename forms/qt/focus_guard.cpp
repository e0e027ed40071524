#include "forms/qt/focus_guard.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "forms/form.h"
#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"

namespace forms::qt {

namespace {

class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = saved_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

FormWindow* WindowOfWidget(QWidget* widget) { return widget ? dynamic_cast<FormWindow*>(widget->window()) : nullptr; }

// The widget itself or the nearest parent that can hold the focus (the text
// area of a memo is its viewport).
QWidget* FocusableOf(QWidget* widget, const QWidget* window) {
  while (widget && widget != window && !(widget->focusPolicy() & Qt::TabFocus)) widget = widget->parentWidget();
  return widget == window ? nullptr : widget;
}

}  // namespace

FocusGuard::FocusGuard(QtBackend& backend) : backend_(backend) {
  QObject::connect(qApp, &QApplication::focusChanged, this,
                   [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
}

void FocusGuard::Follow(FormWindow& window) {
  BusyScope busy(busy_);
  QWidget* target = window.FocusTargetOf(window.form().active_control());
  if (!target || window.focusWidget() == target) return;
  // a field the focus only passed through keeps no selection on show
  if (auto* line = qobject_cast<QLineEdit*>(window.focusWidget())) line->deselect();
  target->setFocus(Qt::OtherFocusReason);
}

void FocusGuard::FollowShown(FormWindow& window) {
  Follow(window);
  if (auto* line = qobject_cast<QLineEdit*>(window.FocusTargetOf(window.form().active_control()))) line->selectAll();
}

void FocusGuard::Refused(FormWindow& window) { FollowShown(window); }

bool FocusGuard::MoveModelFocus(FormWindow& window, Control& target) {
  BusyScope busy(busy_);
  Form& form = window.form();
  return backend_.Dispatch(form, [&] { form.FocusControl(target); });
}

void FocusGuard::FocusChanged(QWidget* old, QWidget* now) {
  if (busy_) return;
  FormWindow* window = WindowOfWidget(now);
  if (!window) return;
  Control* target = window->ControlAt(now);
  Control* active = window->form().active_control();
  if (!target || target == active) return;
  const bool within_window = old && old->window() == now->window();
  if (!within_window && active) {
    // the window was activated: the model's focus stands
    Follow(*window);
    return;
  }
  if (!MoveModelFocus(*window, *target)) Refused(*window);
}

bool FocusGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
  if (busy_) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  FormWindow* window = WindowOfWidget(widget);
  if (!window) return false;
  Control* target = window->ControlAt(widget);
  if (!target) return false;
  if (target != window->form().active_control() && !MoveModelFocus(*window, *target)) {
    Refused(*window);
    return true;
  }
  BusyScope busy(busy_);
  if (QWidget* focusable = FocusableOf(widget, window)) focusable->setFocus(Qt::MouseFocusReason);
  return false;
}

}  // namespace forms::qt
