#include "forms/qt/desktop.h"

#include <QApplication>
#include <clocale>

#include "forms/application.h"
#include "forms/qt/qt_backend.h"

namespace forms::qt {

int RunDesktop(int argc, char** argv, const ProgramFactory& factory) {
  QApplication qt_app(argc, argv);
  // Qt takes the locale from the environment; numbers are read and written
  // with "." whatever it says
  std::setlocale(LC_NUMERIC, "C");
  QtBackend backend;
  Application app(backend);
  const std::unique_ptr<Program> program = factory(app);
  if (app.forms().empty()) return 0;
  Form& main = app.main_form();
  backend.Dispatch(main, [&] { main.Show(); });
  if (!app.terminated()) QApplication::exec();
  return 0;
}

}  // namespace forms::qt
