// The workbench with its plot windows: the canvas measures text through the
// GUI module, so a GUI application runs (offscreen); the test repaints what
// waits and reads what the paint boxes drew.
#pragma once

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "forms/recording_canvas.h"
#include "tests/raster/gui_application.h"
#include "tests/workbench/vessaw_fixture.h"

namespace forms {

inline void PrintTo(const Point& p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }

}  // namespace forms

namespace workbench_test {

class PlotFixture : public VessawFixture {
 protected:
  PlotFixture() { test_support::EnsureGuiApplication(); }

  // What the backend does after each user action.
  void Repaint() { backend.RunPendingPaints(); }
  const std::vector<forms::DrawCall>& Drawing(const forms::PaintBox& box) const { return backend.DrawingOf(box); }

  static std::vector<forms::DrawCall> Select(const std::vector<forms::DrawCall>& calls,
                                             const std::function<bool(const forms::DrawCall&)>& keep) {
    std::vector<forms::DrawCall> kept;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(kept), keep);
    return kept;
  }
  static std::vector<forms::DrawCall> OfKind(const std::vector<forms::DrawCall>& calls, forms::DrawCall::Kind kind) {
    return Select(calls, [kind](const forms::DrawCall& c) { return c.kind == kind; });
  }
  // The text drawn with this content, if any.
  static const forms::DrawCall* Text(const std::vector<forms::DrawCall>& calls, const std::string& text) {
    const auto found = std::find_if(calls.begin(), calls.end(), [&](const forms::DrawCall& c) {
      return c.kind == forms::DrawCall::Kind::Text && c.text == text;
    });
    return found == calls.end() ? nullptr : &*found;
  }
  // Plays a key on the form: key down, then the character it types.
  void Key(forms::Form& form, int virtual_key, char typed = 0) {
    app.Guard([&] { form.UserKeyDown(virtual_key, forms::ShiftState{}); });
    if (typed) app.Guard([&] { form.UserKeyPress(typed); });
  }
  void Type(forms::Form& form, char typed) { Key(form, forms::VirtualKeyOfChar(typed), typed); }
};

}  // namespace workbench_test
