// The desktop backend: every form is a real top-level Qt window.
//
// Every call into the model from a Qt event goes through Dispatch, which runs
// it under the application's guard and shows any other exception as well, so
// that nothing is thrown through Qt.  Paint handlers run from a queued call,
// never inside Qt's paint event, and only while their form is shown.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/paint_box.h"
#include "forms/qt/focus_return.h"

class QFileDialog;
class QWidget;

namespace forms::raster {
class ImageCanvas;
}

namespace forms::qt {

using raster::ImageCanvas;

class FocusGuard;
class FormWindow;
class WidgetCanvas;

class QtBackend : public Backend {
 public:
  // Needs a QApplication.
  QtBackend();
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  void FormCreated(Form& form) override;
  void FormChanged(Form& form) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void RunModal(Form& form) override;
  void EndModal(Form& form) override;
  void ControlChanged(Control& control) override;
  void MemoAppended(Memo& memo, const std::string& line) override;
  void FocusChanged(Form& form) override;
  void MessageBox(const std::string& caption, const std::string& text) override;
  bool ExecuteFileDialog(FileDialog& dialog) override;
  void InvalidatePaintBox(PaintBox& box) override;
  Canvas& CanvasOf(PaintBox& box) override;
  void Terminate() override;

  // Run one call into the model for a Qt event of the form's window; true
  // when it ran to its end.
  bool Dispatch(Form& form, const std::function<void()>& action);

  // The window of a form and the widget of a control; null before the form
  // was created.
  FormWindow* WindowOf(const Form& form) const;
  QWidget* WidgetOf(const Control& control) const;
  // The canvas of a paint box if one was made already.
  ImageCanvas* ExistingCanvasOf(const PaintBox& box) const;
  FocusGuard& focus_guard() const { return *focus_guard_; }
  // The window became the active one.
  void WindowActivated(FormWindow& window);
  // Where a window the program shows now goes (its frame): a dialog
  // centred on the main window, or beside the plot it was opened from (its
  // owner); any other window beside the main window.  Either covers as
  // little as it can of what the user needs next; the first window beside
  // the main window may move it aside to make room, and a plot may open
  // smaller to find a place.
  QRect PlaceNewWindow(const QWidget& window, const QSize& frame, QWidget* owner, bool dialog);

  // Instead of the real dialogs (tests, which must never block).
  std::function<void(const std::string& caption, const std::string& text)> message_box_hook;
  std::function<bool(FileDialog& dialog)> file_dialog_hook;

 private:
  void SchedulePaints();
  void RunPendingPaints();
  bool Paintable(const PaintBox& box) const;
  // owner: the window a modal one was opened from; null: the main window.
  void ShowWindow(FormWindow& window, QWidget* owner);
  bool RealFileDialog(FileDialog& dialog);
  // The folder and the name a file dialog starts with; filter: the one it
  // shows, if any.
  void Propose(QFileDialog& chooser, const FileDialog& dialog, const FileFilter* filter) const;

  // the owner of queued calls: they die with the backend
  QObject context_;
  QTranslator translator_;
  std::unique_ptr<FocusGuard> focus_guard_;
  // the first form created, the main window
  const Form* main_form_ = nullptr;
  FocusReturn focus_return_;
  std::map<const PaintBox*, std::unique_ptr<WidgetCanvas>> canvases_;
  std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
  std::map<const Form*, QEventLoop*> modal_loops_;
  // the name each offer (a file dialog with one subject) was given last
  std::map<std::pair<const FileDialog*, std::string>, QString> proposals_;
  // paint boxes waiting for their handler, in the order they asked
  std::vector<PaintBox*> dirty_;
  bool paint_scheduled_ = false;
  bool painting_ = false;
  bool terminated_ = false;
};

}  // namespace forms::qt
