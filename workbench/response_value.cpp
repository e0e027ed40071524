#include "workbench/response_value.h"

#include "poly/complex.h"

namespace workbench {

using base::Extended;

namespace {

// Stands for a zero that a logarithm, a quotient or an angle would meet.
constexpr long double kTiny = 1e-20L;
// 20 / ln 10 to ten digits: 20·log10 |q| = kDecibels · ln |q|².
constexpr long double kDecibels = 4.342944818L;
constexpr long double kHalfTurnDegrees = 180;

// p(jw), from the leading coefficient down: (re, im) := (a(i) − w·im, w·re).
poly::Complex AtJw(std::span<const Extended> a, Extended w) {
  poly::Complex v{0, 0};
  for (auto i = a.rbegin(); i != a.rend(); ++i) v = {*i - w * v.im, w * v.re};
  return v;
}

// k·N/D, dividing by whichever form keeps the intermediate values in range:
// by |D|² when a part of D is zero, else through the two part ratios.
poly::Complex Quotient(poly::Complex n, poly::Complex d, Extended k) {
  const Extended a = n.re, b = n.im, c = d.re, e = d.im;
  if (c == 0 || e == 0) {
    Extended m = c * c + e * e;
    if (m == 0) m = kTiny;
    return {k * (a * c + b * e) / m, k * (b * c - a * e) / m};
  }
  const Extended m = c / e + e / c;
  return {k * (a / e + b / c) / m, k * (b / e - a / c) / m};
}

}  // namespace

Extended ResponseValue(ResponseKind kind, std::span<const Extended> numerator, std::span<const Extended> denominator,
                       Extended k, Extended w) {
  poly::Complex q = Quotient(AtJw(numerator, w), AtJw(denominator, w), k);
  if (q.re == 0) q.re = kTiny;
  if (q.im == 0) q.im = kTiny;
  switch (kind) {
    case ResponseKind::PhaseT: {
      Extended y = base::ArcTan(q.im / q.re) * (Extended(kHalfTurnDegrees) / base::Pi());
      if (q.re < 0) y = q.im > 0 ? y + Extended(kHalfTurnDegrees) : y - Extended(kHalfTurnDegrees);
      return y;
    }
    case ResponseKind::DelayT: return q.re;
    default: {
      Extended m = q.re * q.re + q.im * q.im;
      if (m == 0) m = kTiny;
      return Extended(kDecibels) * base::Ln(m);
    }
  }
}

}  // namespace workbench
