#include "forms/paint_box.h"

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"

namespace forms {

PaintBox::PaintBox(Form& owner, std::string name) : Control(owner, std::move(name)) {}

Canvas& PaintBox::canvas() { return app().backend().CanvasOf(*this); }

int PaintBox::width() const { return form().ClientRectOf(*this).width; }

int PaintBox::height() const { return form().ClientRectOf(*this).height; }

void PaintBox::Invalidate() { app().backend().InvalidatePaintBox(*this); }

void PaintBox::Paint() {
  if (on_paint) on_paint();
}

void PaintBox::Describe(std::vector<std::string>& lines) const {
  lines.push_back("size: " + std::to_string(width()) + "x" + std::to_string(height()));
}

void PaintBox::UserMouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (on_mouse_down) on_mouse_down(button, shift, x, y);
}

void PaintBox::UserMouseMove(ShiftState shift, int x, int y) {
  if (on_mouse_move) on_mouse_move(shift, x, y);
}

void PaintBox::UserMouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (on_mouse_up) on_mouse_up(button, shift, x, y);
}

}  // namespace forms
