#pragma once

#include <QPlainTextEdit>

#include "forms/memo.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

// A text that takes no Tab character: Tab and Shift+Tab, with Ctrl or
// without, walk the window's tab order, so that a log or a list the user
// edits never traps the keyboard.
class TabWalkingText : public QPlainTextEdit {
 public:
  explicit TabWalkingText(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class MemoView : public ControlView {
 public:
  MemoView(FormWindow& window, Memo& memo, QWidget* parent);
  QWidget* widget() const override { return text_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override { return {text_}; }
  std::vector<QWidget*> PressWidgets() const override { return {text_->viewport()}; }
  AutoPlace auto_place() const override { return AutoPlace::Grow; }
  // The model has appended a line: show it and scroll to it.
  void Append(const std::string& line);

 private:
  void SyncOptions();
  std::vector<std::string> ShownLines() const;

  Memo& memo_;
  TabWalkingText* text_;
  bool updating_ = false;
};

}  // namespace forms::qt
