#include "forms/qt/label_view.h"

namespace forms::qt {

LabelView::LabelView(FormWindow& window, Label& label, QWidget* parent)
    : ControlView(window, label), label_(label), label_widget_(new QLabel(parent)) {
  label_widget_->setTextFormat(Qt::PlainText);
  Sync();
}

void LabelView::Sync() { label_widget_->setText(QString::fromStdString(label_.caption())); }

}  // namespace forms::qt
