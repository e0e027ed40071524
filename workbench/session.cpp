// "Iniciar": the start of a session of the workbench.
#include "forms/canvas.h"
#include "frame/operations_form.h"
#include "workbench/vessaw.h"

namespace workbench {
namespace {

constexpr const char* kVersionLine = "Versão 2.7a de 26/4/2019";

}  // namespace

void Vessaw::StartSession() {
  plot_colours_ = PlotColours{forms::kWhite, forms::kYellow, forms::kGrey};
  parameters_ = DefaultParameters();
  // Undefined, not erased: the hidden stack levels Z and T keep their flags.
  registers_.roots_defined = false;
  for (TPolynomialRecord* slot :
       {&registers_.E, &registers_.F, &registers_.P, &registers_.Q, &registers_.X, &registers_.Y})
    slot->defined = false;
  console_.ShowLine(kVersionLine);
  console_windows().operations->Show();
}

}  // namespace workbench
