#include "forms/qt/list_box_view.h"

namespace forms::qt {

ListBoxView::ListBoxView(FormWindow& window, ListBox& box, QWidget* parent)
    : ControlView(window, box), box_(box), list_(new PressAwareList(parent)) {
  list_->setFocusPolicy(Qt::TabFocus);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // a press reports its item itself, after the selection moved to it
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
    if (!updating_ && !list_->pressing()) UserMoved(row);
  });
  QObject::connect(list_, &QListWidget::itemPressed, list_,
                   [this](QListWidgetItem* item) { UserClicked(list_->row(item)); });
  list_->on_pick = [this](int row) { UserClicked(row); };
  Sync();
}

void ListBoxView::UserMoved(int row) {
  if (updating_ || row < 0) return;
  Run([this, row] { box_.UserMoveTo(row); });
}

void ListBoxView::UserClicked(int row) {
  if (updating_ || row < 0) return;
  Run([this, row] { box_.UserClickItem(row); });
}

void ListBoxView::SyncItems() {
  const std::vector<std::string>& items = box_.items();
  const int shown = list_->count();
  bool prefix = shown <= static_cast<int>(items.size());
  for (int i = 0; prefix && i < shown; ++i)
    prefix = list_->item(i)->text() == QString::fromStdString(items[static_cast<std::size_t>(i)]);
  if (!prefix) list_->clear();
  for (std::size_t i = static_cast<std::size_t>(list_->count()); i < items.size(); ++i)
    list_->addItem(QString::fromStdString(items[i]));
}

void ListBoxView::Sync() {
  updating_ = true;
  SyncItems();
  const int index = box_.item_index();
  if (list_->currentRow() != index) list_->setCurrentRow(index);
  if (index < 0) list_->clearSelection();
  updating_ = false;
}

}  // namespace forms::qt
