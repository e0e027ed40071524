// A freshly started workbench on the script backend, whose user the test
// plays through the backend's hooks.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/main_menu.h"
#include "forms/script/script_backend.h"
#include "frame/console_main_form.h"
#include "frame/operations_form.h"
#include "tests/poly/test_polynomial.h"
#include "workbench/operations.h"
#include "workbench/registers.h"
#include "workbench/vessaw.h"

namespace workbench_test {

// What the test's user does and what it saw.
struct TestUser {
  // Called once per modal display; without it, or when it leaves the
  // dialog open, the dialog is closed by its close box.
  std::function<void(forms::Form&)> on_modal;
  // The name a file dialog confirms; none cancels it.
  std::optional<std::string> file_answer;

  std::vector<std::string> messages;     // "caption: text" of each box
  std::vector<std::string> modal_forms;  // names in the order shown
  std::vector<std::string> dialogs;      // "open: subject" or "save: subject" of each file dialog
};

// A record of a(0) .. a(n) of the polynomial.
inline workbench::TPolynomialRecord Record(const test_support::TestPolynomial& p, long double constant = 1,
                                           bool defined = true) {
  workbench::TPolynomialRecord record;
  record.degree = p.degree();
  std::copy(p.coefficients().begin(), p.coefficients().end(), record.a.begin());
  record.constant = constant;
  record.defined = defined;
  return record;
}

// Everything a record holds that an operation may legitimately change.
inline bool SameRecord(const workbench::TPolynomialRecord& p, const workbench::TPolynomialRecord& q) {
  return p.degree == q.degree && p.constant == q.constant && p.defined == q.defined && p.a == q.a;
}

class VessawFixture : public ::testing::Test {
 protected:
  // The about text's line count: the console's own lines follow it.
  static constexpr int kAboutLines = 13;

  VessawFixture() {
    backend.Attach(app);
    backend.modal_hook = [this](forms::Form& form) {
      user.modal_forms.push_back(form.name());
      if (user.on_modal) user.on_modal(form);
    };
    backend.file_dialog_hook = [this](forms::FileDialog& dialog) {
      user.dialogs.push_back((dialog.kind() == forms::FileDialogKind::Open ? "open: " : "save: ") + dialog.subject());
      if (!user.file_answer) return false;
      dialog.SetFileName(*user.file_answer);
      return true;
    };
    backend.message_box_hook = [this](const std::string& caption, const std::string& text) {
      user.messages.push_back(caption + ": " + text);
    };
  }

  TestUser user;
  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  workbench::Vessaw vessaw{app};

  const frame::ConsoleWindows& console_windows() const { return vessaw.console_windows(); }
  const workbench::Vessaw::Windows& windows() const { return vessaw.windows(); }

  void ChooseMenu(const std::string& caption) {
    const forms::MenuItem* item = console_windows().main->menu.FindItem(caption);
    ASSERT_NE(item, nullptr) << caption;
    app.Guard(item->on_click);
  }

  // The lines appended to the console since start-up.
  std::vector<std::string> Logged() const {
    const std::vector<std::string>& all = console_windows().main->log.lines();
    return {all.begin() + kAboutLines, all.end()};
  }
  // The lines appended after the first `mark` of them.
  std::vector<std::string> LoggedSince(std::size_t mark) const {
    const std::vector<std::string> all = Logged();
    return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
  }

  // Chooses the operation in the operations window and applies it.
  void RunOperation(workbench::Operation operation) {
    console_windows().operations->group.UserChoose(static_cast<int>(operation));
    app.Guard([&] { console_windows().operations->button.UserClick(); });
  }
};

}  // namespace workbench_test
