#include "ladder/conditioning.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/errors.h"
#include "ladder/extractions.h"
#include "ladder/step_refused.h"
#include "ladder/synthesis.h"
#include "poly/algebra.h"

namespace ladder {
namespace {

using base::Extended;

// One unit in the last place of a 64-bit significand at 1: multiplying by
// 1 ± this moves a coefficient by about one unit in its own last place.
constexpr long double kRoundingMove = 0x1p-63L;

// Two replays whose moves differ leave a rounding residue different in its
// leading digits; a coefficient of the design agrees to far better than
// this part of it, unless the design itself is lost in rounding.
constexpr long double kSameCoefficient = 0x1p-20L;

// A residue of a few units in the last place of the polynomial's largest
// coefficients is a small multiple of that unit, and may come out the same
// in both replays; a coefficient that small carries nothing that rounding
// does not drown anyway.
constexpr long double kRoundingFloor = 0x1p-54L;

// The values are trusted to a millionth: beyond it a high-order ladder's
// response misses the design it came from.
constexpr long double kTrustedError = 1E-6L;

// The moves' patterns, one per replay.
constexpr std::uint32_t kWitnessPattern = 0x2545F491u;
constexpr std::uint32_t kJudgedPattern = 0x9E3779B9u;

// Up or down for each coefficient in turn, from a linear congruential
// sequence: no regularity of a designed immittance's coefficients repeats
// it, so that residues come out different in the two replays.
class Moves {
 public:
  explicit Moves(std::uint32_t pattern) : state_(pattern) {}
  Extended NextFactor() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 31) != 0 ? Extended(1 + kRoundingMove) : Extended(1 - kRoundingMove);
  }

 private:
  std::uint32_t state_;
};

Immittance Moved(const Immittance& f, std::uint32_t pattern) {
  Moves moves(pattern);
  Immittance moved = f;
  for (TPolynomial* p : {&moved.N, &moved.D})
    for (Extended& a : p->coefficients()) a *= moves.NextFactor();
  moved.K *= moves.NextFactor();
  return moved;
}

// Keeps what each cleaning of its replay was given, in order.
class Witness : public CleaningReview {
 public:
  void Review(const TPolynomial& before, TPolynomial&) override { seen_.push_back(before); }
  const std::vector<TPolynomial>& seen() const { return seen_; }

 private:
  std::vector<TPolynomial> seen_;
};

// Puts back every coefficient its cleaning zeroed that the witness's
// cleaning at the same place was given the same, and, once it kept one the
// witness lost, every one that the witness no longer has.
class Judge : public CleaningReview {
 public:
  explicit Judge(const std::vector<TPolynomial>& witnessed) : witnessed_(witnessed) {}

  void Review(const TPolynomial& before, TPolynomial& cleaned) override {
    if (next_ >= witnessed_.size()) return;
    const TPolynomial& other = witnessed_[next_++];
    // the replays have parted: nothing to compare with
    if (other.degree != before.degree) return;
    const Extended floor = poly::LargestMagnitude(before.coefficients()) * kRoundingFloor;
    for (std::int32_t i = 0; i <= before.degree; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      const Extended a = before.a[k];
      const bool zeroed = base::Abs(a) > floor && (i > cleaned.degree || cleaned.a[k] == 0);
      const Extended seen = other.a[k];
      if (zeroed && ((parted_ && seen == 0) || base::Abs(a - seen) <= base::Abs(a) * kSameCoefficient)) {
        cleaned.a[k] = a;
        cleaned.degree = std::max(cleaned.degree, i);
        parted_ = true;
      }
    }
  }

 private:
  const std::vector<TPolynomial>& witnessed_;
  std::size_t next_ = 0;
  bool parted_ = false;
};

// The journal's steps made again on the entered immittance moved by the
// pattern, from its cleaning at entry on; nothing unless the last step
// completes the synthesis, as it did.
std::optional<Network> Replay(const SynthesisJournal& journal, const ImmittanceModel& model, std::uint32_t pattern,
                              CleaningReview& review, frame::Console& console) {
  ImmittanceModel m = model;
  m.current = Moved(journal.entered, pattern);
  m.tolerance = journal.entry_tolerance;
  m.complete = false;
  m.review = &review;
  Network network;
  SynthesisJournal unrecorded;
  const Synthesis s{m, network, console, unrecorded};
  try {
    NormalizeImmittance(m);
    for (const SynthesisStep& step : journal.steps) {
      if (m.complete) return std::nullopt;
      ReplayStep(s, step);
    }
  } catch (const StepRefused&) {
    return std::nullopt;
  } catch (const base::FloatError&) {
    return std::nullopt;
  }
  if (!m.complete) return std::nullopt;
  return network;
}

// The largest relative change of a value from the synthesis to the replay;
// nothing when the elements differ in count or kind, or a change has no
// finite size.
std::optional<Extended> LargestChange(const Network& synthesis, const Network& replay) {
  if (replay.count != synthesis.count) return std::nullopt;
  long double largest = 0;
  for (std::int32_t i = 1; i <= synthesis.count; ++i) {
    const TNetworkElement& e = synthesis.elements[static_cast<std::size_t>(i)];
    const TNetworkElement& r = replay.elements[static_cast<std::size_t>(i)];
    if (e.kind != r.kind) return std::nullopt;
    // raw arithmetic: an element of value 0 must not end the action
    const long double v = e.value.raw();
    const long double change = v == r.value.raw() ? 0 : std::abs((r.value.raw() - v) / v);
    if (!std::isfinite(change)) return std::nullopt;
    largest = std::max(largest, change);
  }
  return Extended(largest);
}

}  // namespace

std::optional<Extended> EstimateElementError(const SynthesisJournal& journal, const ImmittanceModel& model,
                                             const Network& network, frame::Console& console) {
  const frame::Log::Mute mute(console.log());
  Witness witness;
  const std::optional<Network> witnessed = Replay(journal, model, kWitnessPattern, witness, console);
  if (!witnessed) return std::nullopt;
  Judge judge(witness.seen());
  const std::optional<Network> judged = Replay(journal, model, kJudgedPattern, judge, console);
  if (!judged) return std::nullopt;
  const std::optional<Extended> first = LargestChange(network, *witnessed);
  const std::optional<Extended> second = LargestChange(network, *judged);
  if (!first || !second) return std::nullopt;
  return std::max(*first, *second);
}

void ShowElementError(const std::optional<Extended>& estimate, frame::Console& console) {
  const std::string heading = "Erro relativo estimado dos valores dos elementos:";
  if (estimate)
    console.ShowLine(heading + " " + console.RealToText(*estimate));
  else
    console.ShowLine(heading + " indeterminado (a síntese refeita dá outra rede).");
  if (!estimate || *estimate > kTrustedError)
    console.ShowLine(
        "* Rede mal condicionada por este caminho de síntese: os valores dos elementos não são confiáveis.");
}

}  // namespace ladder
