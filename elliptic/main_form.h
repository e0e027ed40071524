// Form1, the designer's main window: the requirement, the order options,
// the print format, the inputs of the check of the special functions, one
// button per design, the button of the plots, and the log.  The one window
// of the suite laid out in pixels, with its own tab order.  Members are named
// by role; each control keeps its object name, by which scripts address it.
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

  forms::Label& amax_label;
  numeric_field::TNEdit& NEamax;
  forms::Label& amin_label;
  numeric_field::TNEdit& NEamin;
  forms::Label& wp_label;
  numeric_field::TNEdit& NEwp;
  forms::Label& ws_label;
  numeric_field::TNEdit& NEws;
  forms::Button& elliptic_button;           // Calcular, "Filtro elíptico"
  forms::Bevel& classical_bevel;            // Bevel1, around the three buttons below
  forms::Button& butterworth_button;        // Button2
  forms::Button& chebyshev_button;          // Button3
  forms::Button& inverse_chebyshev_button;  // Button4
  forms::CheckBox& CBforcar;
  numeric_field::TNEdit& NEordem;
  forms::CheckBox& CBarredondar;
  forms::Label& suffix_label;
  forms::Edit& Eextra;
  forms::Button& plots_button;  // Button5, "Gráficos"
  forms::Label& width_label;
  numeric_field::TNEdit& NEcm;
  forms::Label& decimals_label;
  numeric_field::TNEdit& NEdc;
  forms::Bevel& check_bevel;  // Bevel2, around the function check
  forms::Label& check_k_label;
  numeric_field::TNEdit& check_k;  // NEdit1
  forms::Label& check_x_label;
  numeric_field::TNEdit& check_x;        // NEdit2
  forms::Button& function_check_button;  // Button1, "Testar funções"
  forms::Memo& log;                      // Memo1
};

}  // namespace elliptic
