#include "workbench/stack_algebra.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/errors.h"
#include "frame/selection_form.h"
#include "tests/base/extended_printer.h"
#include "tests/workbench/vessaw_fixture.h"
#include "workbench/slot_selection.h"
#include "workbench/squaring.h"

namespace workbench_test {
namespace {

using base::Extended;
using test_support::TestPolynomial;
using workbench::Registers;
using workbench::TPolynomialRecord;
using Coefficients = std::vector<Extended>;

// The largest coefficient spread and the magnitude tolerance after "Iniciar".
constexpr long double kToln = 1E15L;
constexpr long double kTolm = 1E-8L;

// A polynomial of the given degree, every coefficient 1.
TPolynomialRecord OfDegree(int degree, long double constant = 1) {
  return Record(TestPolynomial::Ones(degree), constant);
}

Coefficients Of(const TPolynomialRecord& p) {
  Coefficients c;
  for (int i = 0; i <= p.degree; ++i) c.push_back(p.a[static_cast<std::size_t>(i)]);
  return c;
}

Coefficients Of(std::initializer_list<long double> a) { return Coefficients(a.begin(), a.end()); }

// The algebra needs no started program: the registers of a fresh one, its
// log, and the tolerances as arguments.
class StackAlgebraTest : public VessawFixture {
 protected:
  void SetUp() override { mark_ = Logged().size(); }

  Registers& r() { return vessaw.registers(); }
  frame::Log& log() { return vessaw.console().log(); }

  // Four distinct stack levels, so that every move between them shows.
  void FillStack() {
    r().X = Record({1, 2}, 1);
    r().Y = Record({3, 4, 5}, 2);
    r().Z = Record({6}, 3);
    r().T = Record({7, 8, 9, 10}, 4);
  }

  // The console lines since the test set up.
  std::vector<std::string> Lines() const { return LoggedSince(mark_); }

 private:
  std::size_t mark_ = 0;
};

TEST_F(StackAlgebraTest, CheckDefinedReportsOnlyAnUndefinedX) {
  r().X = Record({1}, 1, true);
  EXPECT_FALSE(workbench::CheckDefined(r().X, log()));
  EXPECT_TRUE(Lines().empty());
  r().X.defined = false;
  EXPECT_TRUE(workbench::CheckDefined(r().X, log()));
  EXPECT_EQ(Lines(), std::vector<std::string>{"* Polinômio ainda indefinido *"});
}

struct CleanCase {
  const char* what;
  TPolynomialRecord x;
  Coefficients cleaned;  // empty: vanished
};

TEST_F(StackAlgebraTest, CleanZeroesCoefficientsBelowSpreadAndDropsVanishedTop) {
  // The threshold itself, computed as the cleaning does: max |a| / toln.
  const long double at_threshold = (Extended(4) / Extended(1E15L)).raw();
  const std::vector<CleanCase> cases = {
      {"tiny middle", Record({1, 1E-20L, 1}), Of({1, 0, 1})},
      {"zero", Record({0}), {}},
      {"all below nothing", Record({0, 0, 0}), {}},
      {"tiny top dropped", Record({1, 2, 1E-20L}), Of({1, 2})},
      {"equal to threshold stays", Record({at_threshold, -4}), Of({at_threshold, -4})},
      {"just below threshold goes", Record({at_threshold * (1 - 1E-18L), -4}), Of({0, -4})},
      {"negative magnitudes count", Record({-1E-16L, 0, -1}), Of({0, 0, -1})},
  };
  for (const CleanCase& c : cases) {
    SCOPED_TRACE(c.what);
    r().X = c.x;
    r().X.constant = 7;
    r().X.defined = false;
    workbench::CleanPolynomial(r().X, kToln);
    EXPECT_EQ(r().X.degree, static_cast<int>(c.cleaned.size()) - 1);
    EXPECT_EQ(Of(r().X), c.cleaned);
    EXPECT_EQ(r().X.constant, Extended(7));
    EXPECT_FALSE(r().X.defined);
  }
}

TEST_F(StackAlgebraTest, CleanFollowsSpreadParameter) {
  r().X = Record({0.5L, 1, 20});
  workbench::CleanPolynomial(r().X, 10);
  EXPECT_EQ(Of(r().X), Of({0, 0, 20}));
}

struct NormalizeCase {
  const char* what;
  TPolynomialRecord x;
  Coefficients a;
  long double constant;
};

TEST_F(StackAlgebraTest, NormalizeMakesMonicKeepingValue) {
  const std::vector<NormalizeCase> cases = {
      {"2 + 4s, constant 3", Record({2, 4}, 3), Of({0.5L, 1}), 12},
      {"already monic", Record({3, 1}, 2), Of({3, 1}), 2},
      {"cleaned first", Record({1E-20L, 2, 1E-30L}, 1), Of({0, 1}), 2},
      {"negative leading", Record({1, 0, -2}, -1), Of({-0.5L, 0, 1}), 2},
      {"vanished", Record({0, 0}, 5), {}, 5},
  };
  for (const NormalizeCase& c : cases) {
    SCOPED_TRACE(c.what);
    r().X = c.x;
    workbench::Normalize(r().X, kToln);
    EXPECT_EQ(Of(r().X), c.a);
    EXPECT_EQ(r().X.constant, Extended(c.constant));
  }
}

TEST_F(StackAlgebraTest, PushCopiesDownAndAddPopSumsWithConstantsThenPops) {
  r().X = Record({1, 0, 1}, 2);
  r().Y = Record({0, 1}, 3);
  r().Z = Record({6}, 5);
  r().T = Record({7, 8}, 4);
  const TPolynomialRecord z = r().Z;
  const TPolynomialRecord t = r().T;
  workbench::AddPop(r(), kToln);
  EXPECT_EQ(Of(r().X), Of({2, 3, 2}));
  EXPECT_EQ(r().X.constant, Extended(1));
  EXPECT_TRUE(SameRecord(r().Y, z));
  EXPECT_TRUE(SameRecord(r().Z, t));
  EXPECT_TRUE(SameRecord(r().T, t));
}

TEST_F(StackAlgebraTest, AddPopWidensXOverItsStaleCoefficients) {
  r().X = Record({0, 1}, 3);
  r().X.a[2] = 99;  // left over from an earlier, longer polynomial
  r().Y = Record({1, 0, 1}, 2);
  workbench::AddPop(r(), kToln);
  EXPECT_EQ(Of(r().X), Of({2, 3, 2}));
}

TEST_F(StackAlgebraTest, AddPopCleansCancellationDownToLowerDegree) {
  r().X = Record({1, 1, 1}, 1);
  r().Y = Record({1, 1, -1}, 1);
  workbench::AddPop(r(), kToln);
  EXPECT_EQ(Of(r().X), Of({2, 2}));
}

TEST_F(StackAlgebraTest, SubtractPopGivesYMinusX) {
  r().X = Record({0, 1}, 2);
  r().Y = Record({1, 2}, 1);
  workbench::SubtractPop(r(), kToln);
  EXPECT_EQ(Of(r().X), Of({1}));
  EXPECT_EQ(r().X.constant, Extended(1));

  r().X = Record({1, 2, 3}, 5);
  r().Y = r().X;
  workbench::SubtractPop(r(), kToln);
  EXPECT_EQ(r().X.degree, -1);
}

TEST_F(StackAlgebraTest, PushThenAddPopLeavesTEqualToZ) {
  FillStack();
  const TPolynomialRecord old_y = r().Y;
  const TPolynomialRecord old_z = r().Z;
  workbench::Push(r());
  EXPECT_TRUE(SameRecord(r().Y, r().X));
  EXPECT_TRUE(SameRecord(r().Z, old_y));
  EXPECT_TRUE(SameRecord(r().T, old_z));
  workbench::AddPop(r(), kToln);
  EXPECT_EQ(Of(r().X), Of({2, 4}));
  EXPECT_TRUE(SameRecord(r().Y, old_y));
  EXPECT_TRUE(SameRecord(r().Z, old_z));
  EXPECT_TRUE(SameRecord(r().T, old_z));
}

TEST_F(StackAlgebraTest, MultiplyPopMultipliesWithoutCleaningAndPops) {
  FillStack();
  const TPolynomialRecord z = r().Z;
  const TPolynomialRecord t = r().T;
  r().X = Record({1, 1E-10L}, 2);
  r().X.a[2] = 99;  // stale, must not enter the product
  r().Y = Record({-1, 1E-10L}, 3);
  EXPECT_TRUE(workbench::MultiplyPop(r(), log()));
  // the 1E-20 s^2 would be cleaned away with toln = 1E15
  EXPECT_EQ(Of(r().X), Of({-1, 0, 1E-10L * 1E-10L}));
  EXPECT_EQ(r().X.constant, Extended(6));
  EXPECT_TRUE(SameRecord(r().Y, z));
  EXPECT_TRUE(SameRecord(r().Z, t));
  EXPECT_TRUE(SameRecord(r().T, t));
}

// A vanished factor gives the vanished product, whatever the other degree.
TEST_F(StackAlgebraTest, MultiplyPopWithVanishedOperandVanishes) {
  struct Case {
    int x_degree, y_degree;
  };
  for (const Case& c : {Case{-1, 3}, Case{2, -1}, Case{-1, -1}, Case{-1, 200}}) {
    SCOPED_TRACE(std::to_string(c.x_degree) + " * " + std::to_string(c.y_degree));
    FillStack();
    const TPolynomialRecord z = r().Z;
    r().X = OfDegree(c.x_degree, 2);
    r().Y = OfDegree(c.y_degree, 3);
    EXPECT_TRUE(workbench::MultiplyPop(r(), log()));
    EXPECT_EQ(r().X.degree, -1);
    EXPECT_EQ(r().X.constant, Extended(6));
    EXPECT_TRUE(SameRecord(r().Y, z)) << "popped";
  }
  EXPECT_TRUE(Lines().empty());
}

TEST_F(StackAlgebraTest, MultiplyPopRefusesProductBeyondLargestDegree) {
  struct Case {
    int x_degree, y_degree;
    bool fits;
  };
  for (const Case& c :
       {Case{100, 100, true}, Case{0, 200, true}, Case{101, 100, false}, Case{150, 51, false}, Case{200, 1, false}}) {
    SCOPED_TRACE(std::to_string(c.x_degree) + " * " + std::to_string(c.y_degree));
    FillStack();
    r().X = OfDegree(c.x_degree);
    r().Y = OfDegree(c.y_degree);
    const Registers before = r();
    const std::size_t lines = Lines().size();
    EXPECT_EQ(workbench::MultiplyPop(r(), log()), c.fits);
    if (c.fits) {
      EXPECT_EQ(r().X.degree, c.x_degree + c.y_degree);
      EXPECT_EQ(Lines().size(), lines);
      continue;
    }
    EXPECT_EQ(Lines().back(), workbench::kBeyondMaxDegreeMessage);
    EXPECT_EQ(Lines().size(), lines + 1);
    for (auto slot : {&Registers::X, &Registers::Y, &Registers::Z, &Registers::T})
      EXPECT_TRUE(SameRecord(r().*slot, before.*slot)) << "nothing changes, nothing pops";
  }
  EXPECT_EQ(std::string(workbench::kBeyondMaxDegreeMessage), "* Grau maior que 200 *");
}

TEST_F(StackAlgebraTest, MultiplyByShiftsUpToLargestDegree) {
  r().X = Record({1, 2}, 3);
  EXPECT_TRUE(workbench::MultiplyByS(r().X, log()));
  EXPECT_EQ(Of(r().X), Of({0, 1, 2}));
  EXPECT_EQ(r().X.constant, Extended(3));

  r().X = OfDegree(199);
  EXPECT_TRUE(workbench::MultiplyByS(r().X, log()));
  EXPECT_EQ(r().X.degree, 200);
  EXPECT_EQ(r().X.a[200], Extended(1));
  EXPECT_EQ(r().X.a[0], Extended(0));
  EXPECT_TRUE(Lines().empty());

  const TPolynomialRecord full = r().X;
  EXPECT_FALSE(workbench::MultiplyByS(r().X, log()));
  EXPECT_TRUE(SameRecord(r().X, full));
  EXPECT_EQ(Lines(), std::vector<std::string>{workbench::kBeyondMaxDegreeMessage});
}

TEST_F(StackAlgebraTest, ScaleAndNegateActOnConstantOnly) {
  r().X = Record({1, 2}, 3);
  workbench::ScaleConstant(r().X, 2.5L);
  workbench::NegateConstant(r().X);
  EXPECT_EQ(r().X.constant, Extended(-7.5L));
  EXPECT_EQ(Of(r().X), Of({1, 2}));
}

struct ParaconjugateCase {
  const char* what;
  TPolynomialRecord p;
  Coefficients in_x;  // coefficients of p(s) p(-s) in x = s^2
  long double constant;
};

TEST_F(StackAlgebraTest, ParaconjugateSquareIsPolynomialInSSquared) {
  const std::vector<ParaconjugateCase> cases = {
      {"s + 1", Record({1, 1}), Of({1, -1}), 1},
      // (s^2 + 2 + 2s)(s^2 + 2 - 2s) = s^4 + 4
      {"s^2 + 2s + 2, constant 3", Record({2, 2, 1}, 3), Of({4, 0, 1}), 9},
      // (s^3 + 2s^2 + 2s + 1)(-s^3 + 2s^2 - 2s + 1) = 1 - x^3
      {"Butterworth 3", Record({1, 2, 2, 1}, -1), Of({1, 0, 0, -1}), 1},
      {"constant", Record({3}, 2), Of({9}), 4},
  };
  for (const ParaconjugateCase& c : cases) {
    SCOPED_TRACE(c.what);
    r().X = OfDegree(5);  // stale coefficients everywhere
    r().X.defined = false;
    workbench::ParaconjugateSquare(r().X, c.p);
    EXPECT_EQ(Of(r().X), c.in_x);
    EXPECT_EQ(r().X.constant, Extended(c.constant));
    EXPECT_FALSE(r().X.defined) << "the flag is the caller's";
  }
}

struct PhaseCase {
  long double re, im;
  Extended angle;
};

TEST(PhaseAngleTest, CoversAllQuadrantsAndNearZeroParts) {
  const Extended pi = base::Pi();
  const std::vector<PhaseCase> exact = {
      {-1, 0, -pi},
      {0, 0, 0},
      {1E-10L, 1, pi / 2},
      {-1E-10L, -1, -pi / 2},
      {0, 1E-10L, 0},
      {1E-10L, 1E-10L, 0},
      {2, 0, 0},
      {1, 1, base::ArcTan(1)},
      {-1, 1, base::ArcTan(-1) + pi},
      {-1, -1, base::ArcTan(1) - pi},
      // the threshold itself is no longer zero
      {1E-9L, 1, base::ArcTan(Extended(1) / Extended(1E-9L))},
  };
  for (const PhaseCase& c : exact) EXPECT_EQ(workbench::PhaseAngle(c.re, c.im), c.angle) << c.re << " + j" << c.im;
  EXPECT_NEAR(static_cast<double>(workbench::PhaseAngle(-1, 1).raw()), 3 * M_PI / 4, 1E-15);
}

struct WToSCase {
  const char* what;
  TPolynomialRecord p;
  Coefficients in_s;
  long double constant;
};

TEST(WToSTest, SubstitutesAndKeepsLeadingCoefficientPositive) {
  const std::vector<WToSCase> cases = {
      // 1 - s^2 turned over
      {"w^2 + 1", Record({1, 0, 1}), Of({-1, 0, 1}), 1},
      {"w^3 + w", Record({0, 1, 0, 1}), Of({0, -1, 0, 1}), 1},
      {"w^4 + w^2, constant -2", Record({0, 0, 1, 0, 1}, -2), Of({0, 0, -1, 0, 1}), 2},
      // -2 s^2 + 3 turned over
      {"2w^2 + 3", Record({3, 0, 2}, -5), Of({-3, 0, 2}), 5},
      // s^5 / j: the factor -j is dropped
      {"w^5", Record({0, 0, 0, 0, 0, 1}), Of({0, 0, 0, 0, 0, 1}), 1},
  };
  for (WToSCase c : cases) {
    SCOPED_TRACE(c.what);
    workbench::WToS(c.p);
    EXPECT_EQ(Of(c.p), c.in_s);
    EXPECT_EQ(c.p.constant, Extended(c.constant));
  }
}

TEST(WToSTest, VanishedPolynomialOnlyLosesConstantSign) {
  TPolynomialRecord p = Record({}, -3);
  workbench::WToS(p);
  EXPECT_EQ(p.degree, -1);
  EXPECT_EQ(p.constant, Extended(3));
}

TEST(PowerTest, IsExpOfYLnXAndFaultsForNonPositiveBase) {
  EXPECT_NEAR(static_cast<double>(workbench::Power(2, 10).raw()), 1024, 1E-12);
  EXPECT_NEAR(static_cast<double>(workbench::Power(9, 0.5L).raw()), 3, 1E-15);
  EXPECT_EQ(workbench::Power(1, 123), Extended(1));
  struct Case {
    long double x;
    base::FloatFault fault;
  };
  for (const Case& c : {Case{-2, base::FloatFault::Invalid}, Case{0, base::FloatFault::ZeroDivide}}) {
    try {
      workbench::Power(c.x, 2);
      ADD_FAILURE() << "no fault for " << c.x;
    } catch (const base::FloatError& e) {
      EXPECT_EQ(e.fault(), c.fault) << c.x;
    }
  }
}

class PolynomialFromRootsTest : public StackAlgebraTest {
 protected:
  Extended tolm = kTolm;

  void SetRoots(std::initializer_list<std::pair<long double, long double>> roots) {
    std::size_t i = 1;
    for (const auto& [re, im] : roots) {
      r().roots.re[i] = re;
      r().roots.im[i] = im;
      ++i;
    }
    r().X = OfDegree(static_cast<int>(roots.size()), 9);  // stale coefficients
    r().X.defined = false;
    r().Y = OfDegree(4, 9);
    r().Y.defined = false;
  }
};

constexpr const char* kInexact = "* Montagem inexata de polinômio: examine resto imaginário em Y *";

TEST_F(PolynomialFromRootsTest, ConjugatePairGivesRealPolynomialAndZeroResidue) {
  SetRoots({{-1, 1}, {-1, -1}});
  workbench::PolynomialFromRoots(r(), 3, tolm, log());
  EXPECT_EQ(Of(r().X), Of({2, 2, 1}));
  EXPECT_EQ(Of(r().Y), Of({0, 0, 0}));
  EXPECT_EQ(r().X.constant, Extended(3));
  EXPECT_EQ(r().Y.constant, Extended(3));
  EXPECT_TRUE(r().X.defined);
  EXPECT_TRUE(r().Y.defined);
  EXPECT_TRUE(Lines().empty());
}

TEST_F(PolynomialFromRootsTest, RootWithoutConjugateLeavesResidueAndWarns) {
  SetRoots({{-1, 1}});
  workbench::PolynomialFromRoots(r(), 1, tolm, log());
  // s + 1 - j
  EXPECT_EQ(Of(r().X), Of({1, 1}));
  EXPECT_EQ(Of(r().Y), Of({-1, 0}));
  EXPECT_TRUE(r().X.defined);
  EXPECT_EQ(Lines(), std::vector<std::string>{kInexact});
}

TEST_F(PolynomialFromRootsTest, MixedRootsMultiplyOut) {
  // (s + 2)(s - j)(s + j)(s) = s^4 + 2s^3 + s^2 + 2s
  SetRoots({{-2, 0}, {0, 1}, {0, -1}, {0, 0}});
  workbench::PolynomialFromRoots(r(), 1, tolm, log());
  EXPECT_EQ(Of(r().X), Of({0, 2, 1, 2, 1}));
  EXPECT_TRUE(Lines().empty());
}

TEST_F(PolynomialFromRootsTest, ResidueWarnsOnlyAboveTolm) {
  tolm = 1E-3L;
  SetRoots({{0, 1E-3L}});
  workbench::PolynomialFromRoots(r(), 1, tolm, log());
  EXPECT_TRUE(Lines().empty()) << "a residue equal to tolm passes";
  SetRoots({{0, 2E-3L}});
  workbench::PolynomialFromRoots(r(), 1, tolm, log());
  EXPECT_EQ(Lines(), std::vector<std::string>{kInexact});
}

TEST_F(PolynomialFromRootsTest, NoRootsGivesTheConstant) {
  SetRoots({});
  workbench::PolynomialFromRoots(r(), 5, tolm, log());
  EXPECT_EQ(Of(r().X), Of({1}));
  EXPECT_EQ(r().X.constant, Extended(5));
  EXPECT_EQ(Of(r().Y), Of({0}));
}

TEST_F(PolynomialFromRootsTest, RefusesCountOutsideRootList) {
  struct Case {
    int count;
    const char* message;
  };
  for (const Case& c : {Case{201, workbench::kBeyondMaxDegreeMessage}, Case{-1, workbench::kNegativeDegreeMessage}}) {
    SCOPED_TRACE(c.count);
    SetRoots({{-1, 0}});
    r().X.degree = c.count;
    const Registers before = r();
    workbench::PolynomialFromRoots(r(), 2, tolm, log());
    EXPECT_EQ(Lines().back(), c.message);
    EXPECT_TRUE(SameRecord(r().X, before.X));
    EXPECT_TRUE(SameRecord(r().Y, before.Y));
  }
  SetRoots({});
  r().X.degree = 200;
  workbench::PolynomialFromRoots(r(), 1, tolm, log());
  EXPECT_EQ(r().X.degree, 200) << "a full root list is accepted";
}

class SlotSelectionTest : public StackAlgebraTest {
 protected:
  static constexpr const char* kSlotLetters = "QFPEXY";

  void SetUp() override {
    StackAlgebraTest::SetUp();
    // Each slot told apart by its constant; E is left undefined.
    r().Q = Record({1, 0, 1}, 1);
    r().F = Record({0, 1}, 2);
    r().P = Record({1, 1}, 3);
    r().E = Record({2, 3, 1}, 4, false);
    r().X = Record({5}, 5);
    r().Y = Record({6, 6}, 6);
  }

  // The user clicks the item, or closes the dialog when it is -1.
  void Answer(int item) {
    user.on_modal = [item](forms::Form& form) {
      auto& selection = dynamic_cast<frame::SelectionForm&>(form);
      if (item < 0)
        selection.Close();
      else
        selection.list.UserClickItem(item);
    };
  }

  // The slot that a key letter names.
  static TPolynomialRecord Registers::*SlotMember(char letter) {
    switch (letter) {
      case 'Q': return &Registers::Q;
      case 'F': return &Registers::F;
      case 'P': return &Registers::P;
      case 'E': return &Registers::E;
      case 'X': return &Registers::X;
      default: return &Registers::Y;
    }
  }
  TPolynomialRecord* Slot(char letter) { return &(r().*SlotMember(letter)); }
};

TEST_F(SlotSelectionTest, OffersTheSixSlots) {
  std::vector<std::string> shown;
  user.on_modal = [&](forms::Form& form) {
    auto& selection = dynamic_cast<frame::SelectionForm&>(form);
    shown = selection.list.items();
    selection.list.UserClickItem(1);
  };
  workbench::SelectPolynomial(r(), vessaw.console());
  EXPECT_EQ(console_windows().selection->label.caption(), "Selecione o polinômio:");
  EXPECT_EQ(shown, (std::vector<std::string>{"Q(w)", "F(s)", "P(s)", "E(s)", "(X(s))", "(Y(s))"}));
  EXPECT_EQ(Lines(), std::vector<std::string>{"-> F(s)."});
}

TEST_F(SlotSelectionTest, SelectCopiesSlotIntoXAndStorePutsXBack) {
  struct Case {
    int item;
    char letter;
  };
  for (const Case& c :
       {Case{0, 'Q'}, Case{1, 'F'}, Case{2, 'P'}, Case{3, 'E'}, Case{4, 'X'}, Case{5, 'Y'}, Case{-1, 'Q'}}) {
    SCOPED_TRACE(c.item);
    SetUp();
    const Registers before = r();
    Answer(c.item);
    workbench::SelectPolynomial(r(), vessaw.console());
    ASSERT_EQ(vessaw.console().choice_letter(), c.letter);
    // the whole record travels, the defined flag of E included
    EXPECT_TRUE(SameRecord(r().X, before.*SlotMember(c.letter)));

    r().X = Record({7, 7, 7}, 100);
    workbench::StorePolynomial(r(), vessaw.console());
    for (char other : std::string(kSlotLetters)) {
      if (other == 'X') continue;
      const TPolynomialRecord& was = before.*SlotMember(other);
      EXPECT_TRUE(SameRecord(*Slot(other), other == c.letter ? r().X : was)) << other;
    }
  }
}

TEST_F(SlotSelectionTest, StoreWithoutSlotLetterStoresNothing) {
  const Registers before = r();
  r().X = Record({7}, 100);
  for (char letter : {'#', 'X', '\0'}) {
    vessaw.console().SetChoiceLetter(letter);
    workbench::StorePolynomial(r(), vessaw.console());
    for (char other : std::string("QFPEY")) EXPECT_TRUE(SameRecord(*Slot(other), before.*SlotMember(other))) << other;
  }
}

// The squaring operation on the registers and the console, after "Iniciar".
class SquaringTest : public SlotSelectionTest {
 protected:
  void SetUp() override {
    if (!started_) ChooseMenu("Iniciar");
    started_ = true;
    SlotSelectionTest::SetUp();
  }
  void Square(int item) {
    Answer(item);
    app.Guard([this] { workbench::SquarePolynomial(r(), vessaw.console()); });
  }

 private:
  bool started_ = false;
};

TEST_F(SquaringTest, SquaresChosenSlotAndStoresIt) {
  struct Case {
    int item;
    TPolynomialRecord x;
    Coefficients square;
    long double constant;
    std::string echo;
  };
  const std::vector<Case> cases = {
      {2, Record({1, 1}, -2), Of({1, 2, 1}), 4, "-> P(s)."},
      {1, Record({1}, -2), Of({1}), 4, "-> F(s)."},
      {5, Record({-1, 0, 1}, 3), Of({1, 0, -2, 0, 1}), 9, "-> (Y(s))."},
      {-1, Record({0, 0, 1E-10L}, 1), Of({0, 0, 0, 0, 1E-10L * 1E-10L}), 1, "-> Q(w)."},
      {3, Record({}, 2), {}, 4, "-> E(s)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.echo);
    SetUp();
    r().Z = Record({8}, 8);
    r().T = Record({9}, 9);
    const char letter = kSlotLetters[c.item < 0 ? 0 : c.item];
    *Slot(letter) = c.x;
    const std::size_t lines = Lines().size();
    Square(c.item);
    const std::vector<std::string> all = Lines();
    const std::vector<std::string> logged(all.begin() + static_cast<long>(lines), all.end());
    EXPECT_EQ(logged, (std::vector<std::string>{"Elevar ao quadrado:", c.echo})) << "nothing is listed";
    EXPECT_EQ(Of(*Slot(letter)), c.square);
    EXPECT_EQ(Slot(letter)->constant, Extended(c.constant));
    EXPECT_TRUE(SameRecord(r().X, *Slot(letter)));
    if (letter != 'Y') {
      EXPECT_TRUE(SameRecord(r().Y, Record({8}, 8))) << "Z popped into Y";
    }
    EXPECT_TRUE(SameRecord(r().Z, Record({9}, 9))) << "T popped into Z";
  }
}

TEST_F(SquaringTest, ChoosingXLeavesSquareInX) {
  const Registers before = r();
  Square(4);
  EXPECT_EQ(Of(r().X), Of({25}));
  EXPECT_EQ(r().X.constant, Extended(25));
  for (char other : std::string("QFPE")) EXPECT_TRUE(SameRecord(*Slot(other), before.*SlotMember(other))) << other;
}

TEST_F(SquaringTest, UndefinedSlotIsReportedAndNothingComputed) {
  const Registers before = r();
  Square(3);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Elevar ao quadrado:", "-> E(s).", "* Polinômio indefinido *"}));
  EXPECT_TRUE(SameRecord(r().E, before.E));
  EXPECT_TRUE(SameRecord(r().X, before.E)) << "the selection itself still copies";
  EXPECT_TRUE(SameRecord(r().Y, before.Y));
}

TEST_F(SquaringTest, SquareBeyondLargestDegreeIsRefused) {
  r().F = OfDegree(101, 2);
  r().Z = Record({8}, 8);
  const Registers before = r();
  Square(1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Elevar ao quadrado:", "-> F(s).", workbench::kBeyondMaxDegreeMessage}));
  EXPECT_TRUE(SameRecord(r().F, before.F));
  EXPECT_TRUE(SameRecord(r().Y, before.Y));
  EXPECT_TRUE(SameRecord(r().Z, before.Z));
  EXPECT_TRUE(user.messages.empty());

  r().F = OfDegree(100, 2);
  Square(1);
  EXPECT_EQ(r().F.degree, 200);
  EXPECT_EQ(r().F.a[100], Extended(101));
  EXPECT_EQ(r().F.constant, Extended(4));
}

}  // namespace
}  // namespace workbench_test
