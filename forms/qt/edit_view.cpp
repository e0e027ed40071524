#include "forms/qt/edit_view.h"

#include "forms/qt/fonts.h"

namespace forms::qt {

EditView::EditView(FormWindow& window, Edit& edit, QWidget* parent)
    : ControlView(window, edit), edit_(edit), line_(new QLineEdit(parent)) {
  // a click does not take the focus by itself: the focus guard moves it
  // after the exit check of the field being left
  line_->setFocusPolicy(Qt::TabFocus);
  QObject::connect(line_, &QLineEdit::textEdited, line_,
                   [this](const QString& text) { Run([this, text] { edit_.UserEdited(text.toStdString()); }); });
  // no returnPressed handler: the line passes Return on to the window, which
  // gives it to the field's model
  Sync();
}

void EditView::Sync() {
  // a field without a font of its own keeps the dialog font of its window
  if (edit_.fixed_pitch() != line_->testAttribute(Qt::WA_SetFont))
    line_->setFont(edit_.fixed_pitch() ? FixedPitchFont() : QFont());
  const QString text = QString::fromStdString(edit_.text());
  if (line_->text() != text) line_->setText(text);
}

}  // namespace forms::qt
