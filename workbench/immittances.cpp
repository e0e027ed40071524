#include "workbench/immittances.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "workbench/listings.h"
#include "workbench/root_finder.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

using base::Extended;

// The factors of E and F in one coefficient of a result: cE E.cte E.a(i) +
// cF F.cte F.a(i).
struct Signs {
  int e;
  int f;
};
// One item: for the coefficients whose index has the other parity than P,
// and for those of P's parity.
struct ItemSigns {
  Signs other;
  Signs same;
};

// Items 1 to 6; with P even, item 1 is (Ee - Fe)/(Eo + Fo), with P odd
// (Eo - Fo)/(Ee + Fe): one pair of tables serves both.
constexpr std::array<ItemSigns, 6> kNumerator{{
    {{0, 0}, {1, -1}},
    {{0, 0}, {1, 1}},
    {{0, 0}, {1, 1}},
    {{0, 0}, {1, -1}},
    {{1, -1}, {1, -1}},
    {{1, -1}, {1, 1}},
}};
constexpr std::array<ItemSigns, 6> kDenominator{{
    {{1, 1}, {0, 0}},
    {{1, 1}, {0, 0}},
    {{1, -1}, {0, 0}},
    {{1, -1}, {0, 0}},
    {{1, 1}, {1, 1}},
    {{1, 1}, {1, -1}},
}};

constexpr const char* kTransmissionZerosReminder =
    "Salve as raízes de P(s) (zeros de transmissão) para usar no programa Zuzevi.";

bool SameParity(int i, int j) { return (i & 1) == (j & 1); }

Extended CoefficientOf(const TPolynomialRecord& p, int i) {
  return i <= p.degree ? p.constant * p.a[static_cast<std::size_t>(i)] : Extended(0);
}

Extended Combined(Signs s, const Registers& r, int i) {
  return Extended(s.e) * CoefficientOf(r.E, i) + Extended(s.f) * CoefficientOf(r.F, i);
}

// Zeroes the coefficients of x whose index has (or has not) the parity of
// `degree`.
void KeepParity(TPolynomialRecord& x, int degree, bool keep_same) {
  for (int i = 0; i <= x.degree; ++i)
    if (SameParity(i, degree) != keep_same) x.a[static_cast<std::size_t>(i)] = 0;
}

// Lists X after the heading, made monic (normalised) or only cleaned.
void ListX(Registers& r, const Parameters& parameters, frame::Console& console, const std::string& heading,
           bool normalise) {
  console.ShowLine(heading);
  if (normalise)
    Normalize(r.X, parameters.toln);
  else
    CleanPolynomial(r.X, parameters.toln);
  // the offer is named by its heading, without the closing colon
  ListPolynomial(r.X, parameters, console, true, heading.substr(0, heading.find_last_not_of(':') + 1));
}

// The numerator in X and the denominator in Y, listed one after the other;
// X ends as the normalised denominator.
void ListNumeratorAndDenominator(Registers& r, const Parameters& parameters, frame::Console& console) {
  ListX(r, parameters, console, "Numerador da imitância:", true);
  r.X = r.Y;
  ListX(r, parameters, console, "Denominador da imitância:", true);
}

// With P(0) not zero the Feldtkeller equation at s = 0 keeps E(0) from
// +-F(0); typed polynomials that break it would make the termination ratio
// divide by zero.  Gives the refusal for the item, or none.
const char* DegenerateTermination(int item, Extended d, Extended t) {
  const bool normalised_to_rl = item % 2 == 0;
  if (normalised_to_rl && d == 0)
    return "* E(0)=F(0) com P(0)<>0 daria rl=0: E(s), F(s) e P(s) não satisfazem a equação de Feldtkeller *";
  if (!normalised_to_rl && t == 0)
    return "* E(0)=-F(0) com P(0)<>0 daria rg=0: E(s), F(s) e P(s) não satisfazem a equação de Feldtkeller *";
  return nullptr;
}

}  // namespace

void DoublyTerminatedImmittance(Registers& r, const Parameters& parameters, frame::Console& console) {
  console.ShowLine("Imitâncias de porta para rede LC duplamente terminada:");
  if (!r.F.defined || !r.E.defined) {
    console.ShowLine("* Faltando calcular F(s) e E(s) *");
    return;
  }
  const int np = r.P.degree;
  const char choice = np % 2 != 0
                          ? console.AskChoice("P(s) é ímpar. Gerar a função:",
                                              "[1] - z11/rg = (Eo-Fo)/(Ee+Fe),[2] - z22/rl = (Eo+Fo)/(Ee+Fe),"
                                              "[3] - y11*rg = (Eo+Fo)/(Ee-Fe),[4] - y22*rl = (Eo-Fo)/(Ee-Fe),"
                                              "[5] - Z1/rg  = (E-F)/(E+F),[6] - Z2/rl  = (E-Fe+Fo)/(E+Fe-Fo),[#]")
                          : console.AskChoice("P(s) é par. Gerar a função:",
                                              "[1] - z11/rg = (Ee-Fe)/(Eo+Fo),[2] - z22/rl = (Ee+Fe)/(Eo+Fo),"
                                              "[3] - y11*rg = (Ee+Fe)/(Eo-Fo),[4] - y22*rl = (Ee-Fe)/(Eo-Fo),"
                                              "[5] - Z1/rg  = (E-F)/(E+F),[6] - Z2/rl  = (E+Fe-Fo)/(E-Fe+Fo),[#]");
  if (choice < '1' || choice > '6') return;
  const int item = choice - '0';
  // no transmission zero at s = 0: the terminations follow from F(0)/E(0)
  const bool terminations = r.P.a[0] != 0;
  const Extended d = CoefficientOf(r.E, 0) - CoefficientOf(r.F, 0);
  const Extended t = CoefficientOf(r.E, 0) + CoefficientOf(r.F, 0);
  if (terminations) {
    if (const char* refusal = DegenerateTermination(item, d, t)) {
      console.ShowLine(refusal);
      return;
    }
  }
  const ItemSigns numerator = kNumerator[static_cast<std::size_t>(item - 1)];
  const ItemSigns denominator = kDenominator[static_cast<std::size_t>(item - 1)];
  for (int i = 0; i <= r.E.degree; ++i) {
    const bool same = SameParity(i, np);
    r.X.a[static_cast<std::size_t>(i)] = Combined(same ? numerator.same : numerator.other, r, i);
    r.Y.a[static_cast<std::size_t>(i)] = Combined(same ? denominator.same : denominator.other, r, i);
  }
  for (TPolynomialRecord* p : {&r.X, &r.Y}) {
    p->degree = r.E.degree;
    p->constant = 1;
    p->defined = true;
  }
  ListNumeratorAndDenominator(r, parameters, console);
  if (terminations) {
    console.ShowLine("Terminações (por: F(0)/E(0)=(rg-rl)/(rg+rl)):");
    if (item % 2 != 0)
      console.ShowLine("rl=" + console.RealToText(d / t) + " * rg");
    else
      console.ShowLine("rg=" + console.RealToText(t / d) + " * rl");
  } else {
    console.ShowLine("As terminações não puderam ser determinadas. Use a síntese pelos dois lados se necessário.");
  }
  if (np > 0) console.ShowLine(kTransmissionZerosReminder);
}

void SinglyTerminatedImmittance(Registers& r, const Parameters& parameters, frame::Console& console) {
  console.ShowLine("Imitâncias de porta para rede LC simplesmente terminada (em rg ou rl):");
  if (!r.E.defined) {
    console.ShowLine("* Faltando calcular E(s) *");
    return;
  }
  const int np = r.P.degree;
  console.ShowLine(np % 2 != 0 ? "P(s) é ímpar: z11/rg = y22*rl = Eo/Ee" : "P(s) é par: z11/rg = y22*rl = Ee/Eo");
  r.X = r.E;
  r.Y = r.E;
  KeepParity(r.X, np, true);
  KeepParity(r.Y, np, false);
  ListNumeratorAndDenominator(r, parameters, console);
  console.ShowLine(kTransmissionZerosReminder);
}

void LatticeImpedances(Registers& r, const Parameters& parameters, frame::Console& console,
                       const RescueDialog& dialog) {
  console.ShowLine("Impedâncias para rede lattice LC duplamente terminada (rg=rl=r):");
  if (!r.F.defined || !r.P.defined) {
    console.ShowLine("* Faltando calcular F(s) e P(s) *");
    return;
  }
  const int np = r.P.degree;
  console.ShowLine("Grau de F(s):" + frame::IntToText(r.F.degree) + "; Grau de P(s):" + frame::IntToText(np));
  if ((r.F.degree + np) % 2 == 0) {
    console.ShowLine("A \"lattice\" normalmente só existe se K(s)=F(s)/P(s) é puramente ímpar.");
    console.ShowLine("Tentando o cálculo mesmo assim.");
  }
  console.ShowLine("Fatorando: F(s)+P(s)=h(s)a(s).");
  r.X = r.F;
  r.Y = r.P;
  AddPop(r, parameters.toln);
  Normalize(r.X, parameters.toln);
  FindRoots(r, parameters, console, dialog);
  SortRoots(r);
  // F + P of degree 0, or vanished, has no roots: h = a = 1
  const int n = std::max(r.X.degree, 0);
  int m = 0;
  while (m < n && r.roots.re[static_cast<std::size_t>(m + 1)] < 0) ++m;
  const int k = n - m;

  r.X.degree = m;
  PolynomialFromRoots(r, 1, parameters.tolm, console.log());
  const TPolynomialRecord h = r.X;
  console.ShowLine("Polinômio h(s):");
  ListPolynomial(r.X, parameters, console, true, "Polinômio h(s)");

  std::copy_n(r.roots.re.begin() + 1 + m, k, r.roots.re.begin() + 1);
  std::copy_n(r.roots.im.begin() + 1 + m, k, r.roots.im.begin() + 1);
  r.X.degree = k;
  PolynomialFromRoots(r, 1, parameters.tolm, console.log());
  console.ShowLine("Polinômio a(s):");
  ListPolynomial(r.X, parameters, console, true, "Polinômio a(s)");

  // Za/r = -ao/ae
  r.Y = r.X;
  ScaleConstant(r.X, -1);
  KeepParity(r.X, 1, true);
  KeepParity(r.Y, 0, true);
  ListX(r, parameters, console, "Numerador de Za(s)/r=-ao(s):", false);
  r.X = r.Y;
  ListX(r, parameters, console, "Denominador de Za(s)/r=ae(s):", false);

  // Zb/r = he/ho with P even, ho/he with P odd
  r.X = h;
  r.Y = h;
  KeepParity(r.X, np, true);
  KeepParity(r.Y, np, false);
  ListX(r, parameters, console, "Numerador de Zb(s)/r=he(s) (ou ho(s)):", false);
  r.X = r.Y;
  ListX(r, parameters, console, "Denominador de Zb(s)/r=ho(s) (ou he(s)):", false);
}

void ImmittancesOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                          const RescueDialog& dialog) {
  console.ShowLine("Imitâncias para síntese:");
  switch (console.AskChoice("Escolha o tipo de estrutura:",
                            "LC [D]uplamente terminada,LC [S]implesmente terminada,"
                            "La[t]tice LC duplamente terminada")) {
    case 'D': DoublyTerminatedImmittance(r, parameters, console); break;
    case 'S': SinglyTerminatedImmittance(r, parameters, console); break;
    case 't': LatticeImpedances(r, parameters, console, dialog); break;
    default: break;
  }
}

}  // namespace workbench
