// The workbench's root finder: all roots of X into the root list, with the
// dialog "Parâmetros para raízes" when an iteration does not converge.
#pragma once

#include <functional>

#include "frame/console.h"
#include "poly/root_search.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

// The dialog "Parâmetros para raízes": it shows the search's tolerances and
// current point, and the user may change them before the search goes on.
using RescueDialog = std::function<void(poly::RootRescue& state)>;

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
RootRun FindRoots(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog,
                  Rescue rescue = Rescue::kUser);
// Operation "Raízes de polinômio".
void PolynomialRootsOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                              const RescueDialog& dialog);

}  // namespace workbench
