// "Transformações na rede": a finished normalised low-pass ladder turned
// into a high-pass, band-pass or band-stop ladder, scaled in impedance or in
// frequency, given an even spread of L and C values, or put back as it was
// at the end of the synthesis.  Each transformation rewrites the network
// in place and logs what it did.
#pragma once

#include <optional>

#include "base/extended.h"
#include "ladder/network.h"
#include "ladder/synthesis.h"
#include "ladder/transformation_form.h"

namespace ladder {

// Shows the choice modally and runs the chosen transformation, asking its
// values with 1 as the default.
void TransformNetwork(const Synthesis& s, TransformationForm& form, const NetworkBackup& backup);

// Every L becomes a C and every C an L of value 1/(value·w), in the same
// place; resistances stay.
void LowpassToHighpass(const Synthesis& s, base::Extended w);

// Every L becomes L/B with a capacitor B/(L·w0²), every C becomes C/B with
// an inductor B/(C·w0²), each pair a new section; then the double series
// tanks this makes may be turned into two parallel tanks in series.
void LowpassToBandpass(const Synthesis& s, base::Extended b, base::Extended w0);

// L and R times k, C divided by k.
void ScaleImpedance(const Synthesis& s, base::Extended k);

// Two parallel tanks La ∥ Ca and Lb ∥ Cb in series.
struct DoubleTank {
  base::Extended la;
  base::Extended ca;
  base::Extended lb;
  base::Extended cb;
};

// The series resonator Ls-Cs in parallel with the parallel resonator
// Lp ∥ Cp, both tuned alike, as two parallel tanks in series; nothing when
// no such tanks exist (a square root of a negative number on the way, which
// negative element values bring).
std::optional<DoubleTank> ConvertDoubleTank(base::Extended lp, base::Extended cp, base::Extended ls, base::Extended cs);

// One impedance scaling that makes the smallest inductance equal to the
// smallest capacitance; the value a 1-ohm termination takes is appended.
void OptimiseSpread(const Synthesis& s);

}  // namespace ladder
