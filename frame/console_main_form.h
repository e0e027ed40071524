// The main window of a prompt-driven program: its log, filling the window
// and starting with the program's preset text, the menu "Menu" with
// "Iniciar" and "Terminar", and the open and save dialogs of its console.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/main_menu.h"
#include "forms/memo.h"

namespace frame {

struct ConsoleMainSetup {
  std::string caption{};              // "Vessa"
  std::vector<std::string> preset{};  // the log's text at start
  std::vector<forms::FileFilter> open_filters{};
  bool open_must_exist = false;  // the open dialog takes only existing files
  std::vector<forms::FileFilter> save_filters{};
  int client_width = 640;   // a log of about 90 columns
  int client_height = 480;  // by 30 lines
};

class ConsoleMainForm : public forms::Form {
 public:
  ConsoleMainForm(forms::Application& app, const ConsoleMainSetup& setup);

  forms::Memo& log;                // Memo1
  forms::MainMenu& menu;           // MainMenu1
  forms::FileDialog& open_dialog;  // OpenDialog1
  forms::FileDialog& save_dialog;  // SaveDialog1

  // The menu items "Iniciar" and "Terminar".
  std::function<void()> on_start;
  std::function<void()> on_terminate;
};

}  // namespace frame
