// The response of a list of roots at j*omega: the sums that one pass gives
// (squared distances, angles, delay terms) against the same sums taken term
// by term, for lists of up to a thousand roots; and the gain in dB for the
// constants and products that have no logarithm.
#include "elliptic/root_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "specfun/ext_math.h"
#include "tests/base/extended_printer.h"

namespace {

using base::Extended;
using elliptic::GainDb;
using elliptic::RootTerms;
using elliptic::SumRootTerms;

constexpr long double kUlp = std::numeric_limits<long double>::epsilon();

struct Roots {
  std::string name;
  std::vector<Extended> re{}, im{};
  void Add(long double r, long double i) {
    re.push_back(r);
    im.push_back(i);
  }
};

// The sums term by term, each term as its definition writes it; the product
// as the sum of the logarithms, which no list overflows.  The scale of the
// rounding errors: a product or an angle of a product gains about one unit
// in the last place for each factor, and each term adds its own magnitude's
// rounding.
struct TermByTerm {
  Extended log_magnitude2, angle, delay;
  Extended log_scale, angle_scale, delay_scale;
};

TermByTerm SumTermByTerm(const Roots& roots, Extended omega) {
  TermByTerm t;
  for (std::size_t i = 0; i < roots.re.size(); ++i) {
    const Extended re = roots.re[i], y = omega - roots.im[i];
    const Extended log_m = specfun::NaturalLog(re * re + y * y);
    t.log_magnitude2 += log_m;
    t.log_scale += Extended(1) + base::Abs(log_m);
    const Extended a = specfun::ArcTangent2(y, -re);
    t.angle += a;
    t.angle_scale += Extended(1) + base::Abs(a);
    if (base::Abs(re) > Extended(1e-20L)) {
      const Extended d = (Extended(1) / (((y / re) * (y / re)) + Extended(1))) / re;
      t.delay += d;
      t.delay_scale += base::Abs(d);
    }
  }
  return t;
}

// A fixed sequence in -1 .. 1, the same on every machine.
class Sequence {
 public:
  long double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<long double>(state_ >> 11) / static_cast<long double>(1ULL << 52) - 1;
  }

 private:
  std::uint64_t state_ = 12345;
};

std::vector<Roots> RootLists() {
  std::vector<Roots> lists;
  Roots small{"two pole pairs"};
  small.Add(-0.1L, 1), small.Add(-0.1L, -1), small.Add(-0.5L, 0.6L), small.Add(-0.5L, -0.6L);
  lists.push_back(small);

  Roots circle{"1000 poles on the left half of the unit circle"};
  for (int k = 0; k < 1000; ++k) {
    const long double theta = std::acos(-1.0L) * (2 * k + 1001) / 2000;
    circle.Add(std::cos(theta), std::sin(theta));
  }
  lists.push_back(circle);

  Roots scattered{"1000 roots scattered over both half-planes, 1e-3 to 1e3 from the origin"};
  Sequence random;
  for (int k = 0; k < 1000; ++k) {
    const long double size = std::pow(10.0L, 3 * random.Next());
    scattered.Add(size * random.Next(), size * random.Next());
  }
  lists.push_back(scattered);

  Roots cluster{"1000 roots within 1e-6 of -1e-3 + j"};
  for (int k = 0; k < 1000; ++k) cluster.Add(-1e-3L + 1e-6L * random.Next(), 1 + 1e-6L * random.Next());
  lists.push_back(cluster);

  Roots axis{"500 zero pairs on the imaginary axis and real roots of both signs"};
  for (int k = 1; k <= 500; ++k) axis.Add(0, 0.9L * k), axis.Add(0, -0.9L * k);
  axis.Add(-2, 0), axis.Add(3, 0), axis.Add(1e-21L, 2);
  lists.push_back(axis);

  Roots far{"1000 roots 1e10 away: a product beyond the extended range"};
  for (int k = 0; k < 1000; ++k) far.Add(-1e10L * (1 + random.Next() / 4), 1e10L * random.Next());
  lists.push_back(far);

  Roots near{"1000 roots 1e-8 away: a product below the extended range"};
  for (int k = 0; k < 1000; ++k) near.Add(-1e-8L * (1 + random.Next() / 4), 1e-8L * random.Next());
  lists.push_back(near);
  return lists;
}

// Within a few hundred units in the last place of the error scale: the
// worst lists (a tight cluster, a product far below the range) come to about
// a hundred, most to a few.
TEST(SumRootTerms, AgreesWithTheSumsTakenTermByTerm) {
  constexpr long double kAllowedUlps = 256;
  for (const Roots& roots : RootLists()) {
    const long double allowed = kAllowedUlps * kUlp;
    long double worst[3] = {0, 0, 0};
    long double worst_omega[3] = {0, 0, 0};
    for (const long double omega : {0.0L, 1e-9L, 0.5L, 0.7L, 1.0L, 1.0000001L, 2.5L, 1e3L, 1e12L}) {
      const RootTerms got = SumRootTerms(roots.re, roots.im, omega);
      const TermByTerm want = SumTermByTerm(roots, omega);
      const Extended log_got = specfun::NaturalLog(got.magnitude2) + Extended(got.exponent) * specfun::NaturalLog(2);
      const long double errors[3] = {
          static_cast<long double>((base::Abs(log_got - want.log_magnitude2) / want.log_scale).raw()),
          static_cast<long double>((base::Abs(got.angle - want.angle) / want.angle_scale).raw()),
          want.delay_scale == 0
              ? static_cast<long double>(got.delay.raw())
              : static_cast<long double>((base::Abs(got.delay - want.delay) / want.delay_scale).raw()),
      };
      EXPECT_EQ(got.vanishing, 0);
      for (int i = 0; i < 3; ++i)
        if (errors[i] > worst[i]) worst[i] = errors[i], worst_omega[i] = omega;
    }
    const char* sums[3] = {"log of the product", "angle", "delay"};
    for (int i = 0; i < 3; ++i)
      EXPECT_LE(worst[i], allowed) << roots.name << ": " << sums[i] << " worst at omega "
                                   << static_cast<double>(worst_omega[i]) << ", "
                                   << static_cast<double>(worst[i] / kUlp) << " ulps of the terms' sum";
  }
}

// A root exactly at j*omega: its factor vanishes and stays out of the
// product; its angle, that of the vector (-0, 0), still counts, and its delay
// term, that of a root on the axis, does not.
TEST(SumRootTerms, ARootAtJOmegaVanishes) {
  Roots roots{"a zero pair on the axis and a real zero"};
  roots.Add(0, 1), roots.Add(0, -1), roots.Add(-2, 0);
  const RootTerms got = SumRootTerms(roots.re, roots.im, 1);
  EXPECT_EQ(got.vanishing, 1);
  EXPECT_EQ(got.magnitude2, Extended(4) * Extended(5));
  const Extended angles =
      specfun::ArcTangent2(0, -Extended(0)) + specfun::ArcTangent2(2, 0) + specfun::ArcTangent2(1, 2);
  EXPECT_NEAR(static_cast<double>(got.angle.raw()), static_cast<double>(angles.raw()), 1e-18);
  EXPECT_EQ(got.delay, Extended(-2) / Extended(5));
}

// Roots beyond the range the products are kept in: the squared distance of
// a root near 1e3000 overflows, and the action ends with the fault, as its
// arithmetic raises it.
TEST(SumRootTerms, ARootBeyondTheRangeIsAFaultOfTheArithmetic) {
  for (const long double re : {-1e3000L, 1e3000L}) {
    Roots roots{"one root far out"};
    roots.Add(-1, 1), roots.Add(re, 0);
    try {
      SumRootTerms(roots.re, roots.im, 1);
      ADD_FAILURE() << static_cast<double>(re > 0 ? 1 : -1);
    } catch (const base::FloatError& error) {
      EXPECT_EQ(error.fault(), base::FloatFault::Overflow);
    }
  }
}

// 20 log10 (|c| sqrt(PZ / PP)) as its definition writes it, where it exists.
Extended GainAsDefined(Extended zc, Extended pc, Extended pz, Extended pp) {
  return Extended(20) / specfun::NaturalLog(10) * specfun::NaturalLog(zc / pc * specfun::SquareRoot(pz / pp));
}

TEST(GainDb, IsTheDefinitionWhereItExistsAndALimitWhereItDoesNot) {
  Roots zeros{"a zero pair"}, poles{"two pole pairs"}, axis{"a zero pair on the axis"};
  zeros.Add(-0.3L, 2), zeros.Add(-0.3L, -2);
  poles.Add(-0.1L, 1), poles.Add(-0.1L, -1), poles.Add(-0.5L, 0.6L), poles.Add(-0.5L, -0.6L);
  axis.Add(0, 1.5L), axis.Add(0, -1.5L);
  const Extended omega = 0.8L;
  const RootTerms z = SumRootTerms(zeros.re, zeros.im, omega);
  const RootTerms p = SumRootTerms(poles.re, poles.im, omega);
  const RootTerms on_axis = SumRootTerms(axis.re, axis.im, 1.5L);
  const Extended inf = base::Infinity();
  struct Case {
    const char* name;
    Extended zc, pc;
    const RootTerms& zeros;
    const RootTerms& poles;
    Extended want;
  };
  const Case cases[] = {
      {"the definition, to the last bit", 3, 1.5L, z, p, GainAsDefined(3, 1.5L, z.magnitude2, p.magnitude2)},
      {"a negative c counts by its magnitude", -3, 1.5L, z, p, GainAsDefined(3, 1.5L, z.magnitude2, p.magnitude2)},
      {"a zeros file without its constant", 0, 1, z, p, -inf},
      {"a poles file without its constant", 1, 0, z, p, inf},
      {"on a zero of the axis", 1, 1, on_axis, p, -inf},
      {"on a pole of the axis", 1, 1, z, on_axis, inf},
  };
  for (const Case& c : cases) EXPECT_EQ(GainDb(c.zc, c.pc, c.zeros, c.poles), c.want) << c.name;
  EXPECT_TRUE(base::IsNaN(GainDb(0, 0, z, p))) << "both constants 0";
  EXPECT_TRUE(base::IsNaN(GainDb(1, 1, on_axis, on_axis))) << "on a zero and a pole at once";
}

// Products and constants beyond the extended range: the gain is still 20
// log10 of the whole, within the rounding of the logarithms.
TEST(GainDb, ProductsAndConstantsBeyondTheRange) {
  const std::vector<Roots> lists = RootLists();
  const Roots& far = lists[5];
  const Roots& near = lists[6];
  const Extended omega = 1e-9L;
  const RootTerms z = SumRootTerms(far.re, far.im, omega);
  const RootTerms p = SumRootTerms(near.re, near.im, omega);
  ASSERT_GT(z.exponent, 0);
  ASSERT_LT(p.exponent, 0);
  const Extended db_per_neper = Extended(20) / specfun::NaturalLog(10);
  const Extended products =
      (SumTermByTerm(far, omega).log_magnitude2 - SumTermByTerm(near, omega).log_magnitude2) / Extended(2);
  struct Case {
    long double zc, pc;
  };
  for (const Case c : {Case{1, 1}, Case{1e4000L, 1e-4000L}, Case{-1e-4000L, 1e4000L}}) {
    const Extended want = db_per_neper * (specfun::NaturalLog(base::Abs(Extended(c.zc))) -
                                          specfun::NaturalLog(Extended(c.pc)) + products);
    const Extended got = GainDb(c.zc, c.pc, z, p);
    EXPECT_LE(base::Abs(got - want), base::Abs(want) * Extended(1e-17L))
        << static_cast<double>(c.zc) << " / " << static_cast<double>(c.pc) << ": " << static_cast<double>(got.raw())
        << " dB";
  }
}

}  // namespace
