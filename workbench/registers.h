// The workbench's working memory: eight polynomial slots of one record type
// and the list of the last roots computed or entered.
//
// X is the accumulator of a stack X, Y, Z, T; Q holds the characteristic
// polynomial Q(w); F, P and E the polynomials of K(s) = F(s)/P(s) and
// H(s) = E(s)/P(s).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "base/extended.h"

namespace workbench {

// Largest degree a polynomial slot holds, and longest root list.
constexpr int kMaxDegree = 200;

// The one refusal of every operation, entry or file that would take a
// polynomial or a root list beyond kMaxDegree; what it refused stays as it
// was.
constexpr const char* kBeyondMaxDegreeMessage = "* Grau maior que 200 *";
// The same for a count of roots or a degree below zero where one is needed.
constexpr const char* kNegativeDegreeMessage = "* Grau negativo *";

struct TPolynomialRecord {
  // a[i] multiplies s^i (w^i for Q).  Entries above the degree are not kept
  // at zero: an operation that widens a polynomial zeroes what it takes.
  std::array<base::Extended, kMaxDegree + 1> a{};
  // -1: the polynomial vanished, no coefficient is valid.
  std::int32_t degree = 0;
  // The polynomial is constant * sum a[i] s^i.
  base::Extended constant = 1;
  bool defined = false;
};

// a(0) .. a(n) of the record, empty when it vanished.
inline std::span<const base::Extended> CoefficientsOf(const TPolynomialRecord& p) {
  return std::span(p.a).first(static_cast<std::size_t>(p.degree + 1));
}

// Real and imaginary parts of up to 200 roots, numbered from 1; its count is
// always the current degree of X.
struct TRootList {
  std::array<base::Extended, kMaxDegree + 1> re{};  // re[0] unused
  std::array<base::Extended, kMaxDegree + 1> im{};  // im[0] unused
};

struct Registers {
  TPolynomialRecord X, Y, Z, T;
  TPolynomialRecord Q, F, P, E;
  TRootList roots;
  // Set once roots were computed or entered; cleared by "Iniciar" and by
  // the generation of Q(w).
  bool roots_defined = false;
};

}  // namespace workbench
