// The console listings of X and of the root list, each with the offer to
// save it as a file, and the sorting of the root list.
#pragma once

#include <string>

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

// The number format of the parameters: cut on the console, whole in files.
// The subject names what the save offer saves ("Polinômio F(s)").
void ListPolynomial(const TPolynomialRecord& x, const Parameters& parameters, frame::Console& console, bool offer,
                    const std::string& subject);
void ListRoots(const Registers& r, const Parameters& parameters, frame::Console& console, const std::string& subject);
// Ascending real parts; equal real parts keep their order.
void SortRoots(Registers& r);

// Operations "Listar/salvar polinômio" and "Listar/salvar últimas raizes
// calculadas".
void ListPolynomialOperation(Registers& r, const Parameters& parameters, frame::Console& console);
void ListRootsOperation(const Registers& r, const Parameters& parameters, frame::Console& console);

}  // namespace workbench
