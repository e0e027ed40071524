#include "forms/qt/control_view.h"

#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"

namespace forms::qt {

ControlView::ControlView(FormWindow& window, Control& control) : window_(window), control_(control) {}

ControlView::~ControlView() = default;

QWidget* ControlView::FocusTarget() const {
  const std::vector<QWidget*> widgets = FocusWidgets();
  return widgets.empty() ? nullptr : widgets.front();
}

bool ControlView::Run(const std::function<void()>& action) {
  const bool done = window_.backend().Dispatch(window_.form(), action);
  Sync();
  return done;
}

}  // namespace forms::qt
