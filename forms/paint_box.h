// A drawing area.  It paints through its canvas, which keeps what was drawn,
// so that drawing outside the paint handler (XOR markers, rubber bands) stays
// on screen until the next repaint.
#pragma once

#include <functional>

#include "forms/canvas.h"
#include "forms/control.h"
#include "forms/keys.h"

namespace forms {

class PaintBox : public Control {
 public:
  PaintBox(Form& owner, std::string name);
  Canvas& canvas();
  int width() const;
  int height() const;
  // Ask for the paint handler to run at the next opportunity.
  void Invalidate();
  // A backend runs the paint handler (under the action guard).
  void Paint();
  void Describe(std::vector<std::string>& lines) const override;

  void UserMouseDown(MouseButton button, ShiftState shift, int x, int y);
  void UserMouseMove(ShiftState shift, int x, int y);
  void UserMouseUp(MouseButton button, ShiftState shift, int x, int y);

  std::function<void()> on_paint;
  std::function<void(MouseButton, ShiftState, int x, int y)> on_mouse_down;
  std::function<void(ShiftState, int x, int y)> on_mouse_move;
  std::function<void(MouseButton, ShiftState, int x, int y)> on_mouse_up;
};

}  // namespace forms
