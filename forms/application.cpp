#include "forms/application.h"

#include <new>

#include "base/errors.h"
#include "forms/backend.h"

namespace forms {

Application::Application(Backend& backend) : backend_(backend) {}

Application::~Application() = default;

void Application::Created(Form& form) { backend_.FormCreated(form); }

Form* Application::FindForm(const std::string& name) const {
  for (const auto& form : forms_)
    if (form->name() == name) return form.get();
  return nullptr;
}

void Application::Terminate() {
  terminated_ = true;
  backend_.Terminate();
}

void Application::MessageBox(const std::string& caption, const std::string& text) {
  backend_.MessageBox(caption, text);
}

void Application::Report(const std::string& message) { backend_.MessageBox(title_, base::DefaultReportText(message)); }

bool Application::Guard(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const base::ActionError& error) {
    Report(error.what());
  } catch (const RunFault&) {
    throw;
  } catch (const std::bad_alloc&) {
    Report("Out of memory");
  } catch (const std::exception& error) {
    Report(error.what());
  }
  return false;
}

}  // namespace forms
