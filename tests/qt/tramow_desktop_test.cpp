// tramow on the real widget stack (offscreen): "Iniciar" asks the kind in a
// modal window, and the answer "Não" labels the initialisation window with Y.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "forms/application.h"
#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"
#include "ladder/tramow.h"
#include "tests/qt/desktop_session.h"

namespace {

using desktop_test::EnsureApplication;
using desktop_test::MenuAction;

QPushButton* Button(QWidget& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  return nullptr;
}

TEST(TramowDesktop, IniciarAsksTheKindAndShowsTheInitialisationWindow) {
  EnsureApplication();
  forms::qt::QtBackend backend;
  std::vector<std::string> messages;
  backend.message_box_hook = [&messages](const std::string&, const std::string& text) { messages.push_back(text); };
  int dialogs = 0;
  backend.file_dialog_hook = [&dialogs](forms::FileDialog&) {
    ++dialogs;
    return false;
  };
  forms::Application app(backend);
  const std::unique_ptr<forms::Program> program = ladder::CreateTramow(app);
  app.main_form().Show();
  QApplication::processEvents();

  forms::qt::FormWindow* main = backend.WindowOf(app.main_form());
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->windowTitle().toStdString(), "Zuzevi");
  forms::qt::FormWindow* question = backend.WindowOf(*app.FindForm("Form3"));
  forms::qt::FormWindow* initialisation = backend.WindowOf(*app.FindForm("Form5"));
  ASSERT_NE(question, nullptr);
  ASSERT_NE(initialisation, nullptr);

  // the question runs its own loop: answer it from there
  bool answered = false;
  QTimer::singleShot(0, [&] {
    QPushButton* no = Button(*question, "Não");
    if (question->isVisible() && no) {
      no->click();
      answered = true;
    }
  });
  QAction* start = MenuAction(*main, "Iniciar");
  ASSERT_NE(start, nullptr);
  start->trigger();
  QApplication::processEvents();

  EXPECT_TRUE(answered);
  EXPECT_EQ(dialogs, 2);
  EXPECT_FALSE(question->isVisible());
  EXPECT_TRUE(initialisation->isVisible());
  bool labelled = false;
  for (QLabel* label : initialisation->findChildren<QLabel*>())
    labelled = labelled || label->text() == QString::fromUtf8("Especificação de Y:");
  EXPECT_TRUE(labelled);
  auto* log = main->findChild<QPlainTextEdit*>();
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->toPlainText().contains(QString::fromUtf8("\nAdmitância: \n")));
  EXPECT_TRUE(messages.empty());
}

}  // namespace
