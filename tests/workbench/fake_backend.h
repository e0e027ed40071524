// A backend without windows for the workbench's tests.  A modal form runs
// the test's handler, which plays what the user does in the dialog; without
// one the dialog is closed by its close box.  Message boxes and file dialogs
// are recorded and answered from what the test set.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/canvas.h"

namespace workbench_test {

class FakeBackend : public forms::Backend {
 public:
  // Called once per modal display; it is over when the handler returns.
  std::function<void(forms::Form&)> on_modal;
  // The name a file dialog confirms; none cancels it.
  std::optional<std::string> file_answer;

  std::vector<std::string> messages;       // "caption: text" of each box
  std::vector<std::string> modal_forms;    // names in the order shown
  bool terminated = false;

  void FormCreated(forms::Form&) override {}
  void FormChanged(forms::Form&) override {}
  void ShowForm(forms::Form&) override {}
  void HideForm(forms::Form&) override {}
  void RunModal(forms::Form& form) override;
  void EndModal(forms::Form&) override {}
  void ControlChanged(forms::Control&) override {}
  void MemoAppended(forms::Memo&, const std::string&) override {}
  void FocusChanged(forms::Form&) override {}
  void MessageBox(const std::string& caption, const std::string& text) override;
  bool ExecuteFileDialog(forms::FileDialog& dialog) override;
  void InvalidatePaintBox(forms::PaintBox&) override {}
  forms::Canvas& CanvasOf(forms::PaintBox&) override;
  void Terminate() override { terminated = true; }

 private:
  class NullCanvas : public forms::Canvas {
   public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    forms::Point PenPosition() const override { return {}; }
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void Rectangle(int, int, int, int) override {}
    void FrameRect(int, int, int, int) override {}
    void Polygon(const std::vector<forms::Point>&) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void SetPenColor(forms::Color) override {}
    void SetPenStyle(forms::PenStyle) override {}
    void SetPenMode(forms::PenMode) override {}
    void SetBrushColor(forms::Color) override {}
    void SetFontColor(forms::Color) override {}
    forms::Color PenColor() const override { return {}; }
    forms::PenStyle GetPenStyle() const override { return forms::PenStyle::Solid; }
    forms::PenMode GetPenMode() const override { return forms::PenMode::Copy; }
    forms::Color BrushColor() const override { return {}; }
    forms::Color FontColor() const override { return {}; }
  };
  NullCanvas canvas_;
};

}  // namespace workbench_test
