// The entry of X from a polynomial file, a roots file or the keyboard.
#pragma once

namespace workbench {

class Vessaw;

void EnterPolynomial(Vessaw& v);
// Operation "Ler/editar polinômio".
void ReadEditPolynomialOperation(Vessaw& v);

}  // namespace workbench
