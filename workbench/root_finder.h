// The workbench's root finder: all roots of X into the root list, with the
// dialog "Parâmetros para raízes" when an iteration does not converge.
#pragma once

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"
#include "workbench/root_rescue_form.h"

namespace workbench {

class Vessaw;

// Fills the root list from X and sets the roots-defined flag when it
// completes.  The dialog changes the run's own tolerances only.
void FindRoots(Registers& r, const Parameters& parameters, frame::Console& console, RootRescueForm& rescue_form);
// Operation "Raízes de polinômio".
void PolynomialRootsOperation(Vessaw& v);

}  // namespace workbench
