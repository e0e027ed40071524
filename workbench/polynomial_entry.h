// The entry of X from a polynomial file, a roots file or the keyboard.
#pragma once

#include <string>

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

// name: of the polynomial entered ("F(s)"), for the titles of its file
// dialogs.
void EnterPolynomial(Registers& r, const Parameters& parameters, frame::Console& console, const std::string& name);
// Operation "Ler/editar polinômio".
void ReadEditPolynomialOperation(Registers& r, const Parameters& parameters, frame::Console& console);

}  // namespace workbench
