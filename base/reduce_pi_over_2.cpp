// Reduction of an argument modulo pi/2: x = q pi/2 + r with |r| <= pi/4.
//
// Moderate arguments subtract j pi/4 in three parts (Cody and Waite's
// scheme); very large arguments, and moderate ones whose remainder is too
// short for what the three parts leave of it, go through Payne and Hanek's
// reduction with as many bits of 2/pi as the argument's exponent needs.
#include <array>
#include <cmath>
#include <cstdint>

#include "base/elementary.h"
#include "base/elementary_constants.h"
#include "base/exact_arithmetic.h"
#include "base/extended_bits.h"

namespace base {
namespace {

// pi/4 in three parts.  P1 has 25 significant bits and P2 24, so j*P1 and
// j*P2 are exact for every j that |x| <= 2^39 gives (j < 2^39.4); only j*P3
// is rounded.  P1 + P2 + P3 is pi/4 within 6.2e-37; P4, that difference,
// takes the remainder's next bits to within 1.9e-56 j.
constexpr long double kP1 = 0xC90FDA8000000000p-64L;   // 0.7853981554508209228516
constexpr long double kP2 = 0x8885A30000000000p-90L;   // 7.946627356147928367136e-9
constexpr long double kP3 = 0x8D313198A2E03707p-118L;  // 3.061616997868382943004e-17
constexpr long double kP4 = 0xD129024E088A67CCp-184L;  // 6.146665585740604191744e-37
// |r| <= 2^-24 = 5.9604644775390625e-8: cancellation has eaten so many bits
// of the short remainder that the long reduction decides instead
constexpr long double kShortRemainderMin = 0x8000000000000000p-87L;
// The short remainder is trusted only where the three parts alone would
// leave it right to within one ulp: they are off by up to |j| 2.28e-36,
// half an ulp of j*P3 (|j| P3 2^-64) plus j times the 6.15e-37 by which
// P1 + P2 + P3 misses pi/4, which stays below half an ulp of r while
// |r| > |j| 8.4e-17 (2.28e-36 * 2^65); from j = 7.1e8 (|x| about 5.6e8) on
// this asks more than |r| > 2^-24.  With P4 and the low part the pair is
// then right far beyond r's precision.
// 0xC1B0D91B1FC68A19p-117 = 8.399999999999999999705e-17
constexpr long double kShortErrorPerStep = 0xC1B0D91B1FC68A19p-117L;
// pieces of the argument and of 2/pi are 24-bit integers
constexpr double kTwo24 = 16777216.0;                  // 2^24
constexpr double kTwoMinus24 = 5.9604644775390625e-8;  // 2^-24
constexpr std::int32_t kPieceBits = 24;

constexpr std::int32_t kTwoOverPiCount = 690;
// 2/pi = sum kTwoOverPi[k] * 2^(-24(k+1)): enough pieces for every exponent
// of an extended argument, with room for the terms that deep cancellation adds
constexpr std::array<std::int32_t, kTwoOverPiCount> kTwoOverPi = {
#include "base/tables/two_over_pi.inc"
};
// pi/2 = sum kPiOver2Chunks[k], each a 24-bit chunk of its binary digits
constexpr std::array<double, 8> kPiOver2Chunks = {
#include "base/tables/pi_over_2_pieces.inc"
};

struct LongRemainder {
  double y0, y1;   // the remainder r = y0 + y1
  std::int32_t q;  // quadrant 0..7
};

// Payne and Hanek's reduction of X = sum x[j] 2^(e0 - 24j), x[j] three 24-bit
// integers.  X 2/pi is summed as terms t[i] = sum_j x[j] p[first + i - j] of
// weight 2^(q0 - 24i), p the pieces of 2/pi; the products of higher weight,
// 2^(q0 + 24) >= 8 and up, only add whole multiples of four turns and are
// never formed.  Every term is an integer
// below 2^50 in a double, so the sums and carries are exact.  The integer part
// of the sum mod 8 is the quadrant; a fraction of 1/2 or more is taken as
// fraction - 1 with the quadrant one up.  The fraction must keep at least
// kInitialTerms terms of significant bits after its leading one; where
// cancellation leaves fewer, terms are added.  The fraction is then
// multiplied by pi/2 and gathered into two doubles.
class LongReduction {
 public:
  LongReduction(const std::array<double, 3>& x, std::int32_t e0);
  LongRemainder Run();

 private:
  // Terms beyond the first one at the start: 4 for a 64-bit remainder.
  static constexpr std::int32_t kInitialTerms = 4;
  static constexpr std::int32_t kMaxTerms = 20;
  static constexpr std::int32_t kArgumentPieces = 3;

  double Piece(std::int32_t index) const;
  double Term(std::int32_t i) const;
  void Distill();
  void TakeQuadrant();
  void ComplementFraction();
  std::int32_t LeadingFractionTerm() const;
  LongRemainder Remainder() const;

  std::array<double, kArgumentPieces> x_;
  std::int32_t first_;  // the first piece of 2/pi that matters
  std::int32_t q0_;     // weight 2^q0 of term 0
  std::array<double, kMaxTerms> term_{};
  std::int32_t last_ = kInitialTerms;  // terms 0..last_ are summed
  // Term 0 with the carries from below, as an integer; after TakeQuadrant
  // only its fractional part scaled by 2^q0 (non-zero only when q0 < 0).
  double top_ = 0;
  // chunk_[i], i = 1..last_: the 24 bits of weight 2^(q0 - 24i)
  std::array<std::int32_t, kMaxTerms> chunk_{};
  std::int32_t n_ = 0;     // integer part mod 8
  std::int32_t half_ = 0;  // 0: fraction < 1/2; 1 or 2: >= 1/2 (bit in chunk 1 or in top_)
};

LongReduction::LongReduction(const std::array<double, 3>& x, std::int32_t e0)
    : x_(x),
      first_(e0 > 3 ? (e0 - 3) / kPieceBits : 0),  // every skipped product weighs 8 or more
      q0_(e0 - kPieceBits * (first_ + 1)) {}

double LongReduction::Piece(std::int32_t index) const {
  if (index < 0 || index >= kTwoOverPiCount) return 0;
  return kTwoOverPi[index];
}

double LongReduction::Term(std::int32_t i) const {
  double sum = 0;
  for (std::int32_t j = 0; j < kArgumentPieces; ++j) sum += x_[j] * Piece(first_ + i - j);
  return sum;
}

// Carries every term above 2^24 into the one above it, from the lowest up.
void LongReduction::Distill() {
  double carry = 0;
  for (std::int32_t i = last_; i >= 1; --i) {
    const double z = term_[i] + carry;
    carry = std::trunc(z * kTwoMinus24);
    chunk_[i] = static_cast<std::int32_t>(z - carry * kTwo24);
  }
  top_ = term_[0] + carry;
}

void LongReduction::TakeQuadrant() {
  double z = std::ldexp(top_, q0_);
  z -= 8 * std::floor(z * 0.125);  // drop whole multiples of four turns
  n_ = static_cast<std::int32_t>(z);
  z -= n_;
  half_ = 0;
  if (q0_ > 0) {  // the lowest q0 integer bits sit at the top of chunk 1
    const std::int32_t fraction_bits = kPieceBits - q0_;
    const std::int32_t integer = chunk_[1] >> fraction_bits;
    n_ += integer;
    chunk_[1] -= integer << fraction_bits;
    half_ = chunk_[1] >> (fraction_bits - 1);
  } else if (q0_ == 0) {
    half_ = chunk_[1] >> (kPieceBits - 1);
  } else if (z >= 0.5) {
    half_ = 2;
  }
  top_ = z;
  if (half_ > 0) ComplementFraction();
}

// fraction := 1 - fraction, quadrant + 1: the remainder becomes negative.
void LongReduction::ComplementFraction() {
  n_ += 1;
  bool borrow = false;  // some lower chunk was not zero
  for (std::int32_t i = last_; i >= 1; --i) {
    if (borrow) {
      chunk_[i] = static_cast<std::int32_t>(kTwo24) - 1 - chunk_[i];
    } else if (chunk_[i] != 0) {
      borrow = true;
      chunk_[i] = static_cast<std::int32_t>(kTwo24) - chunk_[i];
    }
  }
  if (q0_ > 0) chunk_[1] &= (1 << (kPieceBits - q0_)) - 1;  // clear the integer bits again
  if (half_ == 2) {
    top_ = 1 - top_;
    if (borrow) top_ -= std::ldexp(1.0, q0_);
  }
}

// The term that holds the leading bit of the fraction; past the last one
// when the fraction vanished altogether.
std::int32_t LongReduction::LeadingFractionTerm() const {
  if (top_ != 0) return 0;
  for (std::int32_t i = 1; i <= last_; ++i) {
    if (chunk_[i] != 0) return i;
  }
  return last_ + 1;
}

LongRemainder LongReduction::Run() {
  for (std::int32_t i = 0; i <= last_; ++i) term_[i] = Term(i);
  for (;;) {
    Distill();
    TakeQuadrant();
    const std::int32_t wanted = LeadingFractionTerm() + kInitialTerms;
    if (wanted <= last_ || last_ == kMaxTerms - 1) break;
    const std::int32_t upto = wanted < kMaxTerms ? wanted : kMaxTerms - 1;
    while (last_ < upto) {
      ++last_;
      term_[last_] = Term(last_);
    }
  }
  return Remainder();
}

// fraction * pi/2 as y0 + y1.  The fraction's chunks d[t] (most significant
// first) and the chunks of pi/2 are 24-bit numbers, so every product is exact
// and so is each level sum f[m] = sum_k pi2[k] d[m - k] of at most 5 of them.
LongRemainder LongReduction::Remainder() const {
  std::array<double, kMaxTerms + 1> d{};
  std::int32_t count = 0;
  if (top_ != 0) {  // q0 < 0: in units of 2^q0 the top is an integer below 2^46, two chunks
    const double whole = std::ldexp(top_, -q0_);
    const double high = std::floor(whole * kTwoMinus24);
    if (high != 0) d[count++] = std::ldexp(high, q0_ + kPieceBits);
    d[count++] = std::ldexp(whole - high * kTwo24, q0_);
  }
  for (std::int32_t i = 1; i <= last_; ++i) {
    if (count == 0 && chunk_[i] == 0) continue;  // leading zero chunks carry nothing
    d[count++] = std::ldexp(static_cast<double>(chunk_[i]), q0_ - kPieceBits * i);
  }

  std::array<double, kMaxTerms + 1> level{};
  for (std::int32_t m = 0; m < count; ++m) {
    double sum = 0;
    for (std::int32_t k = 0; k <= kInitialTerms && k <= m; ++k) sum += kPiOver2Chunks[k] * d[m - k];
    level[m] = sum;
  }
  double y0 = 0;
  for (std::int32_t m = count - 1; m >= 0; --m) y0 += level[m];
  double y1 = level[0] - y0;
  for (std::int32_t m = 1; m < count; ++m) y1 += level[m];
  if (half_ > 0) return {-y0, -y1, n_ & 7};
  return {y0, y1, n_ & 7};
}

Reduction LongReductionOf(Extended x) {
  const Extended a = Abs(x);
  if (a == 0 || IsNaNOrInfinite(a)) return {a, 0};
  // three 24-bit integer pieces of a: a = (z0 + z1 2^-24 + z2 2^-48) 2^e
  const std::int32_t e = ExponentOf(a) - (kPieceBits - 1);
  Extended z = ScaleByPowerOf2(a, -e);  // 2^23 <= z < 2^24
  std::array<double, 3> pieces;
  for (double& piece : pieces) {
    const Extended whole = TruncToIntegral(z);
    piece = static_cast<double>(whole.raw());
    z = (z - whole) * kTwo24;
  }
  const LongRemainder rem = LongReduction(pieces, e).Run();
  // the two doubles' 106 bits as the extended remainder and its next bits
  const exact::Pair r = exact::TwoSum(rem.y0, rem.y1);
  if (x < 0) return {Extended(-r.hi), (8 - rem.q) % 8, Extended(-r.lo)};
  return {Extended(r.hi), rem.q, Extended(r.lo)};
}

}  // namespace

Reduction ReducePiOver2(Extended x) {
  const Extended a = Abs(x);
  if (a < constants::kPiOver4) return {x, 0};  // |x| < pi/4: already reduced
  if (a <= constants::kTwo39) {                // |x| <= 2^39: j*P1 and j*P2 are exact
    // j pi/4 nearest below x, moved up to even j so that |r| <= pi/4
    Extended j = FloorToIntegral(x / constants::kPiOver4);
    std::int32_t m = static_cast<std::int32_t>((j - 16 * FloorToIntegral(j / 16)).raw());  // j mod 16
    if (m % 2 != 0) {
      m += 1;
      j += 1;
    }
    const std::int32_t q = (m / 2) % 8;
    // On raw values, every operand finite and of moderate size: x - j P1 is
    // exact (x lies within a factor of two of j pi/4), and each later step
    // keeps its rounding error in the low part.
    const long double jr = j.raw();
    const exact::Pair a = exact::TwoSum((x - j * kP1).raw(), -(jr * kP2));
    const exact::Pair p3 = exact::TwoProduct(jr, kP3);
    const exact::Pair b = exact::TwoSum(a.hi, -p3.hi);
    const exact::Pair r = exact::FastTwoSum(b.hi, ((a.lo - p3.lo) + b.lo) - jr * kP4);
    // Formed on the raw value: the product is tiny and finite, and a checked
    // |j| would be a call that passes j through memory, a tenth of the time.
    const long double bound = __builtin_fabsl(jr) * kShortErrorPerStep;
    const long double size = __builtin_fabsl(r.hi);
    if (size > kShortRemainderMin && size > bound) return {Extended(r.hi), q, Extended(r.lo)};
  }
  return LongReductionOf(x);
}

}  // namespace base
