#include "frame/console_main_form.h"

namespace frame {

ConsoleMainForm::ConsoleMainForm(forms::Application& app, const ConsoleMainSpec& spec)
    : forms::Form(app, "Form1", spec.caption),
      log(Add<forms::Memo>("Memo1", spec.preset)),
      menu(Add<forms::MainMenu>("MainMenu1")),
      open_dialog(Add<forms::FileDialog>("OpenDialog1", forms::FileDialogKind::Open, spec.open_filters)),
      save_dialog(Add<forms::FileDialog>("SaveDialog1", forms::FileDialogKind::Save, spec.save_filters)) {
  log.SetReadOnly(true);
  log.SetAlign(forms::Align::Client);
  open_dialog.SetMustExist(spec.open_must_exist);
  forms::MenuEntry& entry = menu.AddEntry("Menu1", "Menu");
  menu.AddItem(entry, "Iniciar1", "Iniciar", [this] {
    if (on_start) on_start();
  });
  menu.AddItem(entry, "Terminar1", "Terminar", [this] {
    if (on_terminate) on_terminate();
  });
  SetPlacement(forms::Placement::ScreenCenter);
  SetClientSize(spec.client_width, spec.client_height);
}

}  // namespace frame
