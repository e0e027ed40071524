#include "forms/qt/memo_view.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "forms/qt/fonts.h"

namespace forms::qt {

void TabWalkingText::keyPressEvent(QKeyEvent* event) {
  const bool backtab = event->key() == Qt::Key_Backtab;
  if (event->key() != Qt::Key_Tab && !backtab) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  focusNextPrevChild(!backtab && !(event->modifiers() & Qt::ShiftModifier));
}

MemoView::MemoView(FormWindow& window, Memo& memo, QWidget* parent)
    : ControlView(window, memo), memo_(memo), text_(new TabWalkingText(parent)) {
  text_->setFocusPolicy(Qt::TabFocus);
  // a log only grows; undo steps for every line would only cost memory
  text_->setUndoRedoEnabled(false);
  // a log's numbers are right-justified: they line up in a fixed pitch only
  text_->setFont(FixedPitchFont());
  QObject::connect(text_, &QPlainTextEdit::textChanged, text_, [this] {
    if (!updating_) Run([this] { memo_.UserEdited(ShownLines()); });
  });
  Sync();
}

void MemoView::SyncOptions() {
  text_->setReadOnly(memo_.read_only());
  const bool both = memo_.scroll_bars() == ScrollBars::Both;
  const bool none = memo_.scroll_bars() == ScrollBars::None;
  text_->setVerticalScrollBarPolicy(none ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  text_->setHorizontalScrollBarPolicy(both ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  text_->setLineWrapMode(both ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

std::vector<std::string> MemoView::ShownLines() const {
  std::vector<std::string> lines;
  const QTextDocument* document = text_->document();
  // an empty document still has one empty block: it shows no line
  if (document->isEmpty()) return lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    lines.push_back(block.text().toStdString());
  return lines;
}

void MemoView::Sync() {
  SyncOptions();
  if (ShownLines() == memo_.lines()) return;
  updating_ = true;
  QStringList lines;
  for (const std::string& line : memo_.lines()) lines.push_back(QString::fromStdString(line));
  text_->setPlainText(lines.join('\n'));
  updating_ = false;
}

void MemoView::Append(const std::string& line) {
  updating_ = true;
  const QString text = QString::fromStdString(line);
  if (memo_.Count() == 1) {
    text_->setPlainText(text);
  } else {
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(text);
  }
  updating_ = false;
  QScrollBar* bar = text_->verticalScrollBar();
  bar->setValue(bar->maximum());
}

}  // namespace forms::qt
