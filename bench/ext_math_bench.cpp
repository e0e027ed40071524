// Time per call of the elementary functions, each beside the C library's
// long double function of the same meaning where there is one.  Every
// benchmark cycles through 1024 arguments spread over the routine's domain,
// so that no branch or cache is favoured by a constant argument.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "specfun/ext_math.h"

namespace {

using base::Extended;

constexpr std::size_t kCount = 1024;  // a power of two: the index wraps by masking

using Arguments = std::vector<long double>;

// A fixed linear congruential sequence: the same arguments on every run.
class Sequence {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) * 0x1p-53;  // [0, 1)
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

Arguments Uniform(long double lo, long double hi) {
  Sequence s;
  Arguments a(kCount);
  for (long double& x : a) x = lo + (hi - lo) * s.Next();
  return a;
}

// |x| = 2^e with e uniform in [lo_exp, hi_exp), random sign when asked.
Arguments LogUniform(int lo_exp, int hi_exp, bool with_sign) {
  Sequence s;
  Arguments a(kCount);
  for (long double& x : a) {
    x = std::exp2(static_cast<long double>(lo_exp) + (hi_exp - lo_exp) * s.Next());
    if (with_sign && s.Next() < 0.5) x = -x;
  }
  return a;
}

const Arguments kExpArgs = Uniform(-11000, 11000);
const Arguments kLogArgs = LogUniform(-16000, 16000, false);
const Arguments kPositive = LogUniform(-60, 60, false);
const Arguments kSigned = LogUniform(-60, 60, true);
const Arguments kCircular = Uniform(-100, 100);
const Arguments kCircularHuge = LogUniform(40, 16000, true);
// 2^30..2^39: the top of the short reduction, where it hands remainders that
// it cannot get right to the last bit to the long one
const Arguments kCircularLarge = LogUniform(30, 39, true);
const Arguments kHyperbolic = Uniform(-30, 30);
// ln(largest extended) .. ln(largest) + ln 2: e^|x|/2 where e^|x| overflows
const Arguments kHyperbolicTop = Uniform(11356.53L, 11357.21L);
const Arguments kTanhArgs = Uniform(-5, 5);
const Arguments kAcoshArgs = LogUniform(0, 40, false);  // [1, 2^40)
const Arguments kAcosh1pArgs = LogUniform(-40, 20, false);
const Arguments kGudermannian = Uniform(-1.5L, 1.5L);
const Arguments kWhole = Uniform(-1e6L, 1e6L);
const Arguments kSecond = Uniform(-1e6L, 1e6L);  // x of atan2(y, x)

void Ours(benchmark::State& state, Extended (*f)(Extended), const Arguments& args) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(args[i]));
    i = (i + 1) & (kCount - 1);
  }
}

void Libm(benchmark::State& state, long double (*f)(long double), const Arguments& args) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(args[i]));
    i = (i + 1) & (kCount - 1);
  }
}

void OursBinary(benchmark::State& state, Extended (*f)(Extended, Extended), const Arguments& y, const Arguments& x) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(y[i], x[i]));
    i = (i + 1) & (kCount - 1);
  }
}

void LibmBinary(benchmark::State& state, long double (*f)(long double, long double), const Arguments& y,
                const Arguments& x) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(y[i], x[i]));
    i = (i + 1) & (kCount - 1);
  }
}

Extended SineCosineBoth(Extended x) {
  const specfun::SinCos sc = specfun::SineCosine(x);
  return sc.sin + sc.cos;
}
long double sincosl_both(long double x) {
  long double s, c;
  sincosl(x, &s, &c);
  return s + c;
}
Extended ScaleOurs(Extended x) { return specfun::ScaleByPowerOf2(x, 100); }
long double scalbnl_100(long double x) { return scalbnl(x, 100); }
Extended SplitOurs(Extended x) { return specfun::SplitExponent(x).mantissa; }
long double frexpl_(long double x) {
  int e;
  return frexpl(x, &e);
}
Extended ExponentOfOurs(Extended x) { return specfun::ExponentOf(x); }
long double ilogbl_(long double x) { return ilogbl(x); }
Extended ReduceOurs(Extended x) { return specfun::ReducePiOver2(x).r; }
Extended SechOurs(Extended x) { return specfun::HyperbolicSecant(x); }
long double one_over_coshl(long double x) { return 1 / coshl(x); }
Extended Acosh1pOurs(Extended x) { return specfun::InverseCoshOnePlus(x); }
long double acoshl_one_plus(long double x) { return acoshl(1 + x); }
Extended CoshM1Ours(Extended x) { return specfun::CoshMinusOne(x); }
long double coshl_minus_one(long double x) { return coshl(x) - 1; }
Extended GudermannianOurs(Extended x) { return specfun::InverseGudermannian(x); }
long double atanhl_of_sinl(long double x) { return atanhl(sinl(x)); }

#define PAIR(name, ours, libm, args)                \
  BENCHMARK_CAPTURE(Ours, name##_ours, ours, args); \
  BENCHMARK_CAPTURE(Libm, name##_glibc_##libm, libm, args)

PAIR(Exponential, specfun::Exponential, expl, kExpArgs);
PAIR(NaturalLog, specfun::NaturalLog, logl, kLogArgs);
PAIR(SquareRoot, specfun::SquareRoot, sqrtl, kLogArgs);
PAIR(ArcTangent, specfun::ArcTangent, atanl, kSigned);
BENCHMARK_CAPTURE(OursBinary, ArcTangent2_ours, specfun::ArcTangent2, kSigned, kSecond);
BENCHMARK_CAPTURE(LibmBinary, ArcTangent2_glibc_atan2l, atan2l, kSigned, kSecond);
PAIR(Sine, specfun::Sine, sinl, kCircular);
PAIR(Cosine, specfun::Cosine, cosl, kCircular);
PAIR(Tangent, specfun::Tangent, tanl, kCircular);
PAIR(SineCosine, SineCosineBoth, sincosl_both, kCircular);
PAIR(SineHuge, specfun::Sine, sinl, kCircularHuge);
PAIR(CosineHuge, specfun::Cosine, cosl, kCircularHuge);
PAIR(SineLarge, specfun::Sine, sinl, kCircularLarge);
PAIR(CosineLarge, specfun::Cosine, cosl, kCircularLarge);
PAIR(TangentLarge, specfun::Tangent, tanl, kCircularLarge);
PAIR(HyperbolicSine, specfun::HyperbolicSine, sinhl, kHyperbolic);
PAIR(HyperbolicCosine, specfun::HyperbolicCosine, coshl, kHyperbolic);
PAIR(HyperbolicSineTop, specfun::HyperbolicSine, sinhl, kHyperbolicTop);
PAIR(HyperbolicCosineTop, specfun::HyperbolicCosine, coshl, kHyperbolicTop);
PAIR(CoshMinusOne, CoshM1Ours, coshl_minus_one, kTanhArgs);
PAIR(HyperbolicTangent, specfun::HyperbolicTangent, tanhl, kTanhArgs);
PAIR(HyperbolicSecant, SechOurs, one_over_coshl, kHyperbolic);
PAIR(InverseHyperbolicSine, specfun::InverseHyperbolicSine, asinhl, kSigned);
PAIR(InverseHyperbolicCosine, specfun::InverseHyperbolicCosine, acoshl, kAcoshArgs);
PAIR(InverseCoshOnePlus, Acosh1pOurs, acoshl_one_plus, kAcosh1pArgs);
PAIR(InverseGudermannian, GudermannianOurs, atanhl_of_sinl, kGudermannian);
PAIR(Truncate, specfun::Truncate, truncl, kWhole);
PAIR(Floor, specfun::Floor, floorl, kWhole);
PAIR(ScaleByPowerOf2, ScaleOurs, scalbnl_100, kSigned);
PAIR(SplitExponent, SplitOurs, frexpl_, kSigned);
PAIR(ExponentOf, ExponentOfOurs, ilogbl_, kSigned);
BENCHMARK_CAPTURE(Ours, ReducePiOver2_ours, ReduceOurs, kCircular);
BENCHMARK_CAPTURE(Ours, ReducePiOver2Large_ours, ReduceOurs, kCircularLarge);
BENCHMARK_CAPTURE(Ours, ReducePiOver2Huge_ours, ReduceOurs, kCircularHuge);

}  // namespace
