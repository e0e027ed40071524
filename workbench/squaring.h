// "Elevar polinômio ao quadrado".
#pragma once

namespace workbench {

class Vessaw;

void SquarePolynomial(Vessaw& v);

}  // namespace workbench
