// scenario PROGRAM SCRIPT [--trace] [--no-preset]
//
// Runs one program of the suite headless in the current directory, plays the
// script of user actions against it and writes the transcript to standard
// output.  --trace adds the windows shown, hidden and painted; --no-preset
// leaves out the preset text of the main window's log.  Exit status: 0 when the script ran to its end, 2 for a fault of
// the script (reported with its line on standard error), 1 for a wrong
// command line.
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "elliptic/duzavuri.h"
#include "forms/application.h"
#include "forms/program.h"
#include "forms/script/script_backend.h"
#include "forms/script/script_fault.h"
#include "ladder/tramow.h"
#include "workbench/vessaw.h"

namespace {

const std::map<std::string, forms::ProgramFactory>& Programs() {
  static const std::map<std::string, forms::ProgramFactory> programs = {
      {"tramow", ladder::CreateTramow},
      {"vessaw", workbench::CreateVessaw},
      {"duzavuri", elliptic::CreateDuzavuri},
  };
  return programs;
}

int Usage() {
  std::cerr << "usage: scenario PROGRAM SCRIPT [--trace] [--no-preset]\nprograms:";
  for (const auto& [name, factory] : Programs()) std::cerr << ' ' << name;
  std::cerr << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) return Usage();
  const std::string program_name = argv[1];
  const std::string script_path = argv[2];
  bool trace = false;
  bool preset = true;
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--trace")
      trace = true;
    else if (option == "--no-preset")
      preset = false;
    else
      return Usage();
  }
  const auto program = Programs().find(program_name);
  if (program == Programs().end()) return Usage();

  // The canvas draws text with Qt's fonts, which need a GUI application; the
  // offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QGuiApplication gui(qt_argc, qt_argv);
  std::setlocale(LC_NUMERIC, "C");

  try {
    forms::script::Script script = forms::script::Script::Load(script_path);
    forms::script::ScriptBackend backend(script, std::cout, trace);
    backend.ShowPreset(preset);
    forms::Application app(backend);
    backend.Attach(app);
    const std::unique_ptr<forms::Program> state = program->second(app);
    backend.Play();
  } catch (const forms::script::ScriptFault& fault) {
    std::cout.flush();
    std::cerr << script_path << ':' << fault.line() << ": " << fault.what() << '\n';
    return 2;
  }
  return 0;
}
