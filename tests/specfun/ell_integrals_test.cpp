// The elliptic routines at their special arguments and through their
// identities; their accuracy over whole ranges is ell_reference_test.cpp's.
#include "specfun/ell_integrals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"
#include "specfun/special_functions.h"
#include "tests/specfun/ulp_error.h"

namespace {

using base::Extended;
using base::IsNaN;
using specfun::testing::AbsoluteError;
using specfun::testing::UlpError;
namespace sf = specfun;

using specfun::constants::kPiOver2;

long double Ulps(Extended got, Extended expected) { return UlpError(got.raw(), expected.raw()); }

const std::vector<long double> kModuli = {1e-3L, 0.1L, 0.5L, 0.8L, 0.99L, 0.999999L};

// ---- CompleteK ---------------------------------------------------------------

TEST(CompleteK, SeriesForSmallModuli) {
  EXPECT_EQ(sf::CompleteK(0).raw(), kPiOver2);
  const Extended expected = Extended(kPiOver2) * (Extended(1) + Extended(2.5e-11L));
  EXPECT_LE(Ulps(sf::CompleteK(1e-5L), expected), 1);
}

TEST(CompleteK, InfiniteAtOneAndNaNBeyond) {
  EXPECT_EQ(sf::CompleteK(1).raw(), INFINITY);
  EXPECT_EQ(sf::CompleteK(-1).raw(), INFINITY);
  for (long double k :
       {1.5L, -1.5L, 1.0L + 0x1p-63L, 1e4000L, (long double)NAN, (long double)INFINITY, -(long double)INFINITY}) {
    EXPECT_TRUE(IsNaN(sf::CompleteK(k))) << k;
  }
}

TEST(CompleteK, EvenInTheModulus) {
  for (long double k : kModuli) EXPECT_EQ(sf::CompleteK(-k).raw(), sf::CompleteK(k).raw()) << k;
  EXPECT_EQ(sf::CompleteK(-0.5L).raw(), sf::CompleteK(0.5L).raw());
}

// ---- FractionOf ----------------------------------------------------------------

// (m/n)(hi + lo) rounded once, where the product of a rounded m/n and hi
// would be an ulp off, or where lo decides the rounding.
TEST(FractionOf, RoundsTheExactFractionOnce) {
  struct Case {
    std::int32_t m, n;
    long double hi, lo, expected;
  } cases[] = {
      // hi = n x exactly, for an x of 57 bits
      {3, 5, 0xb.a013d723249bc2p-1L, 0, 0xd.f34b022a2bee1cp-2L},
      {5, 7, 0x9.cd6dfa604e6354p+0L, 0, 0xe.00e6411bddb278p-1L},
      {7, 12, 0xc.fada5320a07144p+0L, 0, 0xf.24a960fb65d97ap-1L},
      {1, 7, 7, 7 * 0x3p-65L, 1 + 0x1p-63L},  // 1 + 0.75 ulp rounds up only with lo
      {0, 9, 5, 1e-20L, 0},
      {9, 9, 5, 1e-20L, 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sf::FractionOf(c.m, c.n, c.hi, c.lo).raw(), c.expected) << c.m << "/" << c.n;
    EXPECT_EQ(sf::special_functions::FractionOf(c.m, c.n, c.hi, c.lo).raw(), c.expected) << c.m << "/" << c.n;
  }
}

// ---- ReduceModPi ---------------------------------------------------------------

struct ReductionCase {
  long double phi;
  long double n;
  long double r;  // 0 where the pole flag makes it meaningless
  bool pole;
};

TEST(ReduceModPi, QuarterPeriodsRemainderAndPole) {
  const ReductionCase cases[] = {
      {0.5L, 0, 0.5L, false},
      {-0.5L, 0, 0.5L, false},                  // |phi|
      {4, 2, 4 - base::Pi().raw(), false},      // one half-turn, r = 4 - pi
      {5, 4, 5 - 2 * base::Pi().raw(), false},  // two half-turns, r < 0
      {kPiOver2, 1, 0, true},                   // F = K
      {-3 * kPiOver2, 3, 0, true},              // F = -3K
      {5 * kPiOver2, 5, 0, true},
      {kPiOver2 - 0x1p-63L, 1, 0, true},  // one ulp below pi/2 is still the pole
      {kPiOver2 - 0x1p-60L, 0, kPiOver2 - 0x1p-60L, false},
  };
  for (const ReductionCase& c : cases) {
    const sf::ModPiReduction got = sf::ReduceModPi(c.phi);
    EXPECT_EQ(got.pole, c.pole) << c.phi;
    EXPECT_EQ(got.n.raw(), c.n) << c.phi;
    if (!c.pole) {
      EXPECT_LE(AbsoluteError(got.r.raw(), c.r), 8) << c.phi;
    }
  }
}

// ---- IncompleteF -------------------------------------------------------------

TEST(IncompleteF, OddMultiplesOfHalfPiGiveWholeQuarterPeriods) {
  for (long double k : kModuli) {
    const Extended big_k = sf::CompleteK(k);
    EXPECT_EQ(sf::IncompleteF(kPiOver2, k).raw(), big_k.raw()) << k;
    EXPECT_EQ(sf::IncompleteF(-kPiOver2, k).raw(), (-big_k).raw()) << k;
    EXPECT_EQ(sf::IncompleteF(3 * kPiOver2, k).raw(), (Extended(3) * big_k).raw()) << k;
    EXPECT_LE(Ulps(sf::IncompleteF(base::Pi(), k), Extended(2) * big_k), 1) << k;
    EXPECT_LE(Ulps(sf::IncompleteF(-4 * base::Pi().raw(), k), Extended(-8) * big_k), 1) << k;
  }
}

TEST(IncompleteF, OddInPhiEvenInK) {
  const struct {
    long double phi, k;
  } cases[] = {{1e-300L, 0.2L}, {0.3L, 0.2L}, {1.5L, 0.9L}, {2.0L, 0.9L}, {4.7L, 0.5L}, {30.0L, 0.999L},
               {1e6L, 0.3L},    {1.2L, 1.0L}, {0.3L, 1.5L}, {0.6L, 1.2L}, {1e-9L, 1e6L}};
  for (const auto& c : cases) {
    const Extended plus = sf::IncompleteF(c.phi, c.k);
    ASSERT_FALSE(IsNaN(plus)) << c.phi << " " << c.k;
    EXPECT_EQ(sf::IncompleteF(-c.phi, c.k).raw(), (-plus).raw()) << c.phi << " " << c.k;
    EXPECT_EQ(sf::IncompleteF(c.phi, -c.k).raw(), plus.raw()) << c.phi << " " << c.k;
  }
}

TEST(IncompleteF, ZeroModulusAndZeroAmplitude) {
  for (long double phi : {1e-4000L, -0.5L, 3.0L, -100.0L, 1e20L}) {
    EXPECT_EQ(sf::IncompleteF(phi, 0).raw(), phi);
  }
  for (long double k : {0.0L, 0.5L, 1.0L, 2.0L, 1e10L}) EXPECT_EQ(sf::IncompleteF(0, k).raw(), 0.0L) << k;
}

TEST(IncompleteF, UnitModulusIsTheInverseGudermannian) {
  EXPECT_EQ(sf::IncompleteF(1, 1).raw(), sf::InverseGudermannian(1).raw());
  EXPECT_EQ(sf::IncompleteF(-1.2L, -1).raw(), sf::InverseGudermannian(-1.2L).raw());
  EXPECT_EQ(sf::IncompleteF(2, 1).raw(), INFINITY);
  EXPECT_EQ(sf::IncompleteF(-2, 1).raw(), -INFINITY);
  EXPECT_EQ(sf::IncompleteF(kPiOver2, 1).raw(), INFINITY);  // |phi| < pi/2 fails at pi/2 itself
}

TEST(IncompleteF, ModulusAboveOneOutsideItsDomainIsNaN) {
  EXPECT_TRUE(IsNaN(sf::IncompleteF(kPiOver2, 2)));  // 2 sin phi = 2
  EXPECT_TRUE(IsNaN(sf::IncompleteF(-0.6L, 2)));     // 2 sin phi = -1.13
  EXPECT_TRUE(IsNaN(sf::IncompleteF(3, 1.01L)));     // |k sin phi| < 1 but |phi| > pi/2
}

// The phi next to pi/6 whose sine the library rounds to exactly 1/2.
Extended PhiWithTwiceSineOne() {
  constexpr long double kNearestToPiOver6 = 0x860A91C16B9B2C23p-64L;
  constexpr long double kUlp = 0x1p-64L;
  for (long double offset : {0.0L, 1.0L, -1.0L, 2.0L, -2.0L, 3.0L, -3.0L}) {
    const Extended phi = kNearestToPiOver6 + offset * kUlp;
    if (Extended(2) * sf::Sine(phi) == Extended(1)) return phi;
  }
  return kNearestToPiOver6;
}

TEST(IncompleteF, ModulusAboveOneAtTheEndOfItsDomain) {
  const Extended phi = PhiWithTwiceSineOne();
  ASSERT_EQ((Extended(2) * sf::Sine(phi)).raw(), 1.0L);
  const Extended half = sf::CompleteK(0.5L) / Extended(2);
  EXPECT_LE(Ulps(sf::IncompleteF(phi, 2), half), 1);
  EXPECT_LE(Ulps(sf::IncompleteF(-phi, 2), -half), 1);
}

// ---- IncompleteFTan ----------------------------------------------------------

TEST(IncompleteFTan, LimitsOfTheComplement) {
  for (long double x : {1e-30L, 0.25L, 1.0L, -3.0L, 1e8L, -1e300L}) {
    EXPECT_EQ(sf::IncompleteFTan(x, 0).raw(), sf::InverseHyperbolicSine(x).raw()) << x;
    EXPECT_LE(Ulps(sf::IncompleteFTan(x, 1), sf::ArcTangent(x)), 2) << x;
    EXPECT_LE(Ulps(sf::IncompleteFTan(x, -1), sf::ArcTangent(x)), 2) << x;  // |kc|
  }
  EXPECT_EQ(sf::IncompleteFTan(0, 0.5L).raw(), 0.0L);
}

// ---- JacobiSnCnDn ------------------------------------------------------------

const std::vector<long double> kArguments = {1e-20L, 0.3L, -1.0L, 2.5L, 10.0L, -40.0L, 1e5L};

TEST(JacobiSnCnDn, CircularAndHyperbolicLimits) {
  for (long double u : kArguments) {
    const sf::SinCos circular = sf::SineCosine(u);
    const sf::SnCnDn at_one = sf::JacobiSnCnDn(u, 1);
    EXPECT_EQ(at_one.sn.raw(), circular.sin.raw()) << u;
    EXPECT_EQ(at_one.cn.raw(), circular.cos.raw()) << u;
    EXPECT_EQ(at_one.dn.raw(), 1.0L) << u;
    const sf::SnCnDn at_zero = sf::JacobiSnCnDn(u, 0);
    EXPECT_EQ(at_zero.sn.raw(), sf::HyperbolicTangent(u).raw()) << u;
    EXPECT_EQ(at_zero.cn.raw(), sf::HyperbolicSecant(u).raw()) << u;
    EXPECT_EQ(at_zero.dn.raw(), at_zero.cn.raw()) << u;
  }
}

TEST(JacobiSnCnDn, ZeroArgument) {
  for (long double mc : {0.5L, 0.0L, 1.0L, -3.0L, 7.0L, 1e-30L}) {
    const sf::SnCnDn got = sf::JacobiSnCnDn(0, mc);
    EXPECT_EQ(got.sn.raw(), 0.0L) << mc;
    EXPECT_EQ(got.cn.raw(), 1.0L) << mc;
    EXPECT_EQ(got.dn.raw(), 1.0L) << mc;
  }
}

// Left open by the routine's contract: a NaN or infinite u or mc gives three
// NaNs, quietly, instead of running the descent on them.
TEST(JacobiSnCnDn, NotFiniteArgumentsGiveNaN) {
  const long double bad[] = {NAN, INFINITY, -INFINITY};
  for (long double x : bad) {
    for (const sf::SnCnDn& got : {sf::JacobiSnCnDn(x, 0.5L), sf::JacobiSnCnDn(0.5L, x), sf::JacobiSnCnDn(0, x),
                                  sf::JacobiSnCnDn(x, 0), sf::JacobiSnCnDn(x, 1), sf::JacobiSnCnDn(x, -2)}) {
      EXPECT_TRUE(IsNaN(got.sn) && IsNaN(got.cn) && IsNaN(got.dn)) << x;
    }
  }
}

TEST(JacobiSnCnDn, QuarterPeriodIsTheTopOfSn) {
  for (long double k : kModuli) {
    const Extended big_k = sf::CompleteK(k);
    EXPECT_LE(Ulps(sf::JacobiSn(big_k, k), 1), 1) << k;
    // cn(K) = 0 up to the rounding of K itself, about k' ulp(K)
    EXPECT_LE(AbsoluteError(sf::JacobiCn(big_k, k).raw(), 0), 8) << k;
    EXPECT_LE(Ulps(sf::JacobiSn(-big_k, k), -1), 1) << k;
  }
}

TEST(JacobiSnCnDn, PythagoreanIdentities) {
  for (long double k : {0.1L, 0.5L, 0.9L, 0.999999L, 1.5L, 10.0L}) {
    for (long double u : {0.2L, 1.0L, -2.5L, 7.0L, 30.0L}) {
      const Extended sn = sf::JacobiSn(u, k), cn = sf::JacobiCn(u, k), dn = sf::JacobiDn(u, k);
      EXPECT_LE(AbsoluteError((sn * sn + cn * cn).raw(), 1), 8) << u << " " << k;
      EXPECT_LE(AbsoluteError((dn * dn + Extended(k) * Extended(k) * sn * sn).raw(), 1), 8) << u << " " << k;
    }
  }
}

// u so large that the phase c u d of the descent lies beyond the extended
// range: no digit of u is left in it, but sn, cn and dn must still be a
// point of the curve rather than an overflow.
TEST(JacobiSnCnDn, PhaseBeyondTheExponentRange) {
  constexpr long double kLargest = 0x1.fffffffffffffffep16383L;
  const struct {
    long double u, k;
  } cases[] = {{kLargest, 2}, {-kLargest, 1.5L}, {kLargest, 1e3000L}, {0x1p16000L, 1e300L}};
  for (const auto& c : cases) {
    const Extended sn = sf::JacobiSn(c.u, c.k), cn = sf::JacobiCn(c.u, c.k), dn = sf::JacobiDn(c.u, c.k);
    const Extended k_sn = Extended(c.k) * sn;
    EXPECT_LE(AbsoluteError((sn * sn + cn * cn).raw(), 1), 8) << c.u << " " << c.k;
    EXPECT_LE(AbsoluteError((dn * dn + k_sn * k_sn).raw(), 1), 8) << c.u << " " << c.k;
  }
  // an imaginary modulus: mc = 4 puts the mean of the descent above 1
  const sf::SnCnDn got = sf::JacobiSnCnDn(kLargest, 4);
  EXPECT_LE(AbsoluteError((got.sn * got.sn + got.cn * got.cn).raw(), 1), 8);
  EXPECT_LE(AbsoluteError((got.dn * got.dn - Extended(3) * got.sn * got.sn).raw(), 1), 8);
}

// k = 2 maps onto k = 1/2 with twice the argument: the reciprocal-modulus
// transformation is then exact, so the two sides agree to the bit.
TEST(JacobiSnCnDn, ReciprocalModulus) {
  for (long double u : {0.1L, 0.7L, -0.9L, 3.0L, 12.5L}) {
    EXPECT_EQ(sf::JacobiSn(u, 2).raw(), (sf::JacobiSn(2 * u, 0.5L) / Extended(2)).raw()) << u;
    EXPECT_EQ(sf::JacobiCn(u, 2).raw(), sf::JacobiDn(2 * u, 0.5L).raw()) << u;
    EXPECT_EQ(sf::JacobiDn(u, 2).raw(), sf::JacobiCn(2 * u, 0.5L).raw()) << u;
  }
}

TEST(JacobiSnCnDn, ModulusEntriesUseTheComplementaryParameter) {
  for (long double k : {0.3L, -0.3L, 2.0L}) {
    const sf::SnCnDn all = sf::JacobiSnCnDn(0.8L, (Extended(1) - Extended(k)) * (Extended(1) + Extended(k)));
    EXPECT_EQ(sf::JacobiSn(0.8L, k).raw(), all.sn.raw()) << k;
    EXPECT_EQ(sf::JacobiCn(0.8L, k).raw(), all.cn.raw()) << k;
    EXPECT_EQ(sf::JacobiDn(0.8L, k).raw(), all.dn.raw()) << k;
  }
}

// ---- InverseSc ---------------------------------------------------------------

TEST(InverseSc, LimitsOfTheModulus) {
  for (long double x : {1e-20L, 0.5L, -3.0L, 1e10L}) {
    EXPECT_EQ(sf::InverseSc(x, 1).raw(), sf::InverseHyperbolicSine(x).raw()) << x;
    EXPECT_EQ(sf::InverseSc(x, -1).raw(), sf::InverseHyperbolicSine(x).raw()) << x;
    EXPECT_EQ(sf::InverseSc(x, 0).raw(), sf::ArcTangent(x).raw()) << x;
  }
}

TEST(InverseSc, InvertsSnOverCnInsideTheQuarterPeriod) {
  for (long double k : {0.1L, 0.5L, 0.9L, 0.99L}) {
    const Extended big_k = sf::CompleteK(k);
    for (long double fraction : {-0.95L, -0.5L, 1e-10L, 0.3L, 0.8L, 0.95L}) {
      const Extended u = Extended(fraction) * big_k;
      const Extended sc = sf::JacobiSn(u, k) / sf::JacobiCn(u, k);
      EXPECT_LE(Ulps(sf::InverseSc(sc, k), u), 16) << fraction << " " << k;
    }
  }
}

// ---- not finite arguments ------------------------------------------------------

TEST(EllIntegrals, NotFiniteArgumentsGiveNaN) {
  for (long double bad : {(long double)NAN, (long double)INFINITY, -(long double)INFINITY}) {
    EXPECT_TRUE(IsNaN(sf::IncompleteFTan(bad, 0.5L)));
    EXPECT_TRUE(IsNaN(sf::IncompleteFTan(0.5L, bad)));
    EXPECT_TRUE(IsNaN(sf::IncompleteFTan(0, bad)));
    EXPECT_TRUE(IsNaN(sf::IncompleteF(bad, 0.5L)));
    EXPECT_TRUE(IsNaN(sf::IncompleteF(0, bad)));
    EXPECT_TRUE(IsNaN(sf::IncompleteF(bad, 0)));
    EXPECT_TRUE(IsNaN(sf::InverseSc(bad, 0.5L)));
    EXPECT_TRUE(IsNaN(sf::InverseSc(0.5L, bad)));
    EXPECT_TRUE(IsNaN(sf::ComplementaryK(bad)));
    EXPECT_TRUE(IsNaN(sf::QuarterPeriodOfReciprocal(bad).k));
    for (auto entry : {sf::JacobiSn, sf::JacobiCn, sf::JacobiDn}) {
      EXPECT_TRUE(IsNaN(entry(bad, 0.5L)));
      EXPECT_TRUE(IsNaN(entry(0, bad)));
    }
  }
}

// ---- the designer's entries ------------------------------------------------------

TEST(SpecialFunctions, EntriesReturnTheRoutinesResults) {
  for (long double k : {0.5L, 0.99L, 1.0L, 3.0L}) {
    for (long double x : {0.5L, -1.1L, 7.0L}) {
      EXPECT_EQ(sf::special_functions::CompleteK(x / 8).raw(), sf::CompleteK(x / 8).raw());
      const auto same = [](Extended a, Extended b) { return a.raw() == b.raw() || (IsNaN(a) && IsNaN(b)); };
      EXPECT_TRUE(same(sf::special_functions::IncompleteF(x, k), sf::IncompleteF(x, k)));
      EXPECT_TRUE(same(sf::special_functions::JacobiSn(x, k), sf::JacobiSn(x, k)));
      EXPECT_TRUE(same(sf::special_functions::JacobiCn(x, k), sf::JacobiCn(x, k)));
      EXPECT_TRUE(same(sf::special_functions::JacobiDn(x, k), sf::JacobiDn(x, k)));
      EXPECT_TRUE(same(sf::special_functions::InverseSc(x, k), sf::InverseSc(x, k)));
      const sf::SnCnDn ours = sf::special_functions::JacobiSnCnDn(x, 1 - k);
      const sf::SnCnDn theirs = sf::JacobiSnCnDn(x, 1 - k);
      EXPECT_TRUE(same(ours.sn, theirs.sn) && same(ours.cn, theirs.cn) && same(ours.dn, theirs.dn));
      EXPECT_TRUE(same(sf::special_functions::ComplementaryK(x / 8), sf::ComplementaryK(x / 8)));
      EXPECT_TRUE(same(sf::special_functions::IncompleteFTan(x, k), sf::IncompleteFTan(x, k)));
    }
    const sf::ReciprocalModulus ours = sf::special_functions::QuarterPeriodOfReciprocal(k + 1);
    const sf::ReciprocalModulus theirs = sf::QuarterPeriodOfReciprocal(k + 1);
    EXPECT_TRUE(ours.mc == theirs.mc && ours.k == theirs.k && ours.k_low == theirs.k_low);
    for (std::int32_t n : {2, 5}) {
      const sf::EllipticRational a = sf::special_functions::EllipticRationalOf(n, k + 1);
      const sf::EllipticRational b = sf::EllipticRationalOf(n, k + 1);
      EXPECT_TRUE(a.constant == b.constant && a.root_of_l == b.root_of_l && a.modulus == b.modulus);
    }
  }
}

// The designer's "test the special functions" button at its defaults,
// k = 0.5 and x = 0.5, with the values it shows to seven digits.
TEST(SpecialFunctions, DesignerTestAtTheDefaults) {
  namespace entry = sf::special_functions;
  const Extended k = 0.5L, x = 0.5L;
  const Extended mc = (Extended(1) - k) * (Extended(1) + k);
  EXPECT_EQ(mc.raw(), 0.75L);
  const sf::SnCnDn jacobi = entry::JacobiSnCnDn(x, mc);
  const struct {
    const char* what;
    Extended got;
    double shown;
  } rows[] = {
      {"K(k)", entry::CompleteK(k), 1.685750},
      {"F(x,k)", entry::IncompleteF(x, k), 0.5050887},
      {"sn", jacobi.sn, 0.4750829},
      {"cn", jacobi.cn, 0.8799410},
      {"dn", jacobi.dn, 0.9713774},
      {"arcsc", entry::InverseSc(x, k), 0.4677191},
  };
  for (const auto& row : rows) EXPECT_NEAR(static_cast<double>(row.got.raw()), row.shown, 5e-7) << row.what;
  // the two routes of the button show the same numbers
  EXPECT_EQ(entry::JacobiSn(x, k).raw(), jacobi.sn.raw());
  EXPECT_EQ(entry::JacobiCn(x, k).raw(), jacobi.cn.raw());
  EXPECT_EQ(entry::JacobiDn(x, k).raw(), jacobi.dn.raw());
  EXPECT_EQ(entry::InverseSc(x, k).raw(), entry::IncompleteF(sf::ArcTangent(x), k).raw());
}

}  // namespace
