// Time of one design at a given order, from the requirement to the last
// pole and zero and the constants of its roots files, without the log and the
// files: what the button's computation costs.  bench/peer_designs.py runs this
// beside scipy's prototypes.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "elliptic/classical_designs.h"
#include "elliptic/elliptic_design.h"

namespace {

using base::Extended;

const elliptic::Requirement kRequirement{1, 40, 1, 2};

class FixedEllipticOrder : public elliptic::EllipticSink {
 public:
  explicit FixedEllipticOrder(std::int32_t order) : order_(order) {}
  std::optional<std::int32_t> Order(Extended) override { return order_; }

 private:
  std::int32_t order_;
};

// Keeps the last pole and the constant, so that nothing is optimised away.
class FixedClassicalOrder : public elliptic::ClassicalSink {
 public:
  explicit FixedClassicalOrder(std::int32_t order) : order_(order) {}
  std::optional<std::int32_t> Order(Extended) override { return order_; }
  void Pole(const elliptic::ClassicalPole& pole) override { last_ = pole.re; }
  void ConstantNumerator(Extended c) override { c_ = c; }
  void EndZeros(Extended c) override { c_ = c; }
  Extended result() const { return last_ + c_; }

 private:
  std::int32_t order_;
  Extended last_, c_;
};

void Elliptic(benchmark::State& state) {
  const auto order = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(kRequirement.amax, kRequirement.amin);
    FixedEllipticOrder sink(order);
    elliptic::EllipticDesign design;
    elliptic::DesignElliptic(kRequirement, ea, sink, design);
    benchmark::DoNotOptimize(elliptic::StopBandAttenuation(ea.epsilon, design.alfa));
    benchmark::DoNotOptimize(elliptic::GainConstant(design));
  }
}

template <void (*kDesign)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&, elliptic::ClassicalSink&)>
void Classical(benchmark::State& state) {
  const auto order = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(kRequirement.amax, kRequirement.amin);
    FixedClassicalOrder sink(order);
    kDesign(kRequirement, ea, sink);
    benchmark::DoNotOptimize(sink.result());
  }
}

BENCHMARK(Elliptic)->Arg(4)->Arg(40)->Arg(1000);
BENCHMARK(Classical<elliptic::DesignButterworth>)->Name("Butterworth")->Arg(4)->Arg(40)->Arg(1000);
BENCHMARK(Classical<elliptic::DesignChebyshev>)->Name("Chebyshev")->Arg(4)->Arg(40)->Arg(1000);
BENCHMARK(Classical<elliptic::DesignInverseChebyshev>)->Name("InverseChebyshev")->Arg(4)->Arg(40)->Arg(1000);

}  // namespace
