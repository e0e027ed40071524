#include "frame/console_main_form.h"

namespace frame {

ConsoleMainForm::ConsoleMainForm(forms::Application& app, const ConsoleMainSetup& setup)
    : forms::Form(app, "Form1", setup.caption),
      log(Add<forms::Memo>("Memo1", setup.preset)),
      menu(Add<forms::MainMenu>("MainMenu1")),
      open_dialog(Add<forms::FileDialog>("OpenDialog1", forms::FileDialogKind::Open, setup.open_filters)),
      save_dialog(Add<forms::FileDialog>("SaveDialog1", forms::FileDialogKind::Save, setup.save_filters)) {
  log.SetReadOnly(true);
  log.SetAlign(forms::Align::Client);
  open_dialog.SetMustExist(setup.open_must_exist);
  forms::MenuEntry& entry = menu.AddEntry("Menu1", "Menu");
  menu.AddItem(entry, "Iniciar1", "Iniciar", [this] {
    if (on_start) on_start();
  });
  menu.AddItem(entry, "Terminar1", "Terminar", [this] {
    if (on_terminate) on_terminate();
  });
  SetPlacement(forms::Placement::ScreenCenter);
  SetClientSize(setup.client_width, setup.client_height);
}

}  // namespace frame
