#include "workbench/frequency_response.h"

#include "workbench/response_plot.h"
#include "workbench/stack_algebra.h"

namespace workbench {

using base::Extended;

namespace {

// Every plot starts on 0.1 .. 10 rad/s.
constexpr long double kXmin = 0.1L;
constexpr long double kXmax = 10;

// None of the coefficients of one parity above tol.
bool EvenOrOdd(const TPolynomialRecord& p, Extended tol) {
  bool even = true, odd = true;
  for (std::int32_t i = 0; i <= p.degree; ++i)
    if (base::Abs(p.a[i]) > tol) (i % 2 == 1 ? even : odd) = false;
  return even || odd;
}

// x := x'; a constant's derivative stays of degree 0, a vanished polynomial
// stays vanished.
void Differentiate(TPolynomialRecord& x) {
  if (x.degree < 0) return;
  if (x.degree == 0) {
    x.a[0] = 0;
    return;
  }
  for (std::int32_t i = 1; i <= x.degree; ++i) x.a[i - 1] = Extended(i) * x.a[i];
  --x.degree;
}

}  // namespace

bool GroupDelayPolynomials(Registers& r, Extended tolr, Extended toln, frame::Log& log) {
  if (EvenOrOdd(r.P, tolr)) {
    r.X = r.E;
  } else {
    r.X = r.P;
    for (std::int32_t i = 1; i <= r.X.degree; i += 2) r.X.a[i] = -r.X.a[i];
    r.Y = r.E;
    if (!MultiplyPop(r, log)) return false;
    CleanPolynomial(r.X, toln);
    // a product with an undefined factor is not a function to plot
    r.X.defined = r.P.defined && r.E.defined;
  }
  r.Y = r.X;
  Differentiate(r.X);
  return true;
}

void FrequencyResponseOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                                ResponsePlot& plot) {
  // The functions that divide two of the named polynomials, with the value
  // range each starts with.
  struct Quotient {
    char letter;
    TPolynomialRecord Registers::*numerator;
    TPolynomialRecord Registers::*denominator;
    ResponseKind kind;
    long double ymin, ymax;
  };
  static constexpr Quotient kQuotients[] = {
      {'K', &Registers::F, &Registers::P, ResponseKind::MagnitudeK, -10, 70},
      {'H', &Registers::E, &Registers::P, ResponseKind::MagnitudeH, -10, 70},
      {'T', &Registers::P, &Registers::E, ResponseKind::MagnitudeT, -70, 10},
      {'F', &Registers::P, &Registers::E, ResponseKind::PhaseT, -180, 180},
  };
  console.ShowLine("Gráfico de resposta em frequência:");
  const char letter = console.AskChoice("Escolha o tipo de gráfico:",
                                        "|[K](jw)|,|[H](jw)|,|[T](jw)|,[F]ase(jw),[A]traso de grupo (jw)");
  for (const Quotient& q : kQuotients)
    if (q.letter == letter) return plot.Show(r.*q.numerator, r.*q.denominator, q.kind, kXmin, kXmax, q.ymin, q.ymax);
  if (letter == 'A' && GroupDelayPolynomials(r, parameters.tolr, parameters.toln, console.log()))
    plot.Show(r.X, r.Y, ResponseKind::DelayT, kXmin, kXmax, 0, 40);
}

}  // namespace workbench
