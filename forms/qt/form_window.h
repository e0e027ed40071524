// The top-level window of a form: the menu bar, the client area with the
// controls' widgets, the close box and the keys.
#pragma once

#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/qt/control_view.h"
#include "forms/qt/placement.h"

namespace forms::qt {

class QtBackend;

class FormWindow : public QWidget {
 public:
  FormWindow(Form& form, QtBackend& backend);
  ~FormWindow() override;

  Form& form() const { return form_; }
  QtBackend& backend() const { return backend_; }
  QWidget* client() const { return client_; }
  ControlView* ViewOf(const Control& control) const;
  // The control that owns the widget (or one of its parents); null if none.
  Control* ControlAt(const QWidget* widget) const;
  // The widget that takes the focus for the control; null if it has none.
  QWidget* FocusTargetOf(const Control* control) const;

  // The model changed a control, or the form's caption or size.
  void ControlChanged(Control& control);
  void FormChanged();
  // Before each showing: take over what the model may have set without
  // telling (border style, tab order, memo options, menu items), then place
  // the window by the form's placement; owner: the window a modal one was
  // opened from, if any.
  void PrepareShow(QWidget* owner);

  // A window with a paint box: it may stay covered by a dialog for a while.
  bool IsPlot() const;
  // What a new window should not cover of this one, which is shown: of the
  // main window its menu (or the fields above its log) and its last log
  // lines, of a secondary window that is not a plot (an operations window, a
  // list of files) the whole of it; for a dialog, which is shown for a
  // moment, nothing else.
  void AddObstacles(std::vector<Obstacle>& obstacles, bool for_dialog) const;
  // The size of the window's frame, estimated from the main window's
  // decorations before it was ever shown.
  QSize FrameSize() const;
  // The first screen row below the menu bar (below the title where there
  // is no menu).
  int MenuBottom() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildViews();
  // The views without bounds or alignment, in creation order.
  std::vector<ControlView*> UnplacedViews();
  void BuildAutoLayout();
  QHBoxLayout* AddButtonRow();
  void AddAutoRow(ControlView& view, QHBoxLayout* button_row);
  void BuildMenu();
  // The menu bar takes the keyboard, its first entry highlighted.
  void FocusMenuBar();
  void RunMenuItem(std::size_t entry, std::size_t item);
  void ApplyTabOrder();
  void ApplyClientSize();
  void ArrangeControls();
  void ClientResized();
  // Return and Escape of a window without key handlers of its own: Return
  // to the focused field, or to the default button; Escape closes a modal
  // window as its close box does.  False for any other key.
  bool DialogKey(const QKeyEvent& event);
  void Place(QWidget* owner);
  void CentreOn(const QRect& area);
  // The frame goes there, the window taking the size that leaves it.
  void MoveTo(const QRect& frame);

  Form& form_;
  QtBackend& backend_;
  QVBoxLayout* frame_layout_;
  QWidget* client_;
  QMenuBar* menu_bar_ = nullptr;
  std::string menu_signature_;
  QVBoxLayout* auto_layout_ = nullptr;
  // every control with a widget is laid out automatically: the window takes
  // the size the layout asks for
  bool auto_sized_ = false;
  bool placed_ = false;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::map<const Control*, ControlView*> view_of_;
  std::map<const QWidget*, Control*> control_of_;
};

}  // namespace forms::qt
