// The immittances that a passive synthesis needs from E, F and P: the port
// immittances of a doubly terminated LC ladder, the immittance of a singly
// terminated one, and the branch impedances of a symmetric LC lattice.  Each
// numerator and denominator is listed with the offer to save it as a
// polynomial file.
#pragma once

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"
#include "workbench/root_finder.h"

namespace workbench {

// One of z11/rg, z22/rl, y11*rg, y22*rl, Z1/rg, Z2/rl from E and F, chosen by
// the user, and the ratio of the terminations.
void DoublyTerminatedImmittance(Registers& r, const Parameters& parameters, frame::Console& console);
// z11/rg = y22*rl, the parts of E of the parity of P and of the other one.
void SinglyTerminatedImmittance(Registers& r, const Parameters& parameters, frame::Console& console);
// F + P = h(s)a(s), h with the roots in the left half plane: Za/r = -ao/ae
// and Zb/r from the parts of h.
void LatticeImpedances(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog);

// Operation "Gerar imitâncias para síntese de rede passiva".
void ImmittancesOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                          const RescueDialog& dialog);

}  // namespace workbench
