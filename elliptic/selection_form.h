// Form2, the window that lists the pole and zero files to plot and holds the
// settings of the plot.  "Gráficos" on the main window shows it; closing it
// only hides it.  The plot window reads the settings at every repaint, and
// its keys and mouse write new ranges and options back into them.
#pragma once

#include <cstdint>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/memo.h"
#include "forms/radio_group.h"
#include "numeric_field/nedit.h"

namespace elliptic {

class SelectionForm : public forms::Form {
 public:
  explicit SelectionForm(forms::Application& app);

  // The file list: a file of poles, then its file of zeros, pair after
  // pair; lines beginning with "*" are comments.
  forms::Memo& Memo1;
  forms::Button& Button1;  // "Procurar polos (*e.r*)"
  forms::Button& Button2;  // "Limpar"
  forms::Button& Button3;  // "Plotar"
  forms::FileDialog& OpenDialog1;
  forms::Label& Label1;
  numeric_field::TNEdit& twmin;
  forms::Label& Label2;
  numeric_field::TNEdit& twmax;
  forms::Label& Label3;
  numeric_field::TNEdit& tgmin;
  forms::Label& Label4;
  numeric_field::TNEdit& tgmax;
  forms::Label& Label5;
  numeric_field::TNEdit& tfmin;
  forms::Label& Label6;
  numeric_field::TNEdit& tfmax;
  forms::Label& Label7;
  numeric_field::TNEdit& tamin;
  forms::Label& Label8;
  numeric_field::TNEdit& tamax;
  forms::Label& Label9;
  numeric_field::TNEdit& tsegmentos;
  forms::RadioGroup& slog;   // "log", "linear"
  forms::RadioGroup& srads;  // "rad/s", "Hz"
  forms::CheckBox& splotarg;
  forms::CheckBox& splotarf;
  forms::CheckBox& splotara;
  forms::CheckBox& CBlim;
  forms::CheckBox& CBlistar;
};

// Keeps the integer of `field` within lo .. hi: a value beyond is set to the
// nearer limit through the field's setter, so that the field shows it.
void ClampInt(numeric_field::TNEdit& field, std::int32_t lo, std::int32_t hi);

}  // namespace elliptic
