#include "forms/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/label.h"
#include "forms/radio_group.h"
#include "test_program.h"

namespace forms {
namespace {

// Records what the model asks; a modal display runs `during_modal`.
class RecordingBackend : public Backend {
 public:
  void FormCreated(Form&) override {}
  void FormChanged(Form&) override {}
  void ShowForm(Form& form) override { shown.push_back(form.name()); }
  void HideForm(Form& form) override { hidden.push_back(form.name()); }
  void RunModal(Form& form) override {
    if (during_modal) during_modal(form);
  }
  void EndModal(Form&) override {}
  void ControlChanged(Control&) override {}
  void MemoAppended(Memo&, const std::string&) override {}
  void FocusChanged(Form&) override {}
  void MessageBox(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + "|" + text);
  }
  bool ExecuteFileDialog(FileDialog&) override { return false; }
  void InvalidatePaintBox(PaintBox&) override {}
  Canvas& CanvasOf(PaintBox&) override { std::abort(); }
  void Terminate() override {}

  std::function<void(Form&)> during_modal;
  std::vector<std::string> shown, hidden, messages;
};

class FormModel : public ::testing::Test {
 protected:
  RecordingBackend backend;
  Application app{backend};
  testing::TestProgram program{app};
  Form& main = *app.FindForm("Form1");
  testing::Dialog& dialog = static_cast<testing::Dialog&>(*app.FindForm("Form2"));
};

TEST_F(FormModel, MovingTheFocusRunsTheExitCheckOfTheControlLeft) {
  dialog.Show();
  EXPECT_EQ(dialog.active_control(), &dialog.Edit1);
  dialog.Edit1.UserType("12");
  EXPECT_EQ(dialog.Edit1.committed, "");
  dialog.FocusControl(dialog.Button1);
  EXPECT_EQ(dialog.Edit1.committed, "12");
  EXPECT_EQ(dialog.active_control(), &dialog.Button1);
}

TEST_F(FormModel, RefusedExitCheckKeepsTheFocusAndTheClickDoesNotRun) {
  dialog.Show();
  dialog.Edit1.UserType("bad");
  EXPECT_FALSE(app.Guard([&] { dialog.Button1.UserClick(); }));
  EXPECT_EQ(dialog.active_control(), &dialog.Edit1);
  EXPECT_EQ(dialog.modal_result(), kModalNone);
  EXPECT_EQ(backend.messages, (std::vector<std::string>{"Tester|bad is not a valid number."}));
}

// Return presses the default button as a click would, after the check of
// the control with the focus, but leaves the focus there: the keyboard goes
// on from where the user was.  Without a default button it does nothing.
TEST_F(FormModel, ReturnPressesTheDefaultButtonAfterTheCheckAndKeepsTheFocus) {
  backend.during_modal = [](Form& form) {
    auto& d = static_cast<testing::Dialog&>(form);
    d.Edit1.UserType("7");
    d.Edit1.UserEnter();
  };
  EXPECT_EQ(dialog.ShowModal(), kModalNone);
  EXPECT_EQ(dialog.Edit1.committed, "");

  dialog.SetDefaultButton(&dialog.Button1);
  EXPECT_EQ(dialog.ShowModal(), kModalOk);
  EXPECT_EQ(dialog.Edit1.committed, "7");
  EXPECT_EQ(dialog.active_control(), &dialog.Edit1);

  backend.during_modal = [this](Form& form) {
    auto& d = static_cast<testing::Dialog&>(form);
    d.Edit1.UserType("bad");
    app.Guard([&] { d.UserEnter(); });
  };
  EXPECT_EQ(dialog.ShowModal(), kModalNone);
  EXPECT_EQ(backend.messages, (std::vector<std::string>{"Tester|bad is not a valid number."}));
}

TEST_F(FormModel, ModalResultOfAButtonAndOfTheCloseBox) {
  backend.during_modal = [](Form& form) { static_cast<testing::Dialog&>(form).Button1.UserClick(); };
  EXPECT_EQ(dialog.ShowModal(), kModalOk);
  backend.during_modal = [](Form& form) { form.Close(); };
  EXPECT_EQ(dialog.ShowModal(), kModalCancel);
  EXPECT_FALSE(dialog.visible());
  EXPECT_FALSE(dialog.modal());
}

TEST_F(FormModel, CloseActions) {
  dialog.Show();
  dialog.on_close = [](CloseAction& action) { action = CloseAction::None; };
  dialog.Close();
  EXPECT_TRUE(dialog.visible());
  dialog.on_close = nullptr;
  dialog.Close();
  EXPECT_FALSE(dialog.visible());
  EXPECT_FALSE(app.terminated());
  main.Close();
  EXPECT_TRUE(app.terminated());
}

TEST_F(FormModel, ShowingPutsTheFocusOnTheFirstControlOfTheTabOrder) {
  dialog.Button1.SetTabOrder(0);
  dialog.Edit1.SetTabOrder(1);
  dialog.Show();
  EXPECT_EQ(dialog.active_control(), &dialog.Button1);
}

TEST_F(FormModel, AlignedControlsShareTheClientArea) {
  Form& plot = *app.FindForm("Form3");
  plot.UserResized(320, 240);
  const auto& box = *plot.Find("PaintBox1");
  const auto& status = *plot.Find("StatusBar1");
  EXPECT_EQ(plot.ClientRectOf(box), (Rect{0, 0, 320, 240 - kStatusBarHeight}));
  EXPECT_EQ(plot.ClientRectOf(status), (Rect{0, 240 - kStatusBarHeight, 320, kStatusBarHeight}));
}

// Whatever escapes an action ends it with the default report and the
// program goes on; only a fault of the run itself passes.
TEST_F(FormModel, GuardReportsEveryStandardErrorButLetsRunFaultsPass) {
  const struct {
    std::function<void()> action;
    const char* report;
  } cases[] = {
      {[] { throw base::ActionError("Already ends."); }, "Tester|Already ends."},
      {[] { throw base::RangeCheckError(7); }, "Tester|Range check error."},
      {[] { throw std::bad_alloc(); }, "Tester|Out of memory."},
      {[] { throw std::logic_error("not an action error"); }, "Tester|not an action error."},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(app.Guard(c.action));
    EXPECT_EQ(backend.messages.back(), c.report);
  }
  const std::size_t reports = backend.messages.size();
  EXPECT_THROW(app.Guard([] { throw RunFault("the script cannot go on"); }), RunFault);
  EXPECT_EQ(backend.messages.size(), reports);
}

TEST_F(FormModel, RadioGroupIndexOutsideTheItemsChoosesNone) {
  Form& form = app.CreateForm<Form>("Extra", "Extra");
  auto& group = form.Add<RadioGroup>("RG", "Choice", std::vector<std::string>{"a", "b"}, 0, 2);
  group.SetItemIndex(5);
  EXPECT_EQ(group.item_index(), -1);
  EXPECT_EQ(group.columns(), 2);
}

}  // namespace
}  // namespace forms
