// Log lines of the immittance state: its kind, its coefficients, its root
// tables.
#pragma once

#include "frame/console.h"
#include "ladder/immittance_model.h"

namespace ladder {

// "a(i):" and the value, one line per coefficient; nothing when vanished.
void ListCoefficients(const TPolynomial& p, frame::Console& console);

// The letter, the number, ":" and the root, one line per root.
void ListRoots(char letter, const RootTable& table, frame::Console& console);

// "Impedância: " or "Admitância: ".
void ShowImmittanceKind(const Immittance& f, frame::Console& console);

// "Listar imitância": the kind, both polynomials and K.
void ListImmittance(const Immittance& f, frame::Console& console);

}  // namespace ladder
