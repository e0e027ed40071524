#include "workbench/stack_algebra.h"

#include <array>
#include <span>

#include "poly/algebra.h"

namespace workbench {
namespace {

// Below this magnitude a real or imaginary part counts as zero for the
// phase angle, so that a point near the imaginary axis gives +-pi/2 instead
// of an arctangent of a huge quotient.
const base::Extended kPhaseZero = 1E-9L;

void Pop(Registers& r) {
  r.Y = r.Z;
  r.Z = r.T;
}

// a(0) .. a(n) of the record, empty when it vanished.
std::span<base::Extended> Coefficients(TPolynomialRecord& p) {
  return std::span(p.a).first(static_cast<std::size_t>(p.degree + 1));
}

}  // namespace

bool CheckDefined(const TPolynomialRecord& x, frame::Log& log) {
  if (x.defined) return false;
  log.ShowLine("* Polinômio ainda indefinido *");
  return true;
}

void CleanPolynomial(TPolynomialRecord& x, base::Extended toln) {
  if (x.degree < 0) return;
  x.degree = poly::Clean(Coefficients(x), poly::LargestMagnitude(Coefficients(x)) / toln);
}

void Normalize(TPolynomialRecord& x, base::Extended toln) {
  CleanPolynomial(x, toln);
  if (x.degree < 0 || x.a[static_cast<std::size_t>(x.degree)] == 1) return;
  x.constant = x.constant * x.a[static_cast<std::size_t>(x.degree)];
  poly::MakeMonic(Coefficients(x));
}

void Push(Registers& r) {
  r.T = r.Z;
  r.Z = r.Y;
  r.Y = r.X;
}

void AddPop(Registers& r, base::Extended toln) {
  // Both records hold kMaxDegree: the sum always fits.
  r.X.degree = *poly::AddScaled(r.X.a, r.X.degree, r.X.constant, Coefficients(r.Y), r.Y.constant);
  r.X.constant = 1;
  CleanPolynomial(r.X, toln);
  Pop(r);
}

void NegateConstant(TPolynomialRecord& x) { x.constant = -x.constant; }

void SubtractPop(Registers& r, base::Extended toln) {
  NegateConstant(r.X);
  AddPop(r, toln);
}

bool MultiplyPop(Registers& r, frame::Log& log) {
  // The product is built from a copy, so that X can take it.
  const TPolynomialRecord x = r.X;
  const poly::FittedDegree degree = poly::Multiply(CoefficientsOf(x), CoefficientsOf(r.Y), r.X.a);
  if (!degree) {
    log.ShowLine(kBeyondMaxDegreeMessage);
    return false;
  }
  // Either operand vanished: the product is the vanished polynomial too, not
  // a zero polynomial of the summed degree.
  r.X.degree = *degree;
  r.X.constant = x.constant * r.Y.constant;
  Pop(r);
  return true;
}

bool MultiplyByS(TPolynomialRecord& x, frame::Log& log) {
  const poly::FittedDegree degree = poly::MultiplyByS(x.a, x.degree);
  if (!degree) {
    log.ShowLine(kBeyondMaxDegreeMessage);
    return false;
  }
  x.degree = *degree;
  return true;
}

void ScaleConstant(TPolynomialRecord& x, base::Extended k) { x.constant = x.constant * k; }

void ParaconjugateSquare(TPolynomialRecord& x, const TPolynomialRecord& p) {
  // A copy, so that p may be x itself.
  const TPolynomialRecord q = p;
  x.degree = q.degree;
  x.constant = q.constant * q.constant;
  poly::ParaconjugateSquare(CoefficientsOf(q), x.a);
}

void PolynomialFromRoots(Registers& r, base::Extended c, base::Extended tolm, frame::Log& log) {
  const int n = r.X.degree;
  if (n < 0) {
    log.ShowLine(kNegativeDegreeMessage);
    return;
  }
  if (n > kMaxDegree) {
    log.ShowLine(kBeyondMaxDegreeMessage);
    return;
  }
  // Built aside and stored only when complete: an overflow of the product
  // leaves X and Y as they were.
  TPolynomialRecord x = r.X;
  TPolynomialRecord y = r.Y;
  x.constant = c;
  y.constant = c;
  y.degree = n;
  const std::size_t count = static_cast<std::size_t>(n);
  const auto re = std::span(r.roots.re).subspan(1, count);
  const auto im = std::span(r.roots.im).subspan(1, count);
  // Y keeps the plain product's imaginary residue: conjugate pairs leave only
  // rounding there, more than that means a root without its conjugate.  X
  // takes the coefficients of the roots as they stand, which the plain
  // product misses by more than the roots' own error at high orders.
  std::array<base::Extended, kMaxDegree + 1> plain{};
  poly::ProductFromRoots(re, im, plain, y.a);
  std::array<base::Extended, kMaxDegree + 1> residue{};
  poly::ProductFromRootsCompensated(re, im, x.a, residue);
  if (poly::LargestMagnitude(Coefficients(y)) > tolm)
    log.ShowLine("* Montagem inexata de polinômio: examine resto imaginário em Y *");
  x.defined = true;
  y.defined = true;
  r.X = x;
  r.Y = y;
}

base::Extended PhaseAngle(base::Extended re, base::Extended im) {
  const base::Extended half_pi = base::Pi() / 2;
  if (base::Abs(re) < kPhaseZero) {
    if (base::Abs(im) < kPhaseZero) return 0;
    return im > 0 ? half_pi : -half_pi;
  }
  const base::Extended a = base::ArcTan(im / re);
  if (re >= 0) return a;
  return im > 0 ? a + base::Pi() : a - base::Pi();
}

void WToS(TPolynomialRecord& p) {
  poly::WToS(Coefficients(p));
  p.constant = base::Abs(p.constant);
}

base::Extended Power(base::Extended x, base::Extended y) { return base::Exp(y * base::Ln(x)); }

}  // namespace workbench
