// Accuracy of the four designs against 40-digit references computed from the
// textbook formulas (reference/generate_design_reference.py): requirements
// from the default to narrow and wide transition bands and to 150 and 200 dB,
// at forced orders up to 41, the elliptic design also at 100 and 1000 and at
// the orders it computes.
//
// Each design is given the extended reals nearest to its requirement's
// epsilon, alfa^2 and alfa, as the references are; ComputeEpsilonAlfa itself
// is measured at the default.  The error of a pole is |got - ref| / |ref| as
// a complex number, of a zero or a constant the relative error of the real
// value, every one within its quantity's bound outright.  A failure names
// the group's worst row; the worst errors are printed for the record.
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

struct RefRequirement {
  const char* name;
  long double wp, ws, epsilon, alfa2, alfa, xi;
  // K(1/xi), K'(1/alfa^2), K'(1/xi), K(1/alfa^2), then the elliptic,
  // Butterworth and Chebyshev orders n
  long double integrals[7];
};
struct RefComplex {
  long double re, im;
};
struct PeerComplex {
  double re, im;
};
struct EllipticCase {
  int requirement, order, first_wza, first_wz, first_pole;
  long double k0, v0, alfa, amin, c, f;
};
struct ClassicalCase {
  int requirement, order, first_pole, first_zero;
  long double wpn, c;
};
struct PeerCase {
  int order;
  long double ws;
  int peer_pole, peer_zero, exact_pole, exact_zero, designer_pole, designer_zero;
};

#include "tests/elliptic/reference/design_reference.inc"

// A few units in the last place of the 64-bit significand: each value is a
// Jacobi or circular function of an argument rounded once, or an exponential
// and theta sums of a few terms, with a few roundings around it.
constexpr long double kBound = 1e-18L;
// Amin = 10 log10(1 + (eps alfa^2)^2): a logarithm over a logarithm, each
// rounded, of a value carrying alfa's error twice and epsilon's.
constexpr long double kAttenuationBound = 2e-18L;

long double Relative(long double got, long double ref) { return std::fabs(got - ref) / std::fabs(ref); }

long double Relative(long double re, long double im, const RefComplex& ref) {
  return std::hypot(re - ref.re, im - ref.im) / std::hypot(ref.re, ref.im);
}

// The worst row of a group.
class Worst {
 public:
  explicit Worst(std::string group, long double bound = kBound) : group_(std::move(group)), bound_(bound) {}

  void Add(long double error, const std::string& row) {
    if (!(error <= worst_)) {
      worst_ = error;
      row_ = row;
    }
  }
  long double worst() const { return worst_; }
  long double bound() const { return bound_; }
  std::string Report() const {
    char text[96];
    std::snprintf(text, sizeof text, ": worst relative error %.3Lg (bound %.3Lg) at ", worst_, bound_);
    return group_ + text + row_;
  }

 private:
  std::string group_;
  long double bound_;
  long double worst_ = 0;
  std::string row_ = "-";
};

void Check(const std::vector<const Worst*>& groups) {
  for (const Worst* group : groups) {
    std::cout << group->Report() << '\n';
    EXPECT_LT(group->worst(), group->bound()) << group->Report();
  }
}

std::string Row(const RefRequirement& r, int order, const std::string& what, int index = 0) {
  return std::string(r.name) + " order " + std::to_string(order) + " " + what +
         (index ? " " + std::to_string(index) : std::string());
}

elliptic::Requirement RequirementOf(const RefRequirement& r) { return {0, 0, r.wp, r.ws}; }
elliptic::EpsilonAlfa EpsilonAlfaOf(const RefRequirement& r) { return {r.epsilon, r.alfa2, r.alfa}; }

TEST(DesignAccuracy, EpsilonAndAlfaOfTheDefault) {
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  const RefRequirement& ref = kRequirements[0];
  Worst worst("epsilon and alfa");
  worst.Add(Relative(ea.epsilon.raw(), ref.epsilon), "epsilon");
  worst.Add(Relative(ea.alfa2.raw(), ref.alfa2), "alfa^2");
  worst.Add(Relative(ea.alfa.raw(), ref.alfa), "alfa");
  Check({&worst});
}

// The integrals the elliptic design logs, and the orders all three compute,
// 150 and 200 dB included, where 1 - 1/alfa^4 keeps little or none of
// 1/alfa^4 (2.6e-16, 2.6e-21).
class IntegralsRecord : public FixedEllipticOrder {
 public:
  using FixedEllipticOrder::FixedEllipticOrder;
  void Integrals(Extended k, Extended kp1) override { values[0] = k, values[1] = kp1; }
  void ComplementaryIntegrals(Extended kp, Extended k1) override { values[2] = kp, values[3] = k1; }
  Extended values[4];
};

TEST(DesignAccuracy, IntegralsAndComputedOrders) {
  const char* names[] = {"K(1/xi)",    "K'(1/alfa^2)",  "K'(1/xi)",   "K(1/alfa^2)",
                         "elliptic n", "Butterworth n", "Chebyshev n"};
  Worst worst("integrals and n");
  for (const RefRequirement& ref : kRequirements) {
    IntegralsRecord integrals(1);
    elliptic::EllipticDesign design;
    elliptic::DesignElliptic(RequirementOf(ref), EpsilonAlfaOf(ref), integrals, design);
    ClassicalRecord butterworth(1), chebyshev(1);
    elliptic::DesignButterworth(RequirementOf(ref), EpsilonAlfaOf(ref), butterworth);
    elliptic::DesignChebyshev(RequirementOf(ref), EpsilonAlfaOf(ref), chebyshev);
    const Extended got[] = {integrals.values[0],  integrals.values[1],    integrals.values[2], integrals.values[3],
                            integrals.computed_n, butterworth.computed_n, chebyshev.computed_n};
    for (int i = 0; i < 7; ++i)
      worst.Add(Relative(got[i].raw(), ref.integrals[i]), std::string(ref.name) + " " + names[i]);
  }
  Check({&worst});
}

struct EllipticGroups {
  Worst wza{"elliptic attenuation zeros"}, wz{"elliptic transmission zeros"}, poles{"elliptic poles"};
  Worst v0{"v0"}, k0{"k0"}, alfa{"alfa"}, amin{"Amin", kAttenuationBound}, c{"elliptic c"}, f{"F's constant"};
};

void CheckElliptic(const EllipticCase& ref, EllipticGroups& groups) {
  const RefRequirement& r = kRequirements[ref.requirement];
  FixedEllipticOrder order(ref.order);
  elliptic::EllipticDesign design;
  ASSERT_TRUE(elliptic::DesignElliptic(RequirementOf(r), EpsilonAlfaOf(r), order, design));
  const int n = ref.order;
  for (int i = 1; i <= design.Pairs(); ++i) {
    groups.wza.Add(Relative(design.wza[i].raw(), kEllipticWza[ref.first_wza + i - 1]), Row(r, n, "wza", i));
    groups.wz.Add(Relative(elliptic::TransmissionZero(design, i).raw(), kEllipticWz[ref.first_wz + i - 1]),
                  Row(r, n, "wz", i));
  }
  for (int i = 1; i <= (n + 1) / 2; ++i) {
    const RefComplex& pole = kEllipticPoles[ref.first_pole + i - 1];
    groups.poles.Add(Relative(design.re[i].raw(), design.im[i].raw(), pole), Row(r, n, "pole", i));
  }
  groups.v0.Add(Relative(design.v0.raw(), ref.v0), Row(r, n, "v0"));
  groups.k0.Add(Relative(design.k0.raw(), ref.k0), Row(r, n, "k0"));
  groups.alfa.Add(Relative(design.alfa.raw(), ref.alfa), Row(r, n, "alfa"));
  groups.amin.Add(Relative(elliptic::StopBandAttenuation(design.epsilon, design.alfa).raw(), ref.amin),
                  Row(r, n, "Amin"));
  groups.c.Add(Relative(elliptic::GainConstant(design).raw(), ref.c), Row(r, n, "c"));
  groups.f.Add(Relative(elliptic::AttenuationConstant(design).raw(), ref.f), Row(r, n, "f"));
}

void CheckEllipticOrders(int low, int high) {
  EllipticGroups groups;
  for (const EllipticCase& ref : kEllipticCases)
    if (ref.order >= low && ref.order <= high) CheckElliptic(ref, groups);
  Check({&groups.wza, &groups.wz, &groups.poles, &groups.v0, &groups.k0, &groups.alfa, &groups.amin, &groups.c,
         &groups.f});
}

TEST(DesignAccuracy, EllipticOrdersUpTo41) { CheckEllipticOrders(1, 41); }

TEST(DesignAccuracy, EllipticOrders100And1000) { CheckEllipticOrders(100, 1000); }

using ClassicalDesign = void (*)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&, elliptic::ClassicalSink&);

struct ClassicalReference {
  const char* name;
  ClassicalDesign design;
  const ClassicalCase* cases;
  std::size_t count;
  const RefComplex* poles;
  const long double* zeros;
};

void CheckClassical(const ClassicalReference& reference) {
  const std::string name = reference.name;
  Worst poles(name + " poles"), zeros(name + " zeros"), constants(name + " c and wpn");
  for (std::size_t k = 0; k < reference.count; ++k) {
    const ClassicalCase& ref = reference.cases[k];
    const RefRequirement& r = kRequirements[ref.requirement];
    const int n = ref.order;
    ClassicalRecord record(n);
    reference.design(RequirementOf(r), EpsilonAlfaOf(r), record);
    ASSERT_EQ(record.poles.size(), static_cast<std::size_t>(n));
    for (int i = 1; i <= (n + 1) / 2; ++i) {
      const ClassicalPole& got = record.poles[static_cast<std::size_t>(i - 1)];
      poles.Add(Relative(got.re.raw(), got.im.raw(), reference.poles[ref.first_pole + i - 1]), Row(r, n, "pole", i));
    }
    for (std::size_t i = 0; i < record.zeros.size(); ++i)
      zeros.Add(Relative(record.zeros[i].raw(), reference.zeros[ref.first_zero + static_cast<int>(i)]),
                Row(r, n, "wz", static_cast<int>(i) + 1));
    constants.Add(Relative(record.c.raw(), ref.c), Row(r, n, "c"));
    if (ref.wpn != 0) constants.Add(Relative(record.wpn.raw(), ref.wpn), Row(r, n, "wpn"));
  }
  Check({&poles, &zeros, &constants});
}

TEST(DesignAccuracy, ButterworthOrdersUpTo41) {
  CheckClassical({"Butterworth", elliptic::DesignButterworth, kButterworthCases, std::size(kButterworthCases),
                  kButterworthPoles, kButterworthZeros});
}

TEST(DesignAccuracy, ChebyshevOrdersUpTo41) {
  CheckClassical({"Chebyshev", elliptic::DesignChebyshev, kChebyshevCases, std::size(kChebyshevCases), kChebyshevPoles,
                  kChebyshevZeros});
}

TEST(DesignAccuracy, InverseChebyshevOrdersUpTo41) {
  CheckClassical({"inverse Chebyshev", elliptic::DesignInverseChebyshev, kInverseChebyshevCases,
                  std::size(kInverseChebyshevCases), kInverseChebyshevPoles, kInverseChebyshevZeros});
}

// The elliptic prototype of a double-precision peer (scipy's ellipap for
// Amax 1 and Amin 40, recorded by the generator) against the reference of the
// same problem, and the designer's design of it: the selectivity that gives
// exactly that order typed as ws, the order forced.  Up to order 10 the peer
// is within a few ulps of double precision; from order 20 on the selectivity
// lies so close to 1 that the complementary modulus cancels, which costs the
// peer all its digits by order 40.  The designer forms that complement from
// the selectivity itself and keeps a few ulps of its own precision at every
// order.
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
    for (int i = 1; i <= upper; ++i) poles.push_back({design.re[i].raw(), design.im[i].raw()});
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
    }
    EXPECT_LT(ours, kBound) << "order " << n;
  }
}

}  // namespace
