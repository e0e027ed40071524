#pragma once

#include <memory>

#include "forms/qt/control_view.h"

namespace forms::qt {

// The view of a control, null for the components that are no widgets (the
// menu and the file dialogs).
std::unique_ptr<ControlView> CreateView(FormWindow& window, Control& control, QWidget* parent);

}  // namespace forms::qt
