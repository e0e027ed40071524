// A freshly started designer on the script backend, whose user the test
// plays: its file list, its plot window and what the plot drew.  The canvas
// measures text through the GUI module, so a GUI application runs
// (offscreen).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "elliptic/duzavuri.h"
#include "elliptic/main_form.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"
#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/recording_canvas.h"
#include "forms/script/script_backend.h"
#include "tests/base/scratch_folder.h"
#include "tests/raster/gui_application.h"

namespace forms {

inline void PrintTo(const Point& p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }

}  // namespace forms

namespace elliptic_test {

using forms::DrawCall;

class DesignerFixture : public ::testing::Test {
 protected:
  DesignerFixture() {
    test_support::EnsureGuiApplication();
    backend.Attach(app);
    backend.file_dialog_hook = [this](forms::FileDialog& dialog) {
      if (!file_answer) return false;
      dialog.SetFileName(*file_answer);
      return true;
    };
    backend.message_box_hook = [this](const std::string& caption, const std::string& text) {
      messages.push_back(caption + ": " + text);
    };
    preset_lines = main_form().log.lines().size();
  }

  elliptic::MainForm& main_form() { return *duzavuri.windows().main_form; }
  elliptic::SelectionForm& selection_form() { return *duzavuri.windows().selection_form; }
  elliptic::ResponsePlotForm& plot_form() { return *duzavuri.windows().plot_form; }
  const elliptic::FunctionList& functions() const { return duzavuri.functions(); }

  // A roots file in the test's folder; gives its full name.
  std::string File(const std::string& name, const std::string& text) { return folder.WriteBytes(name, text); }
  // The list, then "Plotar", then the repaint that follows.
  void Plot(const std::vector<std::string>& list) {
    selection_form().files.SetLines(list);
    Click(selection_form().plot_button);
    Repaint();
  }
  void Click(forms::Button& button) {
    app.Guard([&] { button.UserClick(); });
  }
  // The user types into a field and leaves it.
  void Type(numeric_field::TNEdit& field, const std::string& text) {
    app.Guard([&] {
      field.UserType(text);
      field.ExitCheck();
    });
  }
  void Repaint() { backend.RunPendingPaints(); }
  // A key on the plot window: key down, then the character it types.
  void Key(int virtual_key, char typed = 0) {
    app.Guard([&] { plot_form().UserKeyDown(virtual_key, forms::ShiftState{}); });
    if (typed) app.Guard([&] { plot_form().UserKeyPress(typed); });
    Repaint();
  }
  void Char(char typed) { Key(forms::VirtualKeyOfChar(typed), typed); }
  void Mouse(const std::string& what, int x, int y, forms::MouseButton button = forms::MouseButton::Left,
             bool shift = false) {
    forms::PaintBox& box = plot_form().cresposta;
    const forms::ShiftState state{shift, false, false};
    app.Guard([&] {
      if (what == "down") box.UserMouseDown(button, state, x, y);
      if (what == "move") box.UserMouseMove(state, x, y);
      if (what == "up") box.UserMouseUp(button, state, x, y);
    });
    Repaint();
  }

  // What the plot drew since its last repaint began.
  const std::vector<DrawCall>& Drawn() const { return backend.DrawingOf(duzavuri.windows().plot_form->cresposta); }
  static std::vector<DrawCall> Select(const std::vector<DrawCall>& calls,
                                      const std::function<bool(const DrawCall&)>& keep) {
    std::vector<DrawCall> kept;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(kept), keep);
    return kept;
  }
  static bool IsCurve(const DrawCall& c) {
    return c.kind == DrawCall::Kind::Line && c.style == forms::PenStyle::Solid && c.mode == forms::PenMode::Copy;
  }
  static bool IsText(const DrawCall& c) { return c.kind == DrawCall::Kind::Text; }
  // The lines the main window's log gained since start-up.
  std::vector<std::string> Logged() const {
    const std::vector<std::string>& all = duzavuri.windows().main_form->log.lines();
    return {all.begin() + static_cast<std::ptrdiff_t>(preset_lines), all.end()};
  }

  test_support::ScratchFolder folder{"elliptic_tests"};
  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  elliptic::Duzavuri duzavuri{app};
  std::optional<std::string> file_answer;
  std::vector<std::string> messages;
  std::size_t preset_lines = 0;
};

}  // namespace elliptic_test
