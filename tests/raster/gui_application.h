// The image canvas measures and draws text through Qt's GUI module, which
// needs a GUI application: tests that draw text start one, offscreen unless
// the environment names a platform.
#pragma once

#include <QGuiApplication>

namespace test_support {

inline void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "suite_tests";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
  }
}

}  // namespace test_support
