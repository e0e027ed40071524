// Time per run of the root search with the workbench's default settings on
// polynomials whose roots are known, with the largest distance of a found
// root from its own, relative to the root's modulus (absolute for a root at
// 0), as the counter max_root_error.
//
// Two sets of polynomials:
// - Reference cases (BM_Reference/FAMILY/DEGREE), generated with their roots
//   to 60 digits by generate_root_finder_cases.py: coefficients that are
//   doubles, so that root_finder_peer.py measures numpy's roots on the very
//   same polynomials, and roots that are those of exactly these
//   coefficients.  Families: random coefficients (degree 10 .. 200), roots
//   spread over 1e-6 .. 1e6, clustered roots, multiple roots, Chebyshev and
//   Butterworth polynomials up to degree 40.  Beside max_root_error:
//   as_found, the same for the roots as the search found them, before their
//   refinement on the undeflated polynomial (one run, not timed), and
//   condition, the relative error that the rounding of one evaluation of p
//   at a simple root causes in extended arithmetic (0 where the roots are
//   multiple): no method evaluating p gets closer.
// - Circle cases (BM_FindRoots/FAMILY/DEGREE), degree 20, 50, 100 and 200,
//   built here in extended arithmetic from their roots:
//     circle:        conjugate pairs spread evenly over the unit circle, the
//                    roots of s^n + 1;
//     jitter_circle: the same angles, each moved by up to 0.2 of the spacing
//                    by a fixed sequence, so that the coefficients fill in;
//     butterworth:   the Butterworth denominator, the pairs on the left half
//                    of the unit circle, whose coefficients grow fast with
//                    the degree.
//   Beside max_root_error: largest_coefficient, and rounding_bound, the root
//   error that rounding the coefficients to extended reals alone may cause,
//   to first order: where it reaches 1, no method working on the
//   coefficients can give the roots back.
//
// The rescue hook, which the search calls after every 50 steps without
// convergence (where the workbench opens its dialog), answers as a user who
// knows R, the largest modulus of the roots:
// - a point that the dialog shows far outside R is replaced by a new start
//   just outside R (a Newton step from near a zero of the derivative throws
//   the point out to |x| near 1E8, whence it would come back by a factor of
//   about 1 - 1/n per step: some 3700 steps for degree 200; and the start
//   -1.1 + 1.1j lies on a line of symmetry of s^n + 1 for n divisible by 8,
//   which the iteration never leaves);
// - a step below 1E-9 of the point, or one below 1E-4 of it that is not
//   ten times smaller than the step at the last dialog, is the iteration
//   sitting on its root while rounding keeps |p| and the step above tolr:
//   tolr is raised to ten times that step, for the rest of the run;
// - otherwise the iteration is let go on;
// - but after a number of dialogs in a run, each one raises the run's tolr
//   a thousandfold, so that a run cannot go on for ever: a search that
//   still wanders then ends on a root that is far off and spoils the
//   deflated rest (max_root_error shows it).
// Counters per run: rescues, the dialogs shown; moved, stalled and raised,
// those answered in each of the three ways; faults, floating-point faults
// that ended the run as they would end the operation (the roots found before
// stay).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"
#include "poly/complex.h"
#include "poly/root_search.h"

namespace {

using base::Extended;

struct Root {
  Extended re;
  Extended im;
};

// The user at the rescue dialog, counted and answering as the header says.
class RescuePolicy {
 public:
  // Rescues in one run that only let the iteration go on: 5000 steps.
  static constexpr int kPatience = 100;

  // radius: the largest modulus of the roots.
  explicit RescuePolicy(Extended radius) : radius_(radius) {}

  int rescues = 0;
  int moved = 0;
  int stalled = 0;
  int raised = 0;
  int rescues_in_run = 0;

  // Each run starts with a patient user who has seen no dialog yet.
  void StartRun() {
    rescues_in_run = 0;
    last_error_ = base::NaN();
  }

  void Answer(poly::RootRescue& state) {
    ++rescues;
    ++rescues_in_run;
    const Extended size = poly::SumOfParts(state.point);
    if (rescues_in_run > kPatience) {
      ++raised;
      state.tolr = state.tolr * kRaise;
    } else if (size > kFar * radius_) {
      ++moved;
      const Extended angle = kGoldenAngle * Extended(moved);
      const Extended restart = kRestartRadius * radius_;
      state.point = {restart * base::Cos(angle), restart * base::Sin(angle)};
    } else if (state.error <= kStall * size ||
               (state.error <= kSmallStep * size && state.error > kProgress * last_error_)) {
      ++stalled;
      state.tolr = kStallMargin * state.error;
    }
    last_error_ = state.error;
  }

 private:
  static constexpr long double kRaise = 1000;
  // |Re x| + |Im x| beyond which, in units of R, the point is far outside
  // the roots.
  static constexpr long double kFar = 4;
  // New starts lie just outside R, each turned from the last by the golden
  // angle pi (3 - sqrt 5), so that no two come close.
  static constexpr long double kRestartRadius = 1.1L;
  static constexpr long double kGoldenAngle = 2.39996322972865332223L;
  // A step below kStall of |Re x| + |Im x| after 50 steps is a stall (a
  // search still on its way moves by much more); so is a step below
  // kSmallStep of it that is not kProgress of the step at the last dialog:
  // next to roots that rounding blurs the steps stay larger, while the
  // iteration on a multiple root shrinks them steadily.  The new tolr lies
  // kStallMargin times above the step.
  static constexpr long double kStall = 1E-9L;
  static constexpr long double kSmallStep = 1E-4L;
  static constexpr long double kProgress = 0.1L;
  static constexpr long double kStallMargin = 10;

  Extended radius_;
  Extended last_error_ = base::NaN();  // the step at the last dialog of the run
};

// A fixed linear congruential sequence in [0, 1): the same jitter every run.
class Sequence {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) * 0x1p-53;
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

void AddPair(std::vector<Root>& roots, Extended angle) {
  roots.push_back({base::Cos(angle), base::Sin(angle)});
  roots.push_back({base::Cos(angle), -base::Sin(angle)});
}

// Pairs at the angles pi (k - 1/2 + jitter) / pairs, k = 1 .. pairs.
std::vector<Root> CircleRoots(int n, double jitter_width) {
  Sequence jitter;
  std::vector<Root> roots;
  const int pairs = n / 2;
  for (int k = 1; k <= pairs; ++k)
    AddPair(roots, base::Pi() * (Extended(k) - 0.5L + jitter_width * (jitter.Next() - 0.5)) / Extended(pairs));
  return roots;
}

std::vector<Root> EvenCircleRoots(int n) { return CircleRoots(n, 0); }
// Up to 0.2 of the spacing either way keeps neighbours apart.
std::vector<Root> JitteredCircleRoots(int n) { return CircleRoots(n, 0.4); }

std::vector<Root> ButterworthRoots(int n) {
  std::vector<Root> roots;
  for (int k = 1; k <= n / 2; ++k) AddPair(roots, base::Pi() * Extended(2 * k + n - 1) / Extended(2 * n));
  return roots;
}

Extended Distance(Root a, Root b) {
  const Extended dr = a.re - b.re, di = a.im - b.im;
  return base::Sqrt(dr * dr + di * di);
}

// How far r lies from the pairs already taken: the logarithm of the product
// of its distances to their roots (the product itself would overflow); the
// first pair is the one of the largest modulus.
Extended LejaScore(Root r, const std::vector<Root>& taken) {
  if (taken.empty()) return r.re * r.re + r.im * r.im;
  Extended score = 0;
  for (const Root& t : taken) score += base::Ln(Distance(r, t)) + base::Ln(Distance(r, {t.re, -t.im}));
  return score;
}

// The pairs in Leja order: each next pair is the one farthest, by the
// product of distances, from those already taken.  Multiplying the factors
// in this order keeps the partial products small; in the order of their
// angles the first half of a circle alone gives coefficients near 1E29 for
// degree 100, and the cancellation of the rest would leave rounding errors
// far above the final coefficients.
std::vector<Root> LejaOrderedPairs(const std::vector<Root>& roots) {
  std::vector<Root> pending;
  for (std::size_t i = 0; i < roots.size(); i += 2) pending.push_back(roots[i]);
  std::vector<Root> ordered;
  while (!pending.empty()) {
    const auto next = std::max_element(pending.begin(), pending.end(),
                                       [&](Root a, Root b) { return LejaScore(a, ordered) < LejaScore(b, ordered); });
    ordered.push_back(*next);
    pending.erase(next);
  }
  return ordered;
}

// The real polynomial of conjugate pairs (stored one after the other), in
// ascending powers: each pair contributes s^2 - 2 Re s + |r|^2.
std::vector<Extended> Expand(const std::vector<Root>& roots) {
  std::vector<Extended> a{1};
  for (const Root& r : LejaOrderedPairs(roots)) {
    const Extended factor[3] = {r.re * r.re + r.im * r.im, -2 * r.re, 1};
    std::vector<Extended> product(a.size() + 2, Extended(0));
    for (std::size_t j = 0; j < a.size(); ++j)
      for (std::size_t f = 0; f < 3; ++f) product[j + f] += a[j] * factor[f];
    a = product;
  }
  return a;
}

// The error that rounding the coefficients alone may cause, to first order:
// the largest over the roots of u sum |a(i)| |r|^i / |p'(r)|, with u the unit
// roundoff 2^-64 and p'(r) the product of the distances to the other roots.
Extended RoundingBound(const std::vector<Root>& known, const std::vector<Extended>& a) {
  const Extended unit_roundoff = base::Exp(Extended(-64) * base::Ln(2));
  Extended worst = 0;
  for (std::size_t k = 0; k < known.size(); ++k) {
    const Extended size = base::Sqrt(known[k].re * known[k].re + known[k].im * known[k].im);
    Extended terms = 0;
    for (std::size_t i = a.size(); i-- > 0;) terms = terms * size + base::Abs(a[i]);
    Extended slope = 1;
    for (std::size_t j = 0; j < known.size(); ++j)
      if (j != k) slope *= Distance(known[k], known[j]);
    worst = std::max(worst, unit_roundoff * terms / slope / std::max(Extended(1), size));
  }
  return worst;
}

Extended Modulus(Root r) { return base::Sqrt(r.re * r.re + r.im * r.im); }

// Each known root against the nearest found root not yet matched, relative
// to its modulus (absolute for a root at 0).
Extended LargestRootError(const std::vector<Root>& known, const std::vector<Extended>& re,
                          const std::vector<Extended>& im) {
  std::vector<Root> found;
  for (std::size_t k = 0; k < known.size(); ++k) found.push_back({re[k], im[k]});
  Extended worst = 0;
  for (const Root& want : known) {
    const auto nearest = std::min_element(found.begin(), found.end(),
                                          [&](Root a, Root b) { return Distance(a, want) < Distance(b, want); });
    const Extended size = Modulus(want);
    worst = std::max(worst, size == 0 ? Distance(*nearest, want) : Distance(*nearest, want) / size);
    found.erase(nearest);
  }
  return worst;
}

Extended LargestModulus(const std::vector<Root>& roots) {
  Extended largest = 0;
  for (const Root& r : roots) largest = std::max(largest, Modulus(r));
  return largest;
}

// The runs of one polynomial, timed, with the rescue counters.
struct Runs {
  std::vector<Extended> re, im;
  RescuePolicy policy;
  int faults = 0;
};

void TimeSearch(benchmark::State& state, const std::vector<Extended>& a, const std::vector<Root>& known) {
  // the workbench's defaults after "Iniciar"
  const poly::RootSearchSettings settings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}, false};
  Runs runs{std::vector<Extended>(known.size()), std::vector<Extended>(known.size()),
            RescuePolicy(LargestModulus(known))};
  poly::RootSearchHooks hooks;
  hooks.rescue = [&runs](poly::RootRescue& rescue) { runs.policy.Answer(rescue); };
  for (auto _ : state) {
    runs.policy.StartRun();
    try {
      poly::SearchRoots(a, settings, runs.re, runs.im, hooks);
    } catch (const base::FloatError&) {
      ++runs.faults;
    }
    benchmark::ClobberMemory();
  }
  state.counters["max_root_error"] = static_cast<double>(LargestRootError(known, runs.re, runs.im).raw());
  const RescuePolicy& p = runs.policy;
  for (const auto& [name, count] : {std::pair<const char*, int>{"rescues", p.rescues},
                                    {"moved", p.moved},
                                    {"stalled", p.stalled},
                                    {"raised", p.raised},
                                    {"faults", runs.faults}})
    state.counters[name] = benchmark::Counter(count, benchmark::Counter::kAvgIterations);
}

// One untimed run without the refinement: the largest error of the roots as
// the search found them.
Extended ErrorAsFound(const std::vector<Extended>& a, const std::vector<Root>& known) {
  poly::RootSearchSettings settings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}, false};
  settings.refine = false;
  RescuePolicy policy(LargestModulus(known));
  poly::RootSearchHooks hooks;
  hooks.rescue = [&policy](poly::RootRescue& rescue) { policy.Answer(rescue); };
  std::vector<Extended> re(known.size()), im(known.size());
  try {
    poly::SearchRoots(a, settings, re, im, hooks);
  } catch (const base::FloatError&) {
  }
  return LargestRootError(known, re, im);
}

using Family = std::vector<Root> (*)(int);

void BM_FindRoots(benchmark::State& state, Family family) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<Root> known = family(n);
  const std::vector<Extended> a = Expand(known);
  TimeSearch(state, a, known);
  state.counters["rounding_bound"] = static_cast<double>(RoundingBound(known, a).raw());
  Extended largest = 0;
  for (Extended c : a) largest = std::max(largest, base::Abs(c));
  state.counters["largest_coefficient"] = static_cast<double>(largest.raw());
}

struct CaseRoot {
  long double re, im;
};

struct RootCase {
  const char* family;
  std::span<const long double> coefficients;
  std::span<const CaseRoot> roots;
  long double condition;
};

#include "bench/root_finder_cases.inc"

void BM_Reference(benchmark::State& state, const RootCase& c) {
  const std::vector<Extended> a(c.coefficients.begin(), c.coefficients.end());
  std::vector<Root> known;
  for (const CaseRoot& r : c.roots) known.push_back({r.re, r.im});
  TimeSearch(state, a, known);
  state.counters["as_found"] = static_cast<double>(ErrorAsFound(a, known).raw());
  state.counters["condition"] = static_cast<double>(c.condition);
}

const bool kReferenceCasesRegistered = [] {
  for (const RootCase& c : kRootCases) {
    const std::string name = std::string("BM_Reference/") + c.family + "/" + std::to_string(c.roots.size());
    benchmark::RegisterBenchmark(name.c_str(), BM_Reference, c)->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

void Degrees(benchmark::internal::Benchmark* b) {
  for (int n : {20, 50, 100, 200}) b->Arg(n);
  b->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(BM_FindRoots, circle, EvenCircleRoots)->Apply(Degrees);
BENCHMARK_CAPTURE(BM_FindRoots, jitter_circle, JitteredCircleRoots)->Apply(Degrees);
BENCHMARK_CAPTURE(BM_FindRoots, butterworth, ButterworthRoots)->Apply(Degrees);

}  // namespace
