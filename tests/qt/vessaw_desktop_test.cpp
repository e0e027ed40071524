// vessaw on the real widget stack (offscreen): the menu starts a session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "forms/application.h"
#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"
#include "tests/qt/desktop_session.h"
#include "workbench/vessaw.h"

namespace {

using desktop_test::EnsureApplication;
using desktop_test::MenuAction;

TEST(VessawDesktop, IniciarLogsTheVersionAndShowsTheOperationsWindow) {
  EnsureApplication();
  forms::qt::QtBackend backend;
  std::vector<std::string> messages;
  backend.message_box_hook = [&messages](const std::string&, const std::string& text) { messages.push_back(text); };
  forms::Application app(backend);
  const std::unique_ptr<forms::Program> program = workbench::CreateVessaw(app);
  app.main_form().Show();
  QApplication::processEvents();

  forms::qt::FormWindow* main = backend.WindowOf(app.main_form());
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->windowTitle().toStdString(), "Vessa");
  forms::Form* operations = app.FindForm("Form6");
  ASSERT_NE(operations, nullptr);
  EXPECT_FALSE(backend.WindowOf(*operations)->isVisible());

  QAction* start = MenuAction(*main, "Iniciar");
  ASSERT_NE(start, nullptr);
  start->trigger();
  QApplication::processEvents();

  auto* log = main->findChild<QPlainTextEdit*>();
  ASSERT_NE(log, nullptr);
  const QStringList lines = log->toPlainText().split('\n');
  EXPECT_EQ(lines.first().toStdString(), "Aproximações por Função Característica");
  EXPECT_EQ(lines.last().toStdString(), "Versão 2.7a de 26/4/2019");
  EXPECT_TRUE(backend.WindowOf(*operations)->isVisible());
  EXPECT_EQ(backend.WindowOf(*operations)->windowTitle().toStdString(), "Operações");
  EXPECT_TRUE(messages.empty());
}

// The real prompt shows its default selected, so that a typed 7 replaces
// the shown 1, and Enter in its field commits the text and closes it.
TEST(VessawDesktop, TypingOverThePromptsDefaultAndEnterCommitIt) {
  EnsureApplication();
  forms::qt::QtBackend backend;
  forms::Application app(backend);
  const std::unique_ptr<forms::Program> program = workbench::CreateVessaw(app);
  auto& vessaw = dynamic_cast<workbench::Vessaw&>(*program);
  app.main_form().Show();
  forms::Form& prompt = *app.FindForm("Form3");
  QTimer::singleShot(0, [&] {
    QWidget* window = backend.WindowOf(prompt);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* line = window->findChild<QLineEdit*>();
    QTest::keyClicks(line, "7");
    QTest::keyClick(line, Qt::Key_Return);
  });
  // a prompt that Enter did not close ends the test instead of hanging it
  QTimer::singleShot(5000, [&] {
    if (prompt.modal()) prompt.Close();
  });
  base::Extended value = 1;
  vessaw.console().AskReal("w(1)", value);
  EXPECT_EQ(value, base::Extended(7));
}

// The operations window opened by "Iniciar" leaves the main window's menu
// free, whatever room the screen has beside it.
TEST(VessawDesktop, OperationsWindowLeavesTheMenuFree) {
  EnsureApplication();
  forms::qt::QtBackend backend;
  forms::Application app(backend);
  const std::unique_ptr<forms::Program> program = workbench::CreateVessaw(app);
  app.main_form().Show();
  QApplication::processEvents();
  forms::qt::FormWindow* main = backend.WindowOf(app.main_form());
  MenuAction(*main, "Iniciar")->trigger();
  QApplication::processEvents();
  const auto* bar = main->findChild<QMenuBar*>();
  const QRect menu(bar->mapToGlobal(QPoint(0, 0)), bar->size());
  const QRect operations = backend.WindowOf(*app.FindForm("Form6"))->frameGeometry();
  EXPECT_FALSE(operations.intersects(menu));
}

}  // namespace
