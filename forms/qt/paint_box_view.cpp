#include "forms/qt/paint_box_view.h"

#include "forms/qt/form_window.h"

namespace forms::qt {

PaintBoxView::PaintBoxView(FormWindow& window, PaintBox& box, QWidget* parent)
    : ControlView(window, box), area_(new PaintBoxWidget(box, window.backend(), parent)) {}

}  // namespace forms::qt
