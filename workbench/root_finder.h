// The workbench's root finder: all roots of X into the root list, with the
// dialog "Parâmetros para raízes" when an iteration does not converge.
#pragma once

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"
#include "workbench/root_rescue_form.h"

namespace workbench {

class Vessaw;

// Who answers after 50 steps without convergence.
enum class Rescue {
  kUser,  // the dialog
  // the search itself first (a point where X is only rounding is the root,
  // a wandering one starts again), for a caller that polishes the roots on
  // better data; the dialog after 20 fresh starts of one root
  kSearchFirst,
};

struct RootRun {
  // The user raised a tolerance in the dialog above its parameter.
  bool loosened = false;
};

// Fills the root list from X and sets the roots-defined flag when it
// completes.  The dialog changes the run's own tolerances only.
RootRun FindRoots(Registers& r, const Parameters& parameters, frame::Console& console, RootRescueForm& rescue_form,
                  Rescue rescue = Rescue::kUser);
// Operation "Raízes de polinômio".
void PolynomialRootsOperation(Vessaw& v);

}  // namespace workbench
