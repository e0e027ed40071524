#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/button.h"
#include "forms/main_menu.h"
#include "forms/paint_box.h"

namespace forms {

Form::Form(Application& app, std::string name, std::string caption)
    : app_(app), name_(std::move(name)), caption_(std::move(caption)) {}

Form::~Form() = default;

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  app_.backend().FormChanged(*this);
}

bool Form::IsMain() const { return &app_.main_form() == this; }

Control* Form::Find(const std::string& name) const {
  for (const auto& control : controls_)
    if (control->name() == name) return control.get();
  return nullptr;
}

std::vector<Control*> Form::TabOrder() const {
  std::vector<Control*> ordered;
  for (const auto& control : controls_)
    if (control->Focusable()) ordered.push_back(control.get());
  // controls with an explicit position come first, in that order; the rest
  // keep their creation order
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    const int ka = a->tab_order().value_or(1 << 30);
    const int kb = b->tab_order().value_or(1 << 30);
    return ka < kb;
  });
  return ordered;
}

MainMenu* Form::menu() const {
  for (const auto& control : controls_)
    if (auto* menu = dynamic_cast<MainMenu*>(control.get())) return menu;
  return nullptr;
}

void Form::SetClientSize(int width, int height) {
  client_width_ = width;
  client_height_ = height;
  app_.backend().FormChanged(*this);
  Invalidate();
}

void Form::SetPlacement(Placement placement, int left, int top) {
  placement_ = placement;
  left_ = left;
  top_ = top;
}

Rect Form::ClientRectOf(const Control& target) const {
  int top = 0;
  int bottom = client_height_;
  const Control* client = nullptr;
  for (const auto& control : controls_) {
    const int h = control->bounds() ? control->bounds()->height : 0;
    switch (control->align()) {
      case Align::Top:
        if (control.get() == &target) return Rect{0, top, client_width_, h};
        top += h;
        break;
      case Align::Bottom:
        if (control.get() == &target) return Rect{0, bottom - h, client_width_, h};
        bottom -= h;
        break;
      case Align::Client:
        if (control.get() == &target) client = control.get();
        break;
      case Align::None:
        if (control.get() == &target) return target.bounds().value_or(Rect{});
        break;
    }
  }
  if (client) return Rect{0, top, client_width_, std::max(0, bottom - top)};
  return Rect{};
}

void Form::Show() {
  const bool was_visible = visible_;
  visible_ = true;
  if (!was_visible) ResetFocus();
  app_.backend().ShowForm(*this);
  if (!was_visible) Invalidate();
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  app_.backend().HideForm(*this);
}

int Form::ShowModal() {
  struct ModalScope {
    Form& form;
    ~ModalScope() {
      form.modal_ = false;
      form.visible_ = false;
      form.app_.backend().HideForm(form);
    }
  };
  modal_result_ = kModalNone;
  visible_ = true;
  modal_ = true;
  ResetFocus();
  ModalScope scope{*this};
  Invalidate();
  app_.backend().RunModal(*this);
  return modal_result_;
}

void Form::SetModalResult(int result) {
  modal_result_ = result;
  if (modal_ && result != kModalNone) app_.backend().EndModal(*this);
}

void Form::Close() {
  CloseAction action = IsMain() ? CloseAction::Free : CloseAction::Hide;
  if (on_close) on_close(action);
  if (action == CloseAction::None) return;
  if (modal_) {
    if (modal_result_ == kModalNone) SetModalResult(kModalCancel);
  } else if (IsMain()) {
    app_.Terminate();
  } else {
    Hide();
  }
}

void Form::FocusControl(Control& control) {
  if (active_ == &control) return;
  if (active_) active_->ExitCheck();
  active_ = &control;
  app_.backend().FocusChanged(*this);
}

void Form::ResetFocus() {
  const std::vector<Control*> order = TabOrder();
  active_ = order.empty() ? nullptr : order.front();
  app_.backend().FocusChanged(*this);
}

void Form::Invalidate() {
  for (const auto& control : controls_)
    if (auto* box = dynamic_cast<PaintBox*>(control.get())) box->Invalidate();
}

void Form::UserResized(int width, int height) {
  client_width_ = width;
  client_height_ = height;
  if (on_resize) on_resize();
  Invalidate();
}

void Form::UserActivated() {
  if (on_activate) on_activate();
}

void Form::UserKeyDown(int key, ShiftState shift) {
  if (on_key_down) on_key_down(key, shift);
}

void Form::UserKeyPress(char key) {
  if (on_key_press) on_key_press(key);
}

void Form::UserEnter() {
  if (!default_button_) return;
  // the focus stays where the user is, so that the next key goes on from
  // there; what the control holds is checked all the same
  if (active_) active_->ExitCheck();
  if (default_button_->on_click) default_button_->on_click();
}

}  // namespace forms
