#include "forms/qt/focus_return.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace forms::qt {

namespace {

// When a dialog closes while a modal window stays open under it, that
// window takes the keyboard back: without a window manager it would go
// nowhere.
class DialogWatch : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched) && static_cast<QWidget*>(watched)->isWindow())
      QTimer::singleShot(0, this, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && !modal->isActiveWindow()) modal->activateWindow();
      });
    return false;
  }
};

}  // namespace

FocusReturn::FocusReturn(std::function<QWidget*()> fallback)
    : fallback_(std::move(fallback)), dialog_watch_(std::make_unique<DialogWatch>()) {
  qApp->installEventFilter(dialog_watch_.get());
}

FocusReturn::~FocusReturn() {
  if (qApp) qApp->removeEventFilter(dialog_watch_.get());
}

void FocusReturn::Activated(QWidget* window, bool modal) {
  if (!modal) user_window_ = window;
}

QWidget* FocusReturn::Live(QWidget* window) const {
  if (window && window->isVisible()) return window;
  QWidget* fallback = fallback_ ? fallback_() : nullptr;
  return fallback && fallback->isVisible() ? fallback : nullptr;
}

QWidget* FocusReturn::Begin(QWidget* modal) {
  QWidget* back_to = pending_ ? pending_.data() : turns_.empty() ? user_window_.data() : turns_.back().modal.data();
  pending_ = nullptr;
  back_to = Live(back_to);
  turns_.push_back({modal, back_to});
  return back_to;
}

void FocusReturn::End(QWidget* modal) {
  if (turns_.empty() || turns_.back().modal != modal) return;
  pending_ = turns_.back().back_to;
  turns_.pop_back();
  QTimer::singleShot(0, &context_, [this] { GiveBack(); });
}

void FocusReturn::GiveBack() {
  // a window the program showed took the front meanwhile
  if (!pending_) return;
  QWidget* window = Live(pending_);
  pending_ = nullptr;
  // another modal window took the keyboard meanwhile, and returns it itself
  if (!window || (!turns_.empty() && turns_.back().modal != window)) return;
  window->raise();
  window->activateWindow();
}

}  // namespace forms::qt
