#include "workbench/stack_algebra.h"

#include <algorithm>

#include "workbench/vessaw.h"

namespace workbench {
namespace {

// Below this magnitude a real or imaginary part counts as zero for the
// phase angle, so that a point near the imaginary axis gives +-pi/2 instead
// of an arctangent of a huge quotient.
const base::Extended kPhaseZero = 1E-9L;

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

void Pop(Registers& r) {
  r.Y = r.Z;
  r.Z = r.T;
}

base::Extended LargestMagnitude(const TPolynomialRecord& p) {
  base::Extended m = 0;
  for (int i = 0; i <= p.degree; ++i) m = std::max(m, base::Abs(p.a[Index(i)]));
  return m;
}

// The product of degrees nX and nY needs positions 0 .. nX + nY.
bool ProductFits(const TPolynomialRecord& x, const TPolynomialRecord& y) {
  return x.degree + y.degree <= kMaxDegree;
}

// Either operand vanished: the product is the vanished polynomial too, not a
// zero polynomial of the summed degree (which would be -2 for two vanished
// operands).
void VanishedProduct(TPolynomialRecord& x, const TPolynomialRecord& y) {
  x.degree = -1;
  x.constant = x.constant * y.constant;
}

void FullProduct(TPolynomialRecord& x, const TPolynomialRecord& y) {
  const std::array<base::Extended, kMaxDegree + 1> copy = x.a;
  const int n = x.degree + y.degree;
  for (int k = 0; k <= n; ++k) x.a[Index(k)] = 0;
  for (int i = 0; i <= x.degree; ++i)
    for (int j = 0; j <= y.degree; ++j) x.a[Index(i + j)] += copy[Index(i)] * y.a[Index(j)];
  x.constant = x.constant * y.constant;
  x.degree = n;
}

// One step of the complex product (X + jY) * (s - r) over positions 0 .. i.
void MultiplyByRootFactor(TPolynomialRecord& x, TPolynomialRecord& y, int i, base::Extended re, base::Extended im) {
  for (int k = i; k >= 1; --k) {
    const base::Extended xk = x.a[Index(k)];
    const base::Extended yk = y.a[Index(k)];
    x.a[Index(k)] = x.a[Index(k - 1)] - re * xk + im * yk;
    y.a[Index(k)] = y.a[Index(k - 1)] - re * yk - im * xk;
  }
  const base::Extended x0 = x.a[0];
  const base::Extended y0 = y.a[0];
  x.a[0] = -re * x0 + im * y0;
  y.a[0] = -re * y0 - im * x0;
}

}  // namespace

bool CheckDefined(Vessaw& v) {
  if (v.registers().X.defined) return false;
  v.console().ShowLine("* Polinômio ainda indefinido *");
  return true;
}

void CleanPolynomial(Vessaw& v) {
  TPolynomialRecord& x = v.registers().X;
  if (x.degree < 0) return;
  const base::Extended threshold = LargestMagnitude(x) / v.parameters().toln;
  for (int i = 0; i <= x.degree; ++i)
    if (base::Abs(x.a[Index(i)]) < threshold) x.a[Index(i)] = 0;
  while (x.degree >= 0 && x.a[Index(x.degree)] == 0) --x.degree;
}

void Normalize(Vessaw& v) {
  CleanPolynomial(v);
  TPolynomialRecord& x = v.registers().X;
  if (x.degree < 0 || x.a[Index(x.degree)] == 1) return;
  const base::Extended lead = x.a[Index(x.degree)];
  x.constant = x.constant * lead;
  for (int i = 0; i <= x.degree; ++i) x.a[Index(i)] = x.a[Index(i)] / lead;
}

void Push(Vessaw& v) {
  Registers& r = v.registers();
  r.T = r.Z;
  r.Z = r.Y;
  r.Y = r.X;
}

void AddPop(Vessaw& v) {
  Registers& r = v.registers();
  TPolynomialRecord& x = r.X;
  const TPolynomialRecord& y = r.Y;
  const int n = std::max(x.degree, y.degree);
  for (int i = x.degree + 1; i <= y.degree; ++i) x.a[Index(i)] = 0;
  for (int i = 0; i <= n; ++i) {
    const base::Extended yi = i <= y.degree ? y.a[Index(i)] : base::Extended(0);
    x.a[Index(i)] = x.constant * x.a[Index(i)] + y.constant * yi;
  }
  x.degree = n;
  x.constant = 1;
  CleanPolynomial(v);
  Pop(r);
}

void NegateConstant(Vessaw& v) {
  TPolynomialRecord& x = v.registers().X;
  x.constant = -x.constant;
}

void SubtractPop(Vessaw& v) {
  NegateConstant(v);
  AddPop(v);
}

bool MultiplyPop(Vessaw& v) {
  Registers& r = v.registers();
  if (r.X.degree < 0 || r.Y.degree < 0) {
    VanishedProduct(r.X, r.Y);
  } else {
    if (!ProductFits(r.X, r.Y)) {
      v.console().ShowLine(kBeyondMaxDegreeMessage);
      return false;
    }
    FullProduct(r.X, r.Y);
  }
  Pop(r);
  return true;
}

bool MultiplyByS(Vessaw& v) {
  TPolynomialRecord& x = v.registers().X;
  if (x.degree >= kMaxDegree) {
    v.console().ShowLine(kBeyondMaxDegreeMessage);
    return false;
  }
  for (int i = x.degree; i >= 0; --i) x.a[Index(i + 1)] = x.a[Index(i)];
  x.a[0] = 0;
  ++x.degree;
  return true;
}

void ScaleConstant(Vessaw& v, base::Extended k) {
  TPolynomialRecord& x = v.registers().X;
  x.constant = x.constant * k;
}

void ParaconjugateSquare(Vessaw& v, const TPolynomialRecord& p) {
  // A copy, so that p may be X itself.
  const TPolynomialRecord q = p;
  TPolynomialRecord& x = v.registers().X;
  const int n = q.degree;
  x.degree = n;
  x.constant = q.constant * q.constant;
  for (int k = 0; k <= n; ++k) x.a[Index(k)] = 0;
  for (int i = 0; i <= n; ++i)
    for (int j = 0; j <= n; ++j) {
      // Odd powers cancel in p(s) p(-s).
      if ((i + j) % 2 != 0) continue;
      const base::Extended term = q.a[Index(i)] * q.a[Index(j)];
      x.a[Index((i + j) / 2)] += i % 2 == 0 ? term : -term;
    }
}

void PolynomialFromRoots(Vessaw& v, base::Extended c) {
  Registers& r = v.registers();
  const int n = r.X.degree;
  if (n < 0) {
    v.console().ShowLine(kNegativeDegreeMessage);
    return;
  }
  if (n > kMaxDegree) {
    v.console().ShowLine(kBeyondMaxDegreeMessage);
    return;
  }
  TPolynomialRecord& x = r.X;
  TPolynomialRecord& y = r.Y;
  x.constant = c;
  y.constant = c;
  y.degree = n;
  for (int k = 0; k <= n; ++k) {
    x.a[Index(k)] = 0;
    y.a[Index(k)] = 0;
  }
  x.a[0] = 1;
  for (int i = 1; i <= n; ++i) MultiplyByRootFactor(x, y, i, r.roots.re[Index(i)], r.roots.im[Index(i)]);
  // Conjugate pairs leave only rounding in Y; more than that means a root
  // without its conjugate.
  if (LargestMagnitude(y) > v.parameters().tolm)
    v.console().ShowLine("* Montagem inexata de polinômio: examine resto imaginário em Y *");
  x.defined = true;
  y.defined = true;
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
  // w = s/j turns w^i into s^i times 1, -j, -1, j for i mod 4 = 0, 1, 2, 3;
  // the common factor -j of an odd polynomial is dropped.
  for (int i = 0; i <= p.degree; ++i)
    if (i % 4 == 1 || i % 4 == 2) p.a[Index(i)] = -p.a[Index(i)];
  if (p.degree >= 0 && p.a[Index(p.degree)] < 0)
    for (int i = 0; i <= p.degree; ++i) p.a[Index(i)] = -p.a[Index(i)];
  p.constant = base::Abs(p.constant);
}

base::Extended Power(base::Extended x, base::Extended y) { return base::Exp(y * base::Ln(x)); }

}  // namespace workbench
