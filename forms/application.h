// The application: its title, its forms in creation order (the first is the
// main window), the end of the program and the default error report.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/form.h"

namespace forms {

class Backend;

// A fault of the run itself rather than of one action (a test script that
// cannot go on): the action guard lets it pass, so that it ends the run.
class RunFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Application {
 public:
  explicit Application(Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Backend& backend() const { return backend_; }
  void SetTitle(const std::string& title) { title_ = title; }
  const std::string& title() const { return title_; }

  // Create a form; the backend learns of it once its constructor is done.
  template <typename T, typename... Args>
  T& CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *form;
    forms_.push_back(std::move(form));
    Created(ref);
    return ref;
  }
  const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
  Form* FindForm(const std::string& name) const;
  Form& main_form() const { return *forms_.front(); }

  // End the program from code.
  void Terminate();
  bool terminated() const { return terminated_; }

  void MessageBox(const std::string& caption, const std::string& text);
  // Run one user action.  An ActionError, or any other standard exception
  // that escapes it (such as running out of memory), ends it with the
  // default error report: a message box with the title as caption; returns
  // false then.  A RunFault passes through.
  bool Guard(const std::function<void()>& action);

 private:
  void Created(Form& form);
  // The default error report of an error's message.
  void Report(const std::string& message);

  Backend& backend_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
};

}  // namespace forms
