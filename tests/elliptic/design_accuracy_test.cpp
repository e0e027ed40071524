// Accuracy of the four designs against 40-digit references computed from the
// textbook formulas (reference/generate_design_reference.py), at the default
// requirement and forced orders 1 to 41, the elliptic design also at 100
// and 1000.
//
// The error of a pole is |got - ref| / |ref| as a complex number, of a zero or
// a constant the relative error of the real value.  Values that the
// designer's own formulas make ill-conditioned (products of N rounded
// factors, the cancellation in 1 - wza^2 next to the band edge, the cosine of
// an angle near pi/2) are measured per unit of their condition, which the
// generator computes; every other value must be within 1e-18 outright.  A
// failure names the group's worst row; the worst plain relative errors are
// printed for the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "elliptic/classical_designs.h"
#include "elliptic/elliptic_design.h"
#include "tests/elliptic/design_sinks.h"

namespace {

using base::Extended;
using elliptic::ClassicalPole;
using elliptic_test::ClassicalRecord;
using elliptic_test::FixedEllipticOrder;

struct RefValue {
  long double value, cond;
};
struct RefComplex {
  long double re, im, cond;
};
struct PeerComplex {
  double re, im;
};
struct EllipticCase {
  int order, first_wza, first_wz, first_pole;
  RefValue k0, v0, alfa, amin, c;
};
struct ClassicalCase {
  int order, first_pole, first_zero;
  RefValue wpn, c;
};
struct PeerCase {
  int order;
  long double ws;
  int peer_pole, peer_zero, exact_pole, exact_zero, designer_pole, designer_zero;
};

#include "tests/elliptic/reference/design_reference.inc"

// A few units in the last place of the 64-bit significand.
constexpr long double kBound = 1e-18L;
// The imaginary part of the real pole of an odd classical order is what the
// cosine leaves at an angle within an ulp of pi/2 (up to 2^-63), times at
// most coth of the ellipse's parameter, about 29 at order 41.
constexpr long double kResidueBound = 4e-18L;

const elliptic::Requirement kDefaults{1, 40, 1, 2};

long double Relative(long double got, long double ref) { return std::fabs(got - ref) / std::fabs(ref); }

long double Relative(long double re, long double im, const RefComplex& ref) {
  return std::hypot(re - ref.re, im - ref.im) / std::hypot(ref.re, ref.im);
}

// The worst row of a group: the plain relative error, and the one per unit
// of condition that the bound applies to.
class Worst {
 public:
  explicit Worst(std::string group, long double bound = kBound) : group_(std::move(group)), bound_(bound) {}

  void Add(long double error, const std::string& row, long double cond = 1) {
    const long double conditioned = error / std::max(1.0L, cond);
    if (!(conditioned <= conditioned_)) {
      conditioned_ = conditioned;
      row_ = row;
    }
    plain_ = std::max(plain_, error);
  }
  long double conditioned() const { return conditioned_; }
  long double bound() const { return bound_; }
  std::string Report() const {
    char text[160];
    std::snprintf(text, sizeof text, ": worst relative error %.3Lg, per unit of condition %.3Lg at ", plain_,
                  conditioned_);
    return group_ + text + row_;
  }

 private:
  std::string group_;
  long double bound_;
  long double plain_ = 0, conditioned_ = 0;
  std::string row_ = "-";
};

void Check(const std::vector<const Worst*>& groups) {
  for (const Worst* group : groups) {
    std::cout << group->Report() << '\n';
    EXPECT_LT(group->conditioned(), group->bound()) << group->Report();
  }
}

std::string Row(int order, const std::string& what, int index = 0) {
  return "order " + std::to_string(order) + " " + what + (index ? " " + std::to_string(index) : std::string());
}

elliptic::EpsilonAlfa DefaultEpsilonAlfa() { return elliptic::ComputeEpsilonAlfa(kDefaults.amax, kDefaults.amin); }

TEST(DesignAccuracy, EpsilonAlfaAndComputedOrders) {
  const elliptic::EpsilonAlfa ea = DefaultEpsilonAlfa();
  Worst worst("epsilon, alfa and n");
  worst.Add(Relative(ea.epsilon.raw(), kEpsilon), "epsilon");
  worst.Add(Relative(ea.alfa2.raw(), kAlfa2), "alfa^2");
  worst.Add(Relative(ea.alfa.raw(), kAlfa), "alfa");
  ClassicalRecord butterworth(1), chebyshev(1);
  elliptic::DesignButterworth(kDefaults, ea, butterworth);
  elliptic::DesignChebyshev(kDefaults, ea, chebyshev);
  worst.Add(Relative(butterworth.computed_n.raw(), kButterworthN.value), "Butterworth n", kButterworthN.cond);
  worst.Add(Relative(chebyshev.computed_n.raw(), kChebyshevN.value), "Chebyshev n", kChebyshevN.cond);
  FixedEllipticOrder elliptic_order(4);
  elliptic::EllipticDesign design;
  elliptic::DesignElliptic(kDefaults, ea, elliptic_order, design);
  worst.Add(Relative(elliptic_order.computed_n.raw(), kEllipticN.value), "elliptic n", kEllipticN.cond);
  Check({&worst});
}

struct EllipticGroups {
  Worst wza{"elliptic attenuation zeros"}, wz{"elliptic transmission zeros"}, poles{"elliptic poles"};
  Worst v0{"v0"}, k0{"k0"}, alfa{"alfa"}, amin{"Amin"}, c{"elliptic c"};
};

void CheckElliptic(const EllipticCase& ref, EllipticGroups& groups) {
  const elliptic::EpsilonAlfa ea = DefaultEpsilonAlfa();
  FixedEllipticOrder order(ref.order);
  elliptic::EllipticDesign design;
  ASSERT_TRUE(elliptic::DesignElliptic(kDefaults, ea, order, design));
  const int n = ref.order;
  for (int i = 1; i <= design.Pairs(); ++i) {
    groups.wza.Add(Relative(design.wza[i].raw(), kEllipticWza[ref.first_wza + i - 1]), Row(n, "wza", i));
    groups.wz.Add(Relative(elliptic::TransmissionZero(design, i).raw(), kEllipticWz[ref.first_wz + i - 1]),
                  Row(n, "wz", i));
  }
  for (int i = 1; i <= (n + 1) / 2; ++i) {
    const RefComplex& pole = kEllipticPoles[ref.first_pole + i - 1];
    groups.poles.Add(Relative(design.re[i].raw(), design.im[i].raw(), pole), Row(n, "pole", i), pole.cond);
  }
  const Extended alfa = elliptic::CharacteristicAlfa(design);
  groups.v0.Add(Relative(design.v0.raw(), ref.v0.value), Row(n, "v0"), ref.v0.cond);
  groups.k0.Add(Relative(design.k0.raw(), ref.k0.value), Row(n, "k0"), ref.k0.cond);
  groups.alfa.Add(Relative(alfa.raw(), ref.alfa.value), Row(n, "alfa"), ref.alfa.cond);
  groups.amin.Add(Relative(elliptic::StopBandAttenuation(ea.epsilon, alfa).raw(), ref.amin.value), Row(n, "Amin"),
                  ref.amin.cond);
  groups.c.Add(Relative(elliptic::GainConstant(design).raw(), ref.c.value), Row(n, "c"), ref.c.cond);
}

void CheckEllipticOrders(int low, int high) {
  EllipticGroups groups;
  for (const EllipticCase& ref : kEllipticCases)
    if (ref.order >= low && ref.order <= high) CheckElliptic(ref, groups);
  Check({&groups.wza, &groups.wz, &groups.poles, &groups.v0, &groups.k0, &groups.alfa, &groups.amin, &groups.c});
}

TEST(DesignAccuracy, EllipticOrdersOneTo41) { CheckEllipticOrders(1, 41); }

TEST(DesignAccuracy, EllipticOrders100And1000) { CheckEllipticOrders(100, 1000); }

using ClassicalDesign = void (*)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&,
                                 elliptic::ClassicalSink&);

struct ClassicalReference {
  const char* name;
  ClassicalDesign design;
  const ClassicalCase* cases;
  std::size_t count;
  const RefComplex* poles;
  const RefValue* zeros;
};

void CheckClassical(const ClassicalReference& reference) {
  const std::string name = reference.name;
  Worst poles(name + " poles"), residues(name + " real poles' imaginary residue", kResidueBound),
      zeros(name + " zeros"), constants(name + " c and wpn");
  for (std::size_t k = 0; k < reference.count; ++k) {
    const ClassicalCase& ref = reference.cases[k];
    const int n = ref.order;
    ClassicalRecord record(n);
    reference.design(kDefaults, DefaultEpsilonAlfa(), record);
    ASSERT_EQ(record.poles.size(), static_cast<std::size_t>(n));
    for (int i = 1; i <= (n + 1) / 2; ++i) {
      const RefComplex& upper = reference.poles[ref.first_pole + i - 1];
      for (const int index : {i, n + 1 - i}) {
        const ClassicalPole& got = record.poles[static_cast<std::size_t>(index - 1)];
        const long double im = index == i ? got.im.raw() : -got.im.raw();
        if (upper.im == 0) {
          poles.Add(Relative(got.re.raw(), upper.re), Row(n, "pole", index));
          residues.Add(std::fabs(im) / std::fabs(upper.re), Row(n, "pole", index));
        } else {
          poles.Add(Relative(got.re.raw(), im, upper), Row(n, "pole", index), upper.cond);
        }
      }
    }
    for (std::size_t i = 0; i < record.zeros.size(); ++i) {
      const RefValue& zero = reference.zeros[ref.first_zero + static_cast<int>(i)];
      zeros.Add(Relative(record.zeros[i].raw(), zero.value), Row(n, "wz", static_cast<int>(i) + 1), zero.cond);
    }
    constants.Add(Relative(record.c.raw(), ref.c.value), Row(n, "c"), ref.c.cond);
    if (ref.wpn.value != 0) constants.Add(Relative(record.wpn.raw(), ref.wpn.value), Row(n, "wpn"), ref.wpn.cond);
  }
  Check({&poles, &residues, &zeros, &constants});
}

TEST(DesignAccuracy, ButterworthOrdersOneTo41) {
  CheckClassical({"Butterworth", elliptic::DesignButterworth, kButterworthCases, std::size(kButterworthCases),
                  kButterworthPoles, kButterworthZeros});
}

TEST(DesignAccuracy, ChebyshevOrdersOneTo41) {
  CheckClassical({"Chebyshev", elliptic::DesignChebyshev, kChebyshevCases, std::size(kChebyshevCases), kChebyshevPoles,
                  kChebyshevZeros});
}

TEST(DesignAccuracy, InverseChebyshevOrdersOneTo41) {
  CheckClassical({"inverse Chebyshev", elliptic::DesignInverseChebyshev, kInverseChebyshevCases,
                  std::size(kInverseChebyshevCases), kInverseChebyshevPoles, kInverseChebyshevZeros});
}

// The elliptic prototype of a double-precision peer (scipy's ellipap for
// Amax 1 and Amin 40, recorded by the generator) against the reference of the
// same problem, and the designer's design of it: the selectivity that gives
// exactly that order typed as ws, the order forced.  Up to order 10 the peer
// is within a few ulps of double precision; from order 20 on the selectivity
// lies so close to 1 that the complementary modulus cancels, which costs the
// peer all its digits by order 40 and the designer, with eleven more bits, the
// same number of digits from a smaller start.
TEST(DesignAccuracy, DoublePrecisionPeer) {
  for (const PeerCase& ref : kPeerCases) {
    const int n = ref.order;
    const int upper = (n + 1) / 2, pairs = n / 2;
    long double peer = 0, ours = 0;
    for (int i = 0; i < upper; ++i) {
      const PeerComplex& p = kPeerPoles[ref.peer_pole + i];
      peer = std::max(peer, Relative(p.re, p.im, kPeerExactPoles[ref.exact_pole + i]));
    }
    for (int i = 0; i < pairs; ++i)
      peer = std::max(peer, Relative(kPeerZeros[ref.peer_zero + i], kPeerExactZeros[ref.exact_zero + i]));

    FixedEllipticOrder order(n);
    elliptic::EllipticDesign design;
    ASSERT_TRUE(elliptic::DesignElliptic({1, 40, 1, ref.ws}, elliptic::ComputeEpsilonAlfa(1, 40), order, design));
    // by rising imaginary part, as the references are written
    std::vector<RefComplex> poles;
    for (int i = 1; i <= upper; ++i) poles.push_back({design.re[i].raw(), design.im[i].raw(), 1});
    std::sort(poles.begin(), poles.end(), [](const RefComplex& a, const RefComplex& b) { return a.im < b.im; });
    std::vector<long double> zeros;
    for (int i = 1; i <= pairs; ++i) zeros.push_back(elliptic::TransmissionZero(design, i).raw());
    std::sort(zeros.begin(), zeros.end());
    for (int i = 0; i < upper; ++i)
      ours = std::max(ours, Relative(poles[static_cast<std::size_t>(i)].re, poles[static_cast<std::size_t>(i)].im,
                                     kPeerDesignerPoles[ref.designer_pole + i]));
    for (int i = 0; i < pairs; ++i)
      ours = std::max(ours, Relative(zeros[static_cast<std::size_t>(i)], kPeerDesignerZeros[ref.designer_zero + i]));

    std::printf("order %d: peer's worst relative error %.3Lg, designer's %.3Lg\n", n, peer, ours);
    if (n <= 10) {
      EXPECT_LT(peer, 1e-14L) << "order " << n << ": the peer at the accuracy of double precision";
      EXPECT_LT(ours, kBound) << "order " << n;
    }
    EXPECT_LT(ours * 1000, peer) << "order " << n << ": the designer keeps at least three digits more";
  }
}

}  // namespace
