// The entry of X from a polynomial file, a roots file or the keyboard.
#pragma once

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

class Vessaw;

void EnterPolynomial(Registers& r, const Parameters& parameters, frame::Console& console);
// Operation "Ler/editar polinômio".
void ReadEditPolynomialOperation(Vessaw& v);

}  // namespace workbench
