// A freshly started workbench on the fake backend.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/main_menu.h"
#include "tests/workbench/fake_backend.h"
#include "workbench/main_form.h"
#include "workbench/operations_form.h"
#include "workbench/vessaw.h"

namespace workbench_test {

class VessawFixture : public ::testing::Test {
 protected:
  // The about text's line count: the console's own lines follow it.
  static constexpr int kAboutLines = 13;

  FakeBackend backend;
  forms::Application app{backend};
  workbench::Vessaw vessaw{app};

  const workbench::Windows& windows() const { return vessaw.windows(); }

  void ChooseMenu(const std::string& caption) {
    const forms::MenuItem* item = windows().form1->MainMenu1.FindItem(caption);
    ASSERT_NE(item, nullptr) << caption;
    app.Guard(item->on_click);
  }

  // The lines appended to the console since start-up.
  std::vector<std::string> Logged() const {
    const std::vector<std::string>& all = windows().form1->Memo1.lines();
    return {all.begin() + kAboutLines, all.end()};
  }
  // The lines appended after the first `mark` of them.
  std::vector<std::string> LoggedSince(std::size_t mark) const {
    const std::vector<std::string> all = Logged();
    return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
  }

  // Chooses the operation in the operations window and applies it.
  void RunOperation(int index) {
    windows().form6->RGmenu.UserChoose(index);
    app.Guard([&] { windows().form6->Button1.UserClick(); });
  }
};

}  // namespace workbench_test
