#include "forms/qt/status_bar_view.h"

namespace forms::qt {

namespace {
// Room between the sunken frame and the text, in pixels.
constexpr int kTextMargin = 3;
}  // namespace

StatusBarView::StatusBarView(FormWindow& window, StatusBar& bar, QWidget* parent)
    : ControlView(window, bar), bar_(bar), line_(new QLabel(parent)) {
  line_->setTextFormat(Qt::PlainText);
  line_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  line_->setMargin(0);
  line_->setIndent(kTextMargin);
  Sync();
}

void StatusBarView::Sync() { line_->setText(QString::fromStdString(bar_.text())); }

}  // namespace forms::qt
