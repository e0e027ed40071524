// The user's choice of a polynomial slot, and the storing back into it.
#pragma once

#include <string>

#include "frame/console.h"
#include "workbench/registers.h"

namespace workbench {

// Ask for a slot (Q, F, P, E, X or Y) and copy it into X; the letter stays
// in the console's choice letter for StorePolynomial.
void SelectPolynomial(Registers& r, frame::Console& console);
// Copy X back into the slot that the choice letter names (X: nothing).
void StorePolynomial(Registers& r, const frame::Console& console);
// The name of the polynomial that a choice letter names, as the user reads
// it: "F(s)", "Q(w)", "X(s)"; empty for another letter.
std::string PolynomialName(char letter);

}  // namespace workbench
