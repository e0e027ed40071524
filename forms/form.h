// A window of a program: its caption, its controls in creation order, its
// visibility, modal display, focus, keys and close handling.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keys.h"

namespace forms {

class Application;
class Button;
class MainMenu;

enum class CloseAction { None, Hide, Free };
enum class BorderStyle { Sizeable, Dialog };
// Default: the main window where the desktop puts it, any other window
// beside the main window.  OwnerCenter: centred on the main window, or
// beside the plot the dialog was opened from.  Either way a window covers,
// where the screen allows, neither the main window's menu and last log
// lines nor the operations window; Fixed keeps the window on the screen.
enum class Placement { Default, ScreenCenter, OwnerCenter, Fixed };

// Results of a modal display.
constexpr int kModalNone = 0;
constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;

class Form {
 public:
  Form(Application& app, std::string name, std::string caption);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& app() const { return app_; }
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsMain() const;

  // Controls are created by the form's own constructor, in creation order.
  template <typename T, typename... Args>
  T& Add(Args&&... args) {
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *control;
    controls_.push_back(std::move(control));
    return ref;
  }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control* Find(const std::string& name) const;
  // The focusable controls in tab order.
  std::vector<Control*> TabOrder() const;
  MainMenu* menu() const;

  // Client area in pixels.
  void SetClientSize(int width, int height);
  int client_width() const { return client_width_; }
  int client_height() const { return client_height_; }
  void SetPlacement(Placement placement, int left = 0, int top = 0);
  Placement placement() const { return placement_; }
  int left() const { return left_; }
  int top() const { return top_; }
  void SetBorderStyle(BorderStyle style) { border_style_ = style; }
  BorderStyle border_style() const { return border_style_; }
  // The rectangle of a control after alignment within the client area.
  Rect ClientRectOf(const Control& control) const;

  bool visible() const { return visible_; }
  bool modal() const { return modal_; }
  // Show non-modal (or bring to the front); the focus goes to the first
  // control in tab order.
  void Show();
  void Hide();
  // Show modally and wait; returns the modal result (kModalCancel when the
  // form was closed by its close box).
  int ShowModal();
  void SetModalResult(int result);
  int modal_result() const { return modal_result_; }
  // The close box, or Close from code: the close handler decides.
  void Close();

  // Focus.  Moving it runs the exit check of the control that loses it; a
  // refusal throws ActionError and the focus stays where it was.
  Control* active_control() const { return active_; }
  void FocusControl(Control& control);
  // The focus moves to the first control in tab order without any check
  // (what showing a window does).
  void ResetFocus();

  // The button that Return presses from a field or a box of the window
  // (Return on another button presses that one); none: Return does nothing
  // there.
  void SetDefaultButton(Button* button) { default_button_ = button; }
  Button* default_button() const { return default_button_; }

  // Every paint box of the form is repainted at the next opportunity.
  void Invalidate();
  // A backend tells the model the user resized the window.
  void UserResized(int width, int height);

  std::function<void(CloseAction&)> on_close;
  std::function<void(int& key, ShiftState shift)> on_key_down;
  std::function<void(char& key)> on_key_press;
  std::function<void()> on_resize;
  // The form became the active window: shown, brought to the front, or
  // chosen by the user.
  std::function<void()> on_activate;

  // The backend made the form the active window.
  void UserActivated();
  // The user pressed a key while the form was active.
  void UserKeyDown(int key, ShiftState shift);
  void UserKeyPress(char key);
  // The user pressed Return outside a button: the exit check of the
  // control that has the focus, then the default button's click handler;
  // the focus stays where it is.
  void UserEnter();

 private:
  Application& app_;
  std::string name_;
  std::string caption_;
  std::vector<std::unique_ptr<Control>> controls_;
  int client_width_ = 400;
  int client_height_ = 300;
  Placement placement_ = Placement::Default;
  int left_ = 0, top_ = 0;
  BorderStyle border_style_ = BorderStyle::Sizeable;
  bool visible_ = false;
  bool modal_ = false;
  int modal_result_ = kModalNone;
  Control* active_ = nullptr;
  Button* default_button_ = nullptr;
};

}  // namespace forms
