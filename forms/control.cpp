#include "forms/control.h"

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

Control::~Control() = default;

void Control::SetBounds(int left, int top, int width, int height) {
  bounds_ = Rect{left, top, width, height};
  Changed();
}

void Control::SetAlign(Align align) {
  align_ = align;
  Changed();
}

void Control::Changed() { owner_.app().backend().ControlChanged(*this); }

Application& Control::app() const { return owner_.app(); }

}  // namespace forms
