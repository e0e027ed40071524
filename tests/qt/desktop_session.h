// What the tests of a program on the real widget stack share: one Qt
// application for the whole test program, on the offscreen platform unless
// another is set, and the menu items of a main window.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QWidget>

namespace desktop_test {

inline QApplication& EnsureApplication() {
  static int argc = 1;
  static char name[] = "desktop_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// The item of one of the window's menus, or none.
inline QAction* MenuAction(QWidget& window, const QString& caption) {
  for (QMenuBar* bar : window.findChildren<QMenuBar*>())
    for (QAction* entry : bar->actions())
      if (entry->menu())
        for (QAction* item : entry->menu()->actions())
          if (item->text() == caption) return item;
  return nullptr;
}

}  // namespace desktop_test
