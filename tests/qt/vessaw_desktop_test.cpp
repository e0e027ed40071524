// vessaw on the real widget stack (offscreen): the menu starts a session.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

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

}  // namespace
