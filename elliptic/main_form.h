// Form1, the designer's main window: the requirement, the order options,
// the print format, the inputs of the test of the special functions, one
// button per design, the button of the plots, and the log.  The one window
// of the suite laid out in pixels, with its own tab order.
#pragma once

#include "forms/application.h"
#include "forms/bevel.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/memo.h"
#include "numeric_field/nedit.h"

namespace elliptic {

class MainForm : public forms::Form {
 public:
  explicit MainForm(forms::Application& app);

  forms::Label& Label1;
  numeric_field::TNEdit& NEamax;
  forms::Label& Label2;
  numeric_field::TNEdit& NEamin;
  forms::Label& Label3;
  numeric_field::TNEdit& NEwp;
  forms::Label& Label4;
  numeric_field::TNEdit& NEws;
  forms::Button& Calcular;
  forms::Bevel& Bevel1;
  forms::Button& Button2;
  forms::Button& Button3;
  forms::Button& Button4;
  forms::CheckBox& CBforcar;
  numeric_field::TNEdit& NEordem;
  forms::CheckBox& CBarredondar;
  forms::Label& Label5;
  forms::Edit& Eextra;
  forms::Button& Button5;
  forms::Label& Label6;
  numeric_field::TNEdit& NEcm;
  forms::Label& Label7;
  numeric_field::TNEdit& NEdc;
  forms::Bevel& Bevel2;
  forms::Label& Label8;
  numeric_field::TNEdit& NEdit1;
  forms::Label& Label9;
  numeric_field::TNEdit& NEdit2;
  forms::Button& Button1;
  forms::Memo& Memo1;
};

}  // namespace elliptic
