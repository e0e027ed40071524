// The user's choice of a polynomial slot, and the storing back into it.
#pragma once

namespace workbench {

class Vessaw;

// Ask for a slot (Q, F, P, E, X or Y) and copy it into X; the letter stays
// in the console's choice letter for StorePolynomial.
void SelectPolynomial(Vessaw& v);
// Copy X back into the slot that the choice letter names (X: nothing).
void StorePolynomial(Vessaw& v);

}  // namespace workbench
