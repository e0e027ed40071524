#include "ladder/immittance_model.h"

#include "poly/algebra.h"
#include "poly/horner.h"

namespace ladder {
namespace {

// Stands in for |D|² at a zero of D, so that the quotient there is 0.
constexpr long double kZeroDenominatorSquare = 1E-12L;

base::Extended CleaningThreshold(const ImmittanceModel& model, const TPolynomial& p) {
  return poly::LargestMagnitude(p.coefficients()) * model.tolerance;
}

}  // namespace

void EvaluateImmittance(ImmittanceModel& model) {
  const poly::Complex d = poly::Evaluate(model.current.D.coefficients(), model.point);
  const poly::Complex n = poly::Evaluate(model.current.N.coefficients(), model.point);
  base::Extended m = d.re * d.re + d.im * d.im;
  if (m == 0) m = kZeroDenominatorSquare;
  model.value = {(n.re * d.re + n.im * d.im) / m, (n.im * d.re - n.re * d.im) / m};
}

void CleanPolynomial(ImmittanceModel& model, TPolynomial& p) {
  const TPolynomial before = model.review ? p : TPolynomial{};
  p.degree = poly::Clean(p.coefficients(), CleaningThreshold(model, p));
  if (model.review) model.review->Review(before, p);
  if (p.degree == -1) model.complete = true;
}

std::vector<std::int32_t> CoefficientsCleanedAway(const ImmittanceModel& model, const TPolynomial& p) {
  const base::Extended threshold = CleaningThreshold(model, p);
  std::vector<std::int32_t> cleaned;
  for (std::int32_t i = 0; i <= p.degree; ++i) {
    const base::Extended a = p.a[static_cast<std::size_t>(i)];
    if (a != 0 && base::Abs(a) < threshold) cleaned.push_back(i);
  }
  return cleaned;
}

void NormalizeImmittance(ImmittanceModel& model) {
  Immittance& f = model.current;
  CleanPolynomial(model, f.N);
  CleanPolynomial(model, f.D);
  if (model.complete) return;
  f.K = f.K * f.N.a[f.N.degree] / f.D.a[f.D.degree];
  poly::MakeMonic(f.N.coefficients());
  poly::MakeMonic(f.D.coefficients());
}

void SaveOriginal(ImmittanceModel& model) { model.kept = model.current; }

void RestoreOriginal(ImmittanceModel& model) { model.current = model.kept; }

}  // namespace ladder
