// The scales dialog of a plot ("Escalas"): the four limits, the logarithmic
// axis and the request to save the plotted curve, exchanged with the plot's
// range.  The ladder program's dialog also holds the curve file's name with
// a button to choose it.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "frame/plot/plot_range.h"
#include "numeric_field/nedit.h"

namespace frame::plot {

struct ScalesSetup {
  std::string form_name{};  // "Form8"
  // The file name's edit with this initial text and the button "Escolher",
  // whose click the program handles.
  bool file_name_row = false;
  std::string initial_file_name{};
};

class ScalesForm : public forms::Form {
 public:
  ScalesForm(forms::Application& app, const ScalesSetup& setup);

  // The fields and log_scale take the range; the dialog is shown modally, and
  // however it was closed the limits and the logarithmic axis are taken
  // back.  Gives whether "Salvar curva" is ticked; the box keeps its state.
  bool Exchange(PlotRange& range);

  forms::Label& xmin_label;          // Label1
  numeric_field::TNEdit& xmin;       // NExmin
  forms::Label& xmax_label;          // Label2
  numeric_field::TNEdit& xmax;       // NExmax
  forms::Label& ymin_label;          // Label3
  numeric_field::TNEdit& ymin;       // NEymin
  forms::Label& ymax_label;          // Label4
  numeric_field::TNEdit& ymax;       // NEymax
  forms::CheckBox& log_scale;        // CBlog
  forms::CheckBox& save_curve;       // CBsalvar
  forms::Edit* const file_name;      // Esalvar, only with the file name row
  forms::Button& apply;              // Button1
  forms::Button* const choose_file;  // Button2, only with the file name row
};

}  // namespace frame::plot
