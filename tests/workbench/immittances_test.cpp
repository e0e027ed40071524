// The immittances judged by their values: each numerator over its
// denominator, as offered for saving, against the formula of its label at a
// point off the axes, with the constants of E and F that the tables fold in.
#include "workbench/immittances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/base/extended_printer.h"
#include "tests/workbench/played_fixture.h"

namespace workbench_test {
namespace {

using base::Extended;
using test_support::TestPolynomial;
using workbench::ImmittancesOperation;
using workbench::TPolynomialRecord;
using Complex = std::complex<long double>;

constexpr const char* kReminder = "Salve as raízes de P(s) (zeros de transmissão) para usar no programa Zuzevi.";

const Complex kPoint(0.7L, 0.3L);

// The even and odd parts of p at s.
Complex Even(const TPolynomialRecord& p, Complex s) { return (ValueAt(p, s) + ValueAt(p, -s)) / 2.0L; }
Complex Odd(const TPolynomialRecord& p, Complex s) { return (ValueAt(p, s) - ValueAt(p, -s)) / 2.0L; }

class ImmittanceTest : public PlayedFixture {
 protected:
  void SetUp() override {
    PlayedFixture::SetUp();
    // every save offer is declined; what it offered is kept
    backend.file_dialog_hook = [this](forms::FileDialog& dialog) {
      offered.push_back(r().X);
      subjects.push_back(dialog.subject());
      return false;
    };
  }
  // The value of the i-th pair of offered polynomials at s.
  Complex Ratio(std::size_t pair, Complex s) const {
    return ValueAt(offered.at(2 * pair), s) / ValueAt(offered.at(2 * pair + 1), s);
  }
  // Non-monic E and F with constants of their own, so that the folding of
  // the constants shows.
  void SetEAndF() {
    r().E = Record({1, 2, 2, 1}, 1.5L);
    r().F = Record({0.25L, 0, 0.5L, 1}, -0.75L);
  }

  std::vector<TPolynomialRecord> offered;
  std::vector<std::string> subjects;  // of the offers, in order
};

TEST_F(ImmittanceTest, MissingPolynomialsAreRefusedForEachStructure) {
  struct Case {
    const char* structure;
    const char* title;
    const char* refusal;
  };
  const Case cases[] = {
      {"LC Duplamente terminada",
       "Imitâncias de porta para rede LC duplamente terminada:", "* Faltando calcular F(s) e E(s) *"},
      {"LC Simplesmente terminada",
       "Imitâncias de porta para rede LC simplesmente terminada (em rg ou rl):", "* Faltando calcular E(s) *"},
      {"Lattice LC duplamente terminada",
       "Impedâncias para rede lattice LC duplamente terminada (rg=rl=r):", "* Faltando calcular F(s) e P(s) *"},
  };
  r().F = Record({0, 1});
  r().E.defined = false;
  r().P.defined = false;
  for (const Case& c : cases) {
    const TPolynomialRecord x = r().X;
    EXPECT_EQ(Apply(ImmittancesOperation, {{c.structure}}),
              (Lines{"Imitâncias para síntese:", std::string("-> ") + c.structure + ".", c.title, c.refusal}));
    EXPECT_TRUE(SameRecord(r().X, x)) << c.structure;
  }
}

// Every item for P even and P odd, against its label.
TEST_F(ImmittanceTest, DoublyTerminatedItemsFollowTheirLabels) {
  using Formula = Complex (*)(Complex ee, Complex eo, Complex fe, Complex fo);
  struct Case {
    int item;
    Formula even_p, odd_p;
  };
  const Case cases[] = {
      {1, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee - fe) / (eo + fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (eo - fo) / (ee + fe); }},
      {2, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + fe) / (eo + fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (eo + fo) / (ee + fe); }},
      {3, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + fe) / (eo - fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (eo + fo) / (ee - fe); }},
      {4, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee - fe) / (eo - fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (eo - fo) / (ee - fe); }},
      {5, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + eo - fe - fo) / (ee + eo + fe + fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + eo - fe - fo) / (ee + eo + fe + fo); }},
      {6, [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + eo + fe - fo) / (ee + eo - fe + fo); },
       [](Complex ee, Complex eo, Complex fe, Complex fo) { return (ee + eo - fe + fo) / (ee + eo + fe - fo); }},
  };
  SetEAndF();
  const Complex ee = Even(r().E, kPoint), eo = Odd(r().E, kPoint);
  const Complex fe = Even(r().F, kPoint), fo = Odd(r().F, kPoint);
  for (const bool p_odd : {false, true}) {
    r().P = p_odd ? Record({0, 1}) : Record({1, 0, 1});
    for (const Case& c : cases) {
      offered.clear();
      const Lines lines = Apply(ImmittancesOperation, {{"LC Duplamente terminada"}, {std::to_string(c.item) + " - "}});
      ASSERT_EQ(offered.size(), 2U) << c.item << " " << p_odd;
      EXPECT_EQ(subjects, (Lines{"Numerador da imitância", "Denominador da imitância"})) << c.item;
      subjects.clear();
      const Complex want = (p_odd ? c.odd_p : c.even_p)(ee, eo, fe, fo);
      EXPECT_LT(std::abs(Ratio(0, kPoint) / want - 1.0L), 1E-17L) << c.item << " " << p_odd;
      // both listed monic, with constant 1 before normalising
      for (const TPolynomialRecord& p : offered) EXPECT_EQ(p.a[static_cast<std::size_t>(p.degree)], 1);
      EXPECT_EQ(lines.back(), kReminder) << c.item;
    }
  }
}

// F(0)/E(0) = (rg - rl)/(rg + rl): rl in rg for the items normalised to rg,
// rg in rl for the others.  Typed polynomials with E(0) = +-F(0) and P(0)
// not zero break the equation at s = 0; the item whose ratio would divide
// by zero is refused before anything is listed.
TEST_F(ImmittanceTest, TerminationsFromFOfZeroOverEOfZero) {
  struct Case {
    const char* name;
    long double e0, f0, p0;
    int item;
    Lines tail;  // the last lines logged
  };
  const char* const kHeading = "Terminações (por: F(0)/E(0)=(rg-rl)/(rg+rl)):";
  const char* const kUndetermined =
      "As terminações não puderam ser determinadas. Use a síntese pelos dois lados se necessário.";
  const Case cases[] = {
      // E(0) = 3, F(0) = 1: rl = 2/4 rg, rg = 4/2 rl
      {"rl in rg", 3, 1, 1, 3, {kHeading, "rl=      0.500000000000000000 * rg", kReminder}},
      {"rg in rl", 3, 1, 1, 4, {kHeading, "rg=      2.000000000000000000 * rl", kReminder}},
      {"zero of P at s = 0", 3, 1, 0, 1, {kUndetermined, kReminder}},
      {"E(0) = F(0)",
       2,
       2,
       1,
       2,
       {"* E(0)=F(0) com P(0)<>0 daria rl=0: E(s), F(s) e P(s) não satisfazem a equação de Feldtkeller *"}},
      {"E(0) = -F(0)",
       2,
       -2,
       1,
       5,
       {"* E(0)=-F(0) com P(0)<>0 daria rg=0: E(s), F(s) e P(s) não satisfazem a equação de Feldtkeller *"}},
  };
  for (const Case& c : cases) {
    r().E = Record({c.e0, 1, 1});
    r().F = Record({c.f0, 0, 1});
    r().P = Record({c.p0, 1});
    r().X = Record({9});
    r().Y = Record({8});
    offered.clear();
    const Lines lines = Apply(ImmittancesOperation, {{"LC Duplamente terminada"}, {std::to_string(c.item) + " - "}});
    ASSERT_GE(lines.size(), c.tail.size()) << c.name;
    EXPECT_EQ(Lines(lines.end() - static_cast<std::ptrdiff_t>(c.tail.size()), lines.end()), c.tail) << c.name;
    if (c.tail.size() == 1) {
      EXPECT_TRUE(offered.empty()) << c.name;
      EXPECT_TRUE(SameRecord(r().X, Record({9})) && SameRecord(r().Y, Record({8}))) << c.name;
    }
  }
}

// The part of E of the parity of P over the rest; the reminder of P's roots
// comes even for P of degree 0.
TEST_F(ImmittanceTest, SinglyTerminatedSplitsEByTheParityOfP) {
  r().E = Record({1, 2, 2, 1}, 1.5L);
  for (const bool p_odd : {false, true}) {
    r().P = p_odd ? Record({0, 1}) : Record({1});
    offered.clear();
    const Lines lines = Apply(ImmittancesOperation, {{"LC Simplesmente terminada"}});
    EXPECT_EQ(lines[3], p_odd ? "P(s) é ímpar: z11/rg = y22*rl = Eo/Ee" : "P(s) é par: z11/rg = y22*rl = Ee/Eo");
    EXPECT_EQ(lines.back(), kReminder);
    ASSERT_EQ(offered.size(), 2U);
    const Complex ee = Even(r().E, kPoint), eo = Odd(r().E, kPoint);
    EXPECT_LT(std::abs(Ratio(0, kPoint) / (p_odd ? eo / ee : ee / eo) - 1.0L), 1E-17L) << p_odd;
  }
}

// F = s^3, P = 1: F + P = (s + 1)(s^2 - s + 1), so h = s + 1 and a = s^2 - s
// + 1; Za/r = -ao/ae = s/(s^2 + 1) and, P even, Zb/r = he/ho = 1/s.  The
// degrees 3 and 0 differ in parity: no warning.
TEST_F(ImmittanceTest, LatticeSplitsTheRootsOfFPlusPByTheirSide) {
  r().F = Record({0, 0, 0, 1});
  r().P = Record({1});
  player.pass_rescues = true;
  const Lines lines = Apply(ImmittancesOperation, {{"Lattice LC duplamente terminada"}});
  EXPECT_EQ(lines[3], "Grau de F(s):3; Grau de P(s):0");
  EXPECT_EQ(lines[4], "Fatorando: F(s)+P(s)=h(s)a(s).");
  ASSERT_EQ(offered.size(), 6U);
  const auto near = [](const TPolynomialRecord& p, std::vector<long double> want) {
    if (p.degree + 1 != static_cast<int>(want.size())) return false;
    for (std::size_t i = 0; i < want.size(); ++i)
      if (std::fabs(p.a[i].raw() * p.constant.raw() - want[i]) > 1E-18L) return false;
    return true;
  };
  EXPECT_TRUE(near(offered[0], {1, 1}));
  EXPECT_TRUE(near(offered[1], {1, -1, 1}));
  EXPECT_TRUE(near(offered[2], {0, 1}));
  EXPECT_EQ(offered[2].constant, -1);
  EXPECT_TRUE(near(offered[3], {1, 0, 1}));
  EXPECT_TRUE(near(offered[4], {1}));
  EXPECT_TRUE(near(offered[5], {0, 1}));
  EXPECT_EQ(subjects,
            (Lines{"Polinômio h(s)", "Polinômio a(s)", "Numerador de Za(s)/r=-ao(s)", "Denominador de Za(s)/r=ae(s)",
                   "Numerador de Zb(s)/r=he(s) (ou ho(s))", "Denominador de Zb(s)/r=ho(s) (ou he(s))"}));
}

// F and P of degrees of the same parity: warned, computed all the same.
TEST_F(ImmittanceTest, LatticeOfSameParityDegreesIsWarnedAndComputed) {
  r().F = Record({0, 0, 1});
  r().P = Record({1});
  const Lines lines = Apply(ImmittancesOperation, {{"Lattice LC duplamente terminada"}});
  EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 7),
            (Lines{"Grau de F(s):2; Grau de P(s):0",
                   "A \"lattice\" normalmente só existe se K(s)=F(s)/P(s) é puramente ímpar.",
                   "Tentando o cálculo mesmo assim.", "Fatorando: F(s)+P(s)=h(s)a(s)."}));
  EXPECT_EQ(offered.size(), 6U);
}

}  // namespace
}  // namespace workbench_test
