// The three drawing colours of the plot windows, set by "Iniciar".
#pragma once

#include "forms/canvas.h"

namespace workbench {

struct PlotColours {
  forms::Color white;
  forms::Color yellow;
  forms::Color grey;
};

}  // namespace workbench
