// The console listings of X and of the root list, each with the offer to
// save it as a file, and the sorting of the root list.
#pragma once

namespace workbench {

class Vessaw;
struct Registers;

void ListPolynomial(Vessaw& v, bool offer);
void ListRoots(Vessaw& v);
// Ascending real parts; equal real parts keep their order.
void SortRoots(Registers& r);

// Operations "Listar/salvar polinômio" and "Listar/salvar últimas raizes
// calculadas".
void ListPolynomialOperation(Vessaw& v);
void ListRootsOperation(Vessaw& v);

}  // namespace workbench
