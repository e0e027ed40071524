// A small program built from the forms model, for driving the backends.
#pragma once

#include <string>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"
#include "forms/application.h"
#include "forms/button.h"
#include "forms/edit.h"
#include "forms/file_dialog.h"
#include "forms/main_menu.h"
#include "forms/memo.h"
#include "forms/paint_box.h"
#include "forms/program.h"
#include "forms/status_bar.h"

namespace forms::testing {

// An edit that refuses the text "bad" when the focus leaves it.
class CheckedEdit : public Edit {
 public:
  using Edit::Edit;
  void ExitCheck() override {
    if (text() == "bad") throw base::InvalidNumberError(text());
    committed = text();
  }
  std::string committed;
};

class MainWindow : public Form {
 public:
  explicit MainWindow(Application& app)
      : Form(app, "Form1", "Main"),
        Memo1(Add<Memo>("Memo1", std::vector<std::string>{"preset one", "preset two"})),
        MainMenu1(Add<MainMenu>("MainMenu1")),
        OpenDialog1(Add<FileDialog>("OpenDialog1", FileDialogKind::Open,
                                    std::vector<FileFilter>{{"Zeros (*.z)", "*.z"}, {"Pólos (*.r)", "*.r"}})) {
    Memo1.SetAlign(Align::Client);
    Memo1.SetReadOnly(true);
  }
  Memo& Memo1;
  MainMenu& MainMenu1;
  FileDialog& OpenDialog1;
};

class Dialog : public Form {
 public:
  explicit Dialog(Application& app)
      : Form(app, "Form2", "Dialog"),
        Edit1(Add<CheckedEdit>("Edit1", "start")),
        Button1(Add<Button>("Button1", "Aplicar")) {
    Button1.on_click = [this] { SetModalResult(kModalOk); };
  }
  CheckedEdit& Edit1;
  Button& Button1;
};

class PlotWindow : public Form {
 public:
  explicit PlotWindow(Application& app)
      : Form(app, "Form3", "Plot"), PaintBox1(Add<PaintBox>("PaintBox1")), StatusBar1(Add<StatusBar>("StatusBar1")) {
    PaintBox1.SetAlign(Align::Client);
    SetClientSize(200, 119);
  }
  PaintBox& PaintBox1;
  StatusBar& StatusBar1;
};

// Menu items: "Ask" (the dialog, modally), "Open" (the file dialog), "Fail"
// (a division by zero), "Plot" (shows the plot window), "End".
class TestProgram : public Program {
 public:
  explicit TestProgram(Application& app)
      : app_(app),
        main_(app.CreateForm<MainWindow>()),
        dialog_(app.CreateForm<Dialog>()),
        plot_(app.CreateForm<PlotWindow>()) {
    app.SetTitle("Tester");
    MenuEntry& entry = main_.MainMenu1.AddEntry("Menu1", "Menu");
    main_.MainMenu1.AddItem(entry, "Ask1", "Ask", [this] { Ask(); });
    main_.MainMenu1.AddItem(entry, "Open1", "Open", [this] { Open(); });
    main_.MainMenu1.AddItem(entry, "Fail1", "Fail", [this] {
      main_.Memo1.Append("before the fault");
      base::Extended zero = 0;
      base::Extended one = 1;
      main_.Memo1.Append(std::to_string(static_cast<double>((one / zero).raw())));
    });
    main_.MainMenu1.AddItem(entry, "Plot1", "Plot", [this] { plot_.Show(); });
    main_.MainMenu1.AddItem(entry, "End1", "End", [this] { app_.Terminate(); });
    for (Form* form : {static_cast<Form*>(&main_), static_cast<Form*>(&dialog_), static_cast<Form*>(&plot_)})
      form->on_activate = [this, form] { activated.push_back(form->name()); };
    plot_.PaintBox1.on_paint = [this] {
      ++paints;
      main_.Memo1.Append("painted " + std::to_string(plot_.PaintBox1.width()) + "x" +
                         std::to_string(plot_.PaintBox1.height()));
    };
  }

  void Ask() {
    const int result = dialog_.ShowModal();
    main_.Memo1.Append("result " + std::to_string(result) + " committed " + dialog_.Edit1.committed);
  }
  void Open() {
    main_.Memo1.Append(main_.OpenDialog1.Execute() ? "chose " + main_.OpenDialog1.file_name() : "cancelled");
  }

  int paints = 0;
  std::vector<std::string> activated;  // forms in the order they became active

 private:
  Application& app_;
  MainWindow& main_;
  Dialog& dialog_;
  PlotWindow& plot_;
};

}  // namespace forms::testing
