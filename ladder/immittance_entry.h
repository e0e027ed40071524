// How tramow receives the data of a synthesis: the root tables from roots
// files, a complex frequency picked by name or value, a polynomial built
// from picked roots, and a polynomial from a polynomial file or the
// keyboard, which a typed polynomial can then be saved as.
//
// Nothing beyond the tables' 40 roots or a degree of 40 is ever stored: a
// roots file or a polynomial file that announces more is refused as a
// whole, a typed degree outside -1..40 is asked again, and a picked pair
// that would raise the degree past 40 is refused and another root asked.
#pragma once

#include <optional>
#include <string>

#include "base/extended.h"
#include "frame/console.h"
#include "ladder/immittance_model.h"

namespace ladder {

// Open dialog filters: "Zeros (*.z)", "Pólos (*.r)", polynomial files.
constexpr int kZerosFilter = 1;
constexpr int kPolesFilter = 2;
constexpr int kPolynomialOpenFilter = 3;
// Save dialog filter "Polinômios (*.n; *.d)".
constexpr int kPolynomialSaveFilter = 1;

// A roots file chosen with the open dialog at that filter into the table,
// each root logged as it is read.  A cancel, a file that cannot be opened,
// one with more roots than the table holds or a count below -1, and one
// with a number that cannot be read (which ends the action) leave the
// table as it was.  The subject names what the table holds, for the
// dialog's title.
void ReadRootsFile(RootTable& table, int filter_index, const std::string& subject, frame::Console& console);

// A degree asked until it lies within -1..40; a refused answer is logged and
// asked again with the nearest allowed value as the default.
std::int32_t AskDegree(const std::string& prompt, std::int32_t current, frame::Console& console);

// An answer to the frequency prompt: "P3" or "z1" names a root of a table
// (letter in either case, a number within the table's count), anything else
// must be a real and an imaginary part separated by a blank; nothing when
// the answer is neither.
std::optional<poly::Complex> ParseFrequency(const std::string& answer, const ImmittanceModel& model);

// One complex frequency, "P" or "Z" with a table's root number, or a real
// part and an imaginary part separated by a blank; asked until valid, then
// kept as the model's point and logged.
void AskFrequency(ImmittanceModel& model, frame::Console& console);

// A polynomial of p.degree from picked roots, a complex root bringing its
// conjugate; then its constant, 1/a(0) by default.
void PolynomialFromRoots(ImmittanceModel& model, TPolynomial& p, base::Extended& constant, frame::Console& console);

// One polynomial and its constant from a polynomial file, or typed as
// coefficients or roots and then offered for saving; the subject
// ("Numerador") names it in the titles of both file dialogs.
void EnterPolynomial(ImmittanceModel& model, TPolynomial& p, base::Extended& constant, const std::string& subject,
                     frame::Console& console);

}  // namespace ladder
