// The state of tramow around the immittance K·N(s)/D(s) being expanded into
// a ladder: the immittance itself, the copy kept for restarts, the tables of
// transmission zeros and poles, the tolerance and number format, the point
// of the last evaluation; with the evaluation, the cleaning that decides
// when the synthesis is complete, and the normalisation.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/extended.h"
#include "poly/complex.h"

namespace ladder {

// Largest degree of N and D, and most roots in a table.
constexpr std::int32_t kMaxDegree = 40;
constexpr std::int32_t kMaxRoots = 40;

struct TPolynomial {
  // a[i] multiplies s^i; entries above the degree are ignored and may hold
  // stale values.
  std::array<base::Extended, kMaxDegree + 1> a{};
  // -1: the polynomial has vanished.
  std::int32_t degree = 0;

  // a(0)..a(degree); empty when vanished.
  std::span<base::Extended> coefficients() { return {a.data(), static_cast<std::size_t>(degree + 1)}; }
  std::span<const base::Extended> coefficients() const { return {a.data(), static_cast<std::size_t>(degree + 1)}; }
};

// Roots numbered from 1, both members of a conjugate pair as given.
struct RootTable {
  std::array<base::Extended, kMaxRoots + 1> re{};  // re[0] unused
  std::array<base::Extended, kMaxRoots + 1> im{};  // im[0] unused
  std::int32_t count = 0;
};

// K·N(s)/D(s), an impedance or an admittance.  After normalisation N and D
// are monic and K carries the whole scale.
struct Immittance {
  TPolynomial N;
  TPolynomial D;
  base::Extended K = 0;
  bool admittance = false;
};

// Told of every cleaning while a synthesis is made again to estimate its
// error; it may put back coefficients that the cleaning zeroed.
class CleaningReview {
 public:
  virtual ~CleaningReview() = default;
  // p as it was before the cleaning, and as the cleaning left it.
  virtual void Review(const TPolynomial& before, TPolynomial& cleaned) = 0;
};

struct ImmittanceModel {
  Immittance current;
  // The normalised immittance as entered, for "Recomeçar com a mesma
  // imitância".
  Immittance kept;
  // The constants given at entry; the defaults of the next keyboard entry.
  base::Extended numerator_constant = 0;
  base::Extended denominator_constant = 0;
  // N or D has vanished.
  bool complete = false;
  // Relative threshold of the cleaning, and the threshold of the entry and
  // of the extractions.
  base::Extended tolerance = 0;
  // Number format of the log and of the files written.
  std::int32_t width = 0;
  std::int32_t decimals = 0;
  RootTable zeros;      // transmission zeros to realise, letter z
  RootTable poles;      // poles of the transfer function, letter p
  poly::Complex point;  // where EvaluateImmittance evaluates
  poly::Complex value;  // N(point)/D(point), without K
  // Only while a synthesis is made again.
  CleaningReview* review = nullptr;
};

// N(s)/D(s) at the model's point into its value.  A zero of D gives 0 rather
// than an overflow: its |D|² is taken as 1e-12.
void EvaluateImmittance(ImmittanceModel& model);

// Zero the coefficients below the tolerance relative to the largest one,
// lower the degree past vanished leading ones (the model's review may put
// some back), and mark the synthesis complete when nothing is left.
void CleanPolynomial(ImmittanceModel& model, TPolynomial& p);

// The indices of the non-zero coefficients that CleanPolynomial zeroes.
std::vector<std::int32_t> CoefficientsCleanedAway(const ImmittanceModel& model, const TPolynomial& p);

// Clean N and D; unless complete, fold the leading coefficients into K and
// make both monic.
void NormalizeImmittance(ImmittanceModel& model);

void SaveOriginal(ImmittanceModel& model);
void RestoreOriginal(ImmittanceModel& model);

}  // namespace ladder
