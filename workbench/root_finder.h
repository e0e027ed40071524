// All roots of X by Newton-Raphson iteration in complex arithmetic, with
// deflation and multiple-root detection through the derivative.
#pragma once

namespace workbench {

class Vessaw;

// Fills the root list from X and sets the roots-defined flag when it
// completes.
void FindRoots(Vessaw& v);
// Operation "Raízes de polinômio".
void PolynomialRootsOperation(Vessaw& v);

}  // namespace workbench
