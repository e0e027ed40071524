// Time per call of the elliptic routines.  Each benchmark cycles through a
// fixed spread of arguments, so that the figure is an average over the
// branches and iteration counts that the spread reaches, not the best case.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <vector>

#include "specfun/ell_integrals.h"

namespace {

using base::Extended;

constexpr std::size_t kSpread = 256;  // arguments per benchmark, a power of 2

struct Pair {
  Extended a, b;
};

// kSpread pairs, a uniform in [a_low, a_high] and b in [b_low, b_high].
std::vector<Pair> Spread(long double a_low, long double a_high, long double b_low, long double b_high) {
  std::mt19937_64 generator(20240611);
  std::uniform_real_distribution<long double> a(a_low, a_high), b(b_low, b_high);
  std::vector<Pair> pairs;
  for (std::size_t i = 0; i < kSpread; ++i) pairs.push_back({a(generator), b(generator)});
  return pairs;
}

// Moduli over (0, 1) with a share next to 1 and a share tiny.
std::vector<Pair> ModulusSpread() {
  std::vector<Pair> pairs = Spread(0, 1, 0, 0);
  for (std::size_t i = 0; i < kSpread; i += 4) pairs[i].a = Extended(1) - pairs[i].a * Extended(1e-12L);
  for (std::size_t i = 2; i < kSpread; i += 8) pairs[i].a = pairs[i].a * Extended(2e-5L);
  return pairs;
}

template <typename Call>
void Run(benchmark::State& state, const std::vector<Pair>& pairs, Call call) {
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& p = pairs[i++ & (kSpread - 1)];
    benchmark::DoNotOptimize(call(p.a, p.b));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_CompleteK(benchmark::State& state) {
  Run(state, ModulusSpread(), [](Extended k, Extended) { return specfun::CompleteK(k); });
}

void BM_IncompleteFTan(benchmark::State& state) { Run(state, Spread(-20, 20, 0.01L, 1), specfun::IncompleteFTan); }

void BM_ReduceModPi(benchmark::State& state) {
  Run(state, Spread(-30, 30, 0, 0), [](Extended phi, Extended) { return specfun::ReduceModPi(phi); });
}

void BM_IncompleteF_ModulusBelowOne(benchmark::State& state) {
  Run(state, Spread(-10, 10, 0.01L, 0.99L), specfun::IncompleteF);
}

void BM_IncompleteF_ModulusAboveOne(benchmark::State& state) {
  // |phi| <= 0.25 keeps k sin phi inside [-1, 1] for k up to 4
  Run(state, Spread(-0.25L, 0.25L, 1.01L, 4), specfun::IncompleteF);
}

void BM_JacobiSnCnDn(benchmark::State& state) { Run(state, Spread(-10, 10, 0.001L, 0.999L), specfun::JacobiSnCnDn); }

void BM_JacobiSnCnDn_NegativeParameter(benchmark::State& state) {
  Run(state, Spread(-3, 3, -10, -0.01L), specfun::JacobiSnCnDn);
}

void BM_JacobiSn(benchmark::State& state) { Run(state, Spread(-10, 10, 0.01L, 0.99L), specfun::JacobiSn); }
void BM_JacobiCn(benchmark::State& state) { Run(state, Spread(-10, 10, 0.01L, 0.99L), specfun::JacobiCn); }
void BM_JacobiDn(benchmark::State& state) { Run(state, Spread(-10, 10, 0.01L, 0.99L), specfun::JacobiDn); }

void BM_InverseSc(benchmark::State& state) { Run(state, Spread(-20, 20, 0.01L, 0.99L), specfun::InverseSc); }

BENCHMARK(BM_CompleteK);
BENCHMARK(BM_IncompleteFTan);
BENCHMARK(BM_ReduceModPi);
BENCHMARK(BM_IncompleteF_ModulusBelowOne);
BENCHMARK(BM_IncompleteF_ModulusAboveOne);
BENCHMARK(BM_JacobiSnCnDn);
BENCHMARK(BM_JacobiSnCnDn_NegativeParameter);
BENCHMARK(BM_JacobiSn);
BENCHMARK(BM_JacobiCn);
BENCHMARK(BM_JacobiDn);
BENCHMARK(BM_InverseSc);

}  // namespace
