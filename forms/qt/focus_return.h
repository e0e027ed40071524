// Gives the keyboard back, after a modal window or dialog, to the window the
// user was in before it (the operations window, a plot, an enclosing
// prompt): without a window manager nobody else would, and the keyboard
// would go nowhere; a window manager would give it to the main window.
//
// The return waits until the program's handler has run on: a prompt that
// is followed at once by another one, or by a window the program shows,
// hands the keyboard on to that instead.  A dialog that Qt opens over one
// of these (the question before a file is replaced) gives the keyboard back
// to the modal window under it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace forms::qt {

class FocusReturn {
 public:
  // fallback: the window to return to when the user's window is gone (the
  // main window), or null.  Needs a QApplication.
  explicit FocusReturn(std::function<QWidget*()> fallback);
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

  // A window of the program became the active one.
  void Activated(QWidget* window, bool modal);
  // A modal window or dialog is about to be shown: gives the window it
  // returns to (null if none), which should also be its owner.
  QWidget* Begin(QWidget* modal);
  // The modal window or dialog has closed.
  void End(QWidget* modal);
  // The program showed a window of its own: it keeps the front.
  void Shown() { pending_ = nullptr; }

 private:
  void GiveBack();
  QWidget* Live(QWidget* window) const;

  std::function<QWidget*()> fallback_;
  // the non-modal window the user was in last
  QPointer<QWidget> user_window_;
  struct Turn {
    QPointer<QWidget> modal;
    QPointer<QWidget> back_to;
  };
  std::vector<Turn> turns_;
  // the window that gets the keyboard once the handler has run on
  QPointer<QWidget> pending_;
  // owns the queued returns: they die with this object
  QObject context_;
  // sees every dialog that closes
  std::unique_ptr<QObject> dialog_watch_;
};

}  // namespace forms::qt
