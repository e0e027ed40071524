#include "forms/qt/bevel_view.h"

namespace forms::qt {

BevelView::BevelView(FormWindow& window, Bevel& bevel, QWidget* parent)
    : ControlView(window, bevel), frame_(new QFrame(parent)) {
  frame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
  Sync();
}

}  // namespace forms::qt
