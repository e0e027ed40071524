// Duzavuri on the real widget stack (offscreen): Tab walks the main window's
// tab order, the log included, and no text takes a Tab character.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "elliptic/duzavuri.h"
#include "elliptic/main_form.h"
#include "elliptic/selection_form.h"
#include "forms/application.h"
#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"
#include "tests/qt/desktop_session.h"

namespace {

using desktop_test::EnsureApplication;

class DuzavuriDesktop : public ::testing::Test {
 protected:
  DuzavuriDesktop() {
    backend.message_box_hook = [this](const std::string&, const std::string& text) { messages.push_back(text); };
  }

  // The model's focus after one key on the widget that has Qt's focus.
  std::string After(forms::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return form.active_control() ? form.active_control()->name() : std::string("-");
  }

  struct ApplicationFirst {
    ApplicationFirst() { EnsureApplication(); }
  } application_first_;
  forms::qt::QtBackend backend;
  std::vector<std::string> messages;
  forms::Application app{backend};
  std::unique_ptr<forms::Program> program = elliptic::CreateDuzavuri(app);
  elliptic::Duzavuri& duzavuri = dynamic_cast<elliptic::Duzavuri&>(*program);
};

TEST_F(DuzavuriDesktop, TabWalksTheMainWindowsOrderThroughTheLog) {
  elliptic::MainForm& main = *duzavuri.windows().main_form;
  main.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend.WindowOf(main)));
  ASSERT_EQ(main.active_control()->name(), "NEdit1");
  const std::vector<std::string> order{
      "Button1", "Memo1",   "NEdit2",   "NEamax",  "NEamin",  "NEwp",    "NEws",    "Calcular", "CBarredondar", "NEcm",
      "NEdc",    "NEordem", "CBforcar", "Button2", "Button3", "Button4", "Button5", "Eextra",   "NEdit1"};
  for (const std::string& next : order) EXPECT_EQ(After(main, Qt::Key_Tab), next);
  const std::vector<std::string> back{"Eextra", "Button5"};
  for (const std::string& previous : back) EXPECT_EQ(After(main, Qt::Key_Backtab, Qt::ShiftModifier), previous);

  // from the log, with Ctrl or without, Tab leaves it and types nothing
  auto* log = dynamic_cast<QPlainTextEdit*>(backend.WidgetOf(main.log));
  const QString text = log->toPlainText();
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* next;
  };
  for (const Case& c : {Case{Qt::Key_Tab, Qt::ControlModifier, "NEdit2"}, Case{Qt::Key_Tab, Qt::NoModifier, "NEdit2"},
                        Case{Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier, "Button1"}}) {
    main.FocusControl(main.log);
    ASSERT_EQ(QApplication::focusWidget(), log);
    EXPECT_EQ(After(main, c.key, c.modifiers), c.next) << c.key << " " << c.modifiers;
  }
  EXPECT_EQ(log->toPlainText(), text);
  EXPECT_TRUE(messages.empty());
}

// The file list is a text the user edits too: Tab leaves it for the buttons.
TEST_F(DuzavuriDesktop, TabLeavesTheFileList) {
  elliptic::SelectionForm& list = *duzavuri.windows().selection_form;
  duzavuri.windows().main_form->Show();
  list.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend.WindowOf(list)));
  list.FocusControl(list.files);
  ASSERT_EQ(QApplication::focusWidget(), backend.WidgetOf(list.files));
  const std::vector<std::string> lines = list.files.lines();
  EXPECT_EQ(After(list, Qt::Key_Tab), "Button1");
  EXPECT_EQ(list.files.lines(), lines);
}

}  // namespace
