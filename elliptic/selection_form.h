// Form2, the window that lists the pole and zero files to plot and holds the
// settings of the plot.  "Gráficos" on the main window shows it; closing it
// only hides it.  The plot window reads the settings at every repaint, and
// its keys and mouse write new ranges and options back into them.  Members
// are named by role; each control keeps its object name.
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
  forms::Memo& files;               // Memo1
  forms::Button& browse_button;     // Button1, "Procurar polos (*e.r*)"
  forms::Button& clear_button;      // Button2, "Limpar"
  forms::Button& plot_button;       // Button3, "Plotar"
  forms::FileDialog& poles_dialog;  // OpenDialog1
  forms::Label& twmin_label;
  numeric_field::TNEdit& twmin;
  forms::Label& twmax_label;
  numeric_field::TNEdit& twmax;
  forms::Label& tgmin_label;
  numeric_field::TNEdit& tgmin;
  forms::Label& tgmax_label;
  numeric_field::TNEdit& tgmax;
  forms::Label& tfmin_label;
  numeric_field::TNEdit& tfmin;
  forms::Label& tfmax_label;
  numeric_field::TNEdit& tfmax;
  forms::Label& tamin_label;
  numeric_field::TNEdit& tamin;
  forms::Label& tamax_label;
  numeric_field::TNEdit& tamax;
  forms::Label& segments_label;
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
