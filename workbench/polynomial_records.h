// Small polynomials that the approximations and transformations start from,
// built as whole records: defined, constant 1 unless given.
#pragma once

#include <initializer_list>

#include "base/extended.h"
#include "workbench/registers.h"

namespace workbench {

// a(0), a(1), .. in ascending powers; at most kMaxDegree + 1 of them.
TPolynomialRecord RecordOf(std::initializer_list<base::Extended> ascending, base::Extended constant = 1);
// s^n (w^n for Q), n within 0 .. kMaxDegree.
TPolynomialRecord Monomial(int n);
// a(degree - i) in place of a(i), i = 0 .. degree, with p's constant and
// flag; degree within -1 .. kMaxDegree.
TPolynomialRecord Reversed(const TPolynomialRecord& p, int degree);

}  // namespace workbench
