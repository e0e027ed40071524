#pragma once

#include <QPlainTextEdit>

#include "forms/memo.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

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
  QPlainTextEdit* text_;
  bool updating_ = false;
};

}  // namespace forms::qt
