// Base of every control and component that a form owns.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace forms {

class Application;
class Form;

// How a control takes its place in the form's client area.
enum class Align { None, Top, Bottom, Client };

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Control {
 public:
  Control(Form& owner, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  Form& form() const { return owner_; }

  // Whether the user can move the focus here (edits, buttons, lists...).
  virtual bool Focusable() const { return false; }
  // Run when the focus leaves this control; an ActionError refuses the move.
  virtual void ExitCheck() {}
  // The state that a script's dump prints, one "key: value" line each.
  virtual void Describe(std::vector<std::string>& lines) const = 0;

  // Position and size in pixels inside the client area.  Without bounds a
  // backend lays the control out in creation order.
  void SetBounds(int left, int top, int width, int height);
  const std::optional<Rect>& bounds() const { return bounds_; }
  void SetAlign(Align align);
  Align align() const { return align_; }
  // Position in the tab order; controls without one follow in creation order.
  void SetTabOrder(int order) { tab_order_ = order; }
  std::optional<int> tab_order() const { return tab_order_; }

 protected:
  // Tell the backend that state visible on screen has changed.
  void Changed();
  Application& app() const;

 private:
  Form& owner_;
  std::string name_;
  std::optional<Rect> bounds_;
  Align align_ = Align::None;
  std::optional<int> tab_order_;
};

}  // namespace forms
