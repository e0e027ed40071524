#include "forms/qt/radio_group_view.h"

#include <QGridLayout>

namespace forms::qt {

namespace {
// Room around and between the buttons inside the frame, in pixels.
constexpr int kInnerMargin = 6;
constexpr int kRowSpacing = 2;
}  // namespace

RadioGroupView::RadioGroupView(FormWindow& window, RadioGroup& group, QWidget* parent)
    : ControlView(window, group), group_(group), box_(new QGroupBox(parent)), buttons_(new QButtonGroup(box_)) {
  box_->setTitle(QString::fromStdString(group_.caption()));
  auto* grid = new QGridLayout(box_);
  grid->setContentsMargins(kInnerMargin, kInnerMargin, kInnerMargin, kInnerMargin);
  grid->setVerticalSpacing(kRowSpacing);
  const int count = static_cast<int>(group_.items().size());
  const int rows = (count + group_.columns() - 1) / group_.columns();
  for (int i = 0; i < count; ++i) {
    auto* radio = new QRadioButton(QString::fromStdString(group_.items()[static_cast<std::size_t>(i)]), box_);
    radio->setFocusPolicy(Qt::TabFocus);
    buttons_->addButton(radio, i);
    grid->addWidget(radio, i % rows, i / rows);
    radios_.push_back(radio);
    QObject::connect(radio, &QRadioButton::clicked, radio, [this, i] { Run([this, i] { group_.UserChoose(i); }); });
  }
  // spare height goes below the last row, as in a list of options
  grid->setRowStretch(rows, 1);
  Sync();
}

void RadioGroupView::Sync() {
  const int index = group_.item_index();
  if (index >= 0 && index < static_cast<int>(radios_.size())) {
    radios_[static_cast<std::size_t>(index)]->setChecked(true);
    return;
  }
  // an exclusive group cannot uncheck its last button
  buttons_->setExclusive(false);
  for (QRadioButton* radio : radios_) radio->setChecked(false);
  buttons_->setExclusive(true);
}

std::vector<QWidget*> RadioGroupView::FocusWidgets() const { return {radios_.begin(), radios_.end()}; }

QWidget* RadioGroupView::FocusTarget() const {
  if (QAbstractButton* checked = buttons_->checkedButton()) return checked;
  return radios_.empty() ? nullptr : radios_.front();
}

}  // namespace forms::qt
