// The characteristic polynomial Q(w): Chebyshev, modified Chebyshev and
// Butterworth polynomials, or one the user enters; and the Bessel
// polynomials of the Bessel approximation.  The generators work on the
// register stack and leave their result in X, marked defined.
#pragma once

#include <cstdint>
#include <string>

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

// The order of every generated polynomial: its degree must fit a record.
constexpr std::int32_t kLowestOrder = 1;
constexpr std::int32_t kHighestOrder = kMaxDegree;

// Asks the order with the given prompt, the current value as default.  An
// order outside kLowestOrder .. kHighestOrder is refused with a "* " line and
// the order is left as it was; gives whether it was taken.
bool AskOrder(frame::Console& console, const std::string& prompt, std::int32_t& order);

// The generators clean their sums with the largest coefficient spread toln.
// When a polynomial's coefficients spread wider than that, cleaning would
// take its leading coefficient, and the result would have a lower degree
// than its order: the generator then refuses with a "* " line and gives
// false; X, Y, Z and T hold what it had reached.

// T_n(w) = 2w T_(n-1) - T_(n-2), each step cleaned; afterwards Y holds
// T_(n-1) for n >= 2.  n within the orders.
bool ChebyshevPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log);
// T_n with w^2 replaced by b + (1 - b) w^2, b = cos^2((n - 1) pi / 2n): a
// double zero at w = 0 and T_n(1) at w = 1.  An odd n is refused with a "* "
// line as well.
bool ModifiedChebyshevPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log);
// B_n(s) = (2n - 1) B_(n-1) + s^2 B_(n-2), B_0 = 1, B_1 = s + 1; n within
// 0 .. kHighestOrder.
bool BesselPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log);

// Operation "Gerar polinômio característico Q(w)".
void GenerateCharacteristicPolynomial(Registers& r, Parameters& parameters, frame::Console& console);

}  // namespace workbench
