// "Elevar polinômio ao quadrado".
#pragma once

#include "frame/console.h"
#include "workbench/registers.h"

namespace workbench {

void SquarePolynomial(Registers& r, frame::Console& console);

}  // namespace workbench
