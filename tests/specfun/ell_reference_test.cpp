// Accuracy of the elliptic routines against 40-digit reference values
// (reference/generate_ell_reference.py).  Each group of arguments has its own
// bound; a failure names the group's worst row.
//
// Three measures: ulps of the 64-bit significand; ulps per unit of the row's
// condition (error / (1 + cond), for groups next to a singular point, where
// rounding the arguments alone moves the value by cond ulps); and absolute
// error in units of 2^-64 (sn, cn, dn over many periods and next to their
// zeros, where a relative error means nothing).
#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <ostream>
#include <span>
#include <string>

#include "specfun/ell_integrals.h"
#include "tests/specfun/ulp_error.h"

namespace {

using base::Extended;
using specfun::testing::AbsoluteError;
using specfun::testing::Hex;
using specfun::testing::UlpError;
using specfun::testing::WorstRow;

struct Expected {
  long double hi, lo, cond;
};
struct EllRow {
  long double a, b;
  Expected f;
};
struct JacobiRow {
  long double u, m;
  Expected sn, cn, dn;
};
constexpr long double kRefNaN = __builtin_nanl("");
constexpr long double kRefInf = __builtin_infl();

#include "tests/specfun/reference/ell_reference.inc"

enum class Measure { Ulps, Conditioned, Absolute };

const char* UnitOf(Measure measure) {
  switch (measure) {
    case Measure::Ulps: return " ulps";
    case Measure::Conditioned: return " ulps per (1 + cond)";
    case Measure::Absolute: return " x 2^-64";
  }
  return "";
}

long double ErrorOf(Measure measure, long double got, const Expected& expected) {
  switch (measure) {
    case Measure::Ulps: return UlpError(got, expected.hi, expected.lo);
    case Measure::Conditioned: return UlpError(got, expected.hi, expected.lo) / (1 + expected.cond);
    case Measure::Absolute: return AbsoluteError(got, expected.hi, expected.lo);
  }
  return 0;
}

// The worst row of a group under its measure and, for the report of a
// conditioned group, the worst plain ulp error with the condition there.
class GroupWorst {
 public:
  explicit GroupWorst(Measure measure) : measure_(measure) {}

  void Add(std::size_t row, long double got, const Expected& expected) {
    worst_.Take(row, ErrorOf(measure_, got, expected), got);
    if (plain_.Take(row, UlpError(got, expected.hi, expected.lo), got)) plain_cond_ = expected.cond;
  }

  const WorstRow& worst() const { return worst_; }

  void Report(const std::string& name, long double tolerance) const {
    std::cout << "[ accuracy ] " << name << ": worst " << static_cast<double>(worst_.error()) << UnitOf(measure_)
              << " (bound " << static_cast<double>(tolerance) << ")";
    if (measure_ == Measure::Conditioned) {
      std::cout << "; worst plain " << static_cast<double>(plain_.error()) << " ulps at cond "
                << static_cast<double>(plain_cond_);
    }
    std::cout << "\n";
  }

 private:
  Measure measure_;
  WorstRow worst_, plain_;
  long double plain_cond_ = 0;
};

std::string Describe(const Expected& expected) {
  return Hex(expected.hi) + " + " + Hex(expected.lo) + " (cond " + std::to_string(static_cast<double>(expected.cond)) +
         ")";
}

// ---- integrals and arcsc: one value per row ---------------------------------

using Routine = Extended (*)(Extended, Extended);

struct EllGroup {
  const char* name;
  std::span<const EllRow> rows;
  Routine routine;
  Measure measure;
  long double tolerance;
};

// Names the case in test listings and failure messages instead of its bytes.
void PrintTo(const EllGroup& c, std::ostream* out) { *out << c.name; }

Extended CallCompleteK(Extended k, Extended) { return specfun::CompleteK(k); }
Extended CallComplementaryK(Extended k, Extended) { return specfun::ComplementaryK(k); }
Extended CallQuarterPeriodOfReciprocal(Extended x, Extended) { return specfun::QuarterPeriodOfReciprocal(x).k; }
Extended CallParameterComplementOfReciprocal(Extended x, Extended) { return specfun::QuarterPeriodOfReciprocal(x).mc; }
specfun::EllipticRational RationalOf(Extended x, Extended n) {
  return specfun::EllipticRationalOf(static_cast<std::int32_t>(n.raw()), x);
}
Extended CallRationalConstant(Extended x, Extended n) { return RationalOf(x, n).constant; }
Extended CallRationalRoot(Extended x, Extended n) { return RationalOf(x, n).root_of_l; }
Extended CallRationalModulus(Extended x, Extended n) { return RationalOf(x, n).modulus; }

// Bounds: the elementary functions are good to about one ulp, and each
// routine strings a few of them together with a mean that converges to the
// last bit, so a few ulps away from the singular points.  Next to them
// (Conditioned) the bound is in ulps per (1 + cond): the routine may lose what
// a few roundings of its arguments lose, and not more.
const EllGroup kEllGroups[] = {
    // (pi/2)(1 + k^2/4): pi/2 itself is 0.12 ulp off, then two roundings
    {"CompleteKTiny", kCompleteKTiny, CallCompleteK, Measure::Ulps, 2},
    {"CompleteKBelowOne", kCompleteKBelowOne, CallCompleteK, Measure::Ulps, 4},
    // 1 - k is exact, so even the logarithmic pole costs no accuracy
    {"CompleteKNearOne", kCompleteKNearOne, CallCompleteK, Measure::Ulps, 4},
    {"CompleteKSpecial", kCompleteKSpecial, CallCompleteK, Measure::Ulps, 0},
    {"IncompleteFPrincipal", kIncompleteFPrincipal, specfun::IncompleteF, Measure::Ulps, 6},
    {"IncompleteFPeriods", kIncompleteFPeriods, specfun::IncompleteF, Measure::Ulps, 6},
    // within 2^-62 of the pole the result is n K, whatever phi's last bits say
    {"IncompleteFNearPole", kIncompleteFNearPole, specfun::IncompleteF, Measure::Conditioned, 4},
    {"IncompleteFNearOne", kIncompleteFNearOne, specfun::IncompleteF, Measure::Ulps, 8},
    {"IncompleteFAtOne", kIncompleteFAtOne, specfun::IncompleteF, Measure::Ulps, 4},
    {"IncompleteFAboveOne", kIncompleteFAboveOne, specfun::IncompleteF, Measure::Ulps, 8},
    // k sin phi is rounded before 1 - (k sin phi)^2 is formed
    {"IncompleteFAboveOneEdge", kIncompleteFAboveOneEdge, specfun::IncompleteF, Measure::Conditioned, 4},
    {"InverseScPrincipal", kInverseScPrincipal, specfun::InverseSc, Measure::Ulps, 8},
    {"InverseScAtOne", kInverseScAtOne, specfun::InverseSc, Measure::Ulps, 2},
    // arctan x is rounded to an extended phi first: cond is that of F in phi
    {"InverseScNearSingular", kInverseScNearSingular, specfun::InverseSc, Measure::Conditioned, 4},
    // The ends of the exponent range, where an intermediate used to overflow
    // on the way (1/x for a subnormal x, m kc for kc above 2^8130, k^2 for
    // k above 2^8192): the same few ulps as elsewhere, counted on the
    // subnormals' own spacing; with k sin phi next to 1 as in the edge group.
    {"IncompleteFTanExtreme", kIncompleteFTanExtreme, specfun::IncompleteFTan, Measure::Ulps, 6},
    {"IncompleteFTiny", kIncompleteFTiny, specfun::IncompleteF, Measure::Ulps, 6},
    {"InverseScTiny", kInverseScTiny, specfun::InverseSc, Measure::Ulps, 6},
    {"IncompleteFHugeModulus", kIncompleteFHugeModulus, specfun::IncompleteF, Measure::Conditioned, 4},
    // one mean of 1 and k, whatever k's size: a rounding per step
    {"ComplementaryK", kComplementaryK, CallComplementaryK, Measure::Ulps, 4},
    // the mean carried in pairs: its first part is K rounded
    {"QuarterPeriodOfReciprocal", kQuarterPeriodOfReciprocal, CallQuarterPeriodOfReciprocal, Measure::Ulps, 1},
    // formed in pairs and rounded once
    {"ParameterComplementOfReciprocal", kParameterComplementOfReciprocal, CallParameterComplementOfReciprocal,
     Measure::Ulps, 1},
    // an exponential of n pi K'/K and theta sums of a few terms each
    {"EllipticRationalConstant", kEllipticRationalConstant, CallRationalConstant, Measure::Ulps, 6},
    {"EllipticRationalRoot", kEllipticRationalRoot, CallRationalRoot, Measure::Ulps, 6},
    {"EllipticRationalModulus", kEllipticRationalModulus, CallRationalModulus, Measure::Ulps, 6},
};

// The second part of K(1/x): fractions of K formed from the pair carry no
// rounding of K, so the pair must hold K well beyond the extended precision.
TEST(QuarterPeriodOfReciprocal, PairHoldsKToTwiceTheExtendedPrecision) {
  // the reference pair holds K to about 2^-128; 2^-120 leaves the pair's own
  // roundings 8 bits
  constexpr long double kPairBound = 0x1p-120L;
  for (const EllRow& row : kQuarterPeriodOfReciprocal) {
    if (row.f.hi == kRefInf) continue;
    const specfun::ReciprocalModulus got = specfun::QuarterPeriodOfReciprocal(row.a);
    const long double error = __builtin_fabsl((got.k.raw() - row.f.hi) + (got.k_low.raw() - row.f.lo)) / row.f.hi;
    EXPECT_LE(error, kPairBound) << "x = " << Hex(row.a) << ": K = " << Hex(got.k.raw()) << " + "
                                 << Hex(got.k_low.raw()) << ", expected " << Describe(row.f);
  }
}

class EllAccuracy : public ::testing::TestWithParam<EllGroup> {};

TEST_P(EllAccuracy, WithinGroupBound) {
  const EllGroup& group = GetParam();
  GroupWorst group_worst(group.measure);
  for (std::size_t i = 0; i < group.rows.size(); ++i) {
    const EllRow& row = group.rows[i];
    group_worst.Add(i, group.routine(row.a, row.b).raw(), row.f);
  }
  group_worst.Report(group.name, group.tolerance);
  const WorstRow& worst = group_worst.worst();
  const EllRow& row = group.rows[worst.row()];
  EXPECT_LE(worst.error(), group.tolerance)
      << group.name << " row " << worst.row() << ": f(" << Hex(row.a) << ", " << Hex(row.b)
      << ") = " << Hex(worst.got()) << ", expected " << Describe(row.f);
}

INSTANTIATE_TEST_SUITE_P(Reference, EllAccuracy, ::testing::ValuesIn(kEllGroups),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Jacobi functions: sn, cn and dn per row ----------------------------------

struct JacobiGroup {
  const char* name;
  std::span<const JacobiRow> rows;
  bool from_modulus;  // JacobiSn/Cn/Dn(u, k) instead of JacobiSnCnDn(u, mc)
  Measure measure;
  long double tolerance;
};

// Names the case in test listings and failure messages instead of its bytes.
void PrintTo(const JacobiGroup& c, std::ostream* out) { *out << c.name; }

// Bounds as for the integrals; next to k = 1 the quarter period, and with it
// the reach of u, grows without bound, and c u, u sqrt(1 - mc) and the mean c
// are each rounded: hence ulps per (1 + cond) there.
const JacobiGroup kJacobiGroups[] = {
    {"JacobiQuarterPeriod", kJacobiQuarterPeriod, false, Measure::Ulps, 8},
    {"JacobiNegativeMc", kJacobiNegativeMc, false, Measure::Ulps, 8},
    {"JacobiNearUnitModulus", kJacobiNearUnitModulus, false, Measure::Conditioned, 4},
    {"JacobiLargeMc", kJacobiLargeMc, false, Measure::Ulps, 8},
    // c u reaches 64 over twelve quarter periods: its rounding alone is 32 x 2^-64
    {"JacobiPeriods", kJacobiPeriods, false, Measure::Absolute, 64},
    // mc = (1 - k)(1 + k) is rounded before the descent
    {"JacobiFromModulus", kJacobiFromModulus, true, Measure::Ulps, 16},
    // the ascent from c cot(c u), which overflowed when squared, and moduli
    // whose square overflowed
    {"JacobiTinyArgument", kJacobiTinyArgument, false, Measure::Ulps, 8},
    {"JacobiHugeModulus", kJacobiHugeModulus, true, Measure::Ulps, 16},
};

specfun::SnCnDn Evaluate(const JacobiGroup& group, const JacobiRow& row) {
  if (!group.from_modulus) return specfun::JacobiSnCnDn(row.u, row.m);
  return {specfun::JacobiSn(row.u, row.m), specfun::JacobiCn(row.u, row.m), specfun::JacobiDn(row.u, row.m)};
}

class JacobiAccuracy : public ::testing::TestWithParam<JacobiGroup> {};

TEST_P(JacobiAccuracy, WithinGroupBound) {
  const JacobiGroup& group = GetParam();
  const char* names[3] = {"sn", "cn", "dn"};
  const Expected JacobiRow::*expected[3] = {&JacobiRow::sn, &JacobiRow::cn, &JacobiRow::dn};
  GroupWorst group_worst[3] = {GroupWorst(group.measure), GroupWorst(group.measure), GroupWorst(group.measure)};
  for (std::size_t i = 0; i < group.rows.size(); ++i) {
    const JacobiRow& row = group.rows[i];
    const specfun::SnCnDn result = Evaluate(group, row);
    const long double got[3] = {result.sn.raw(), result.cn.raw(), result.dn.raw()};
    for (int f = 0; f < 3; ++f) group_worst[f].Add(i, got[f], row.*expected[f]);
  }
  for (int f = 0; f < 3; ++f) {
    group_worst[f].Report(std::string(group.name) + " " + names[f], group.tolerance);
    const WorstRow& worst = group_worst[f].worst();
    const JacobiRow& row = group.rows[worst.row()];
    EXPECT_LE(worst.error(), group.tolerance)
        << group.name << " " << names[f] << " row " << worst.row() << ": (" << Hex(row.u) << ", " << Hex(row.m)
        << ") = " << Hex(worst.got()) << ", expected " << Describe(row.*expected[f]);
  }
}

INSTANTIATE_TEST_SUITE_P(Reference, JacobiAccuracy, ::testing::ValuesIn(kJacobiGroups),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
