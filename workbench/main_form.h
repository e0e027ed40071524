// Form1, the main window: the console, the menu that starts and ends the
// program, and the two file dialogs of the console.
#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/main_menu.h"
#include "forms/memo.h"

namespace workbench {

class MainForm : public forms::Form {
 public:
  explicit MainForm(forms::Application& app);

  forms::Memo& Memo1;
  forms::MainMenu& MainMenu1;
  forms::FileDialog& OpenDialog1;
  forms::FileDialog& SaveDialog1;

  // The menu items "Iniciar" and "Terminar".
  std::function<void()> on_start;
  std::function<void()> on_terminate;
};

}  // namespace workbench
