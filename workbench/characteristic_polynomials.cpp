#include "workbench/characteristic_polynomials.h"

#include "workbench/polynomial_entry.h"
#include "workbench/polynomial_records.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

std::string OrderRangeMessage() {
  return "* A ordem deve estar entre " + frame::IntToText(kLowestOrder) + " e " + frame::IntToText(kHighestOrder) +
         " *";
}

// Q(w) = w^n.
void ButterworthPolynomial(Registers& r, std::int32_t n) { r.X = Monomial(n); }

// Whether X kept the degree n of the polynomial generated in it.
bool KeptOrder(const Registers& r, std::int32_t n, frame::Log& log) {
  if (r.X.degree == n) return true;
  log.ShowLine("* Dispersão máxima insuficiente para a ordem " + frame::IntToText(n) + " *");
  return false;
}

}  // namespace

bool AskOrder(frame::Console& console, const std::string& prompt, std::int32_t& order) {
  std::int32_t typed = order;
  console.AskInteger(prompt, typed);
  if (typed < kLowestOrder || typed > kHighestOrder) {
    console.ShowLine(OrderRangeMessage());
    return false;
  }
  order = typed;
  return true;
}

// Within the orders no step grows X beyond a record, so the stack operations
// never refuse here.
bool ChebyshevPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log) {
  r.X = RecordOf({1});
  if (n >= 1) {
    Push(r);
    MultiplyByS(r.X, log);
  }
  for (std::int32_t k = 2; k <= n; ++k) {
    // X = T_(k-1), Y = T_(k-2)
    Push(r);
    ScaleConstant(r.X, 2);
    MultiplyByS(r.X, log);
    Push(r);
    r.X = r.T;
    SubtractPop(r, toln);
  }
  r.X.defined = true;
  return KeptOrder(r, n, log);
}

bool ModifiedChebyshevPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log) {
  if (n % 2 != 0) {
    log.ShowLine("* O grau deve ser par *");
    return false;
  }
  if (!ChebyshevPolynomial(r, n, toln, log)) return false;
  const base::Extended c = base::Cos(base::Extended(n - 1) * base::Pi() / base::Extended(2 * n));
  const base::Extended b = c * c;
  r.Y = RecordOf({b, 0, 1 - b});
  Push(r);
  // Horner in u = b + (1 - b) w^2 over the even coefficients of T_n, which Y
  // holds after every product.
  r.X = RecordOf({r.Y.a[static_cast<std::size_t>(n)]});
  for (std::int32_t k = n - 2; k >= 0; k -= 2) {
    Push(r);
    r.X = r.T;
    MultiplyPop(r, log);
    r.X.a[0] += r.Y.a[static_cast<std::size_t>(k)];
  }
  r.X.defined = true;
  return true;
}

bool BesselPolynomial(Registers& r, std::int32_t n, base::Extended toln, frame::Log& log) {
  r.X = RecordOf({1, 1});
  r.Y = RecordOf({1});
  if (n == 0) r.X = RecordOf({1});
  for (std::int32_t k = 2; k <= n; ++k) {
    // X = B_(k-1), Y = B_(k-2)
    Push(r);
    r.X = r.Z;
    MultiplyByS(r.X, log);
    MultiplyByS(r.X, log);
    Push(r);
    r.X = r.Z;
    ScaleConstant(r.X, base::Extended(2 * k - 1));
    AddPop(r, toln);
  }
  r.X.defined = true;
  return KeptOrder(r, n, log);
}

void GenerateCharacteristicPolynomial(Registers& r, Parameters& parameters, frame::Console& console) {
  console.ShowLine("Polinômio característico da aproximação:");
  const char choice = console.AskChoice("Escolha o tipo de polinômio característico Q(w):",
                                        "[C]hebyshev,Chebyshev [M]odificado,[B]utterworth,[O]utro polinômio,[#]");
  if (choice == '#') return;
  if (choice != 'O' && !AskOrder(console, "Ordem da aproximação", parameters.order)) return;
  const std::int32_t n = parameters.order;
  switch (choice) {
    case 'C':
      console.ShowLine("Q(w)=Chebyshev " + frame::IntToText(n));
      if (!ChebyshevPolynomial(r, n, parameters.toln, console.log())) return;
      break;
    case 'M':
      console.ShowLine("Q(w)=Chebyshev modificado " + frame::IntToText(n));
      if (!ModifiedChebyshevPolynomial(r, n, parameters.toln, console.log())) return;
      break;
    case 'B':
      ButterworthPolynomial(r, n);
      console.ShowLine("Q(w)=w^" + frame::IntToText(n) + " para aprox. de Butterworth.");
      break;
    default:
      console.ShowLine("Obs: Só faz sentido Q(w) puramente par ou ímpar.");
      EnterPolynomial(r, parameters, console, "Q(w)");
      break;
  }
  r.Q = r.X;
  r.F.defined = false;
  r.P.defined = false;
  r.E.defined = false;
  r.roots_defined = false;
}

}  // namespace workbench
