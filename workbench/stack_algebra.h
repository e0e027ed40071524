// The register stack and the algebra on the working polynomial X.
//
// "Pop" always means Y := Z, then Z := T; T keeps its value.  Operations that
// could grow a polynomial beyond kMaxDegree refuse with a "* " line in the
// log and change nothing; they return false then.
#pragma once

#include "base/extended.h"
#include "frame/log.h"
#include "workbench/registers.h"

namespace workbench {

// When x is undefined: logs "* Polinômio ainda indefinido *" and gives true.
bool CheckDefined(const TPolynomialRecord& x, frame::Log& log);
// Zero the coefficients below max|a| / toln, then drop vanished leading ones
// (degree -1 when nothing is left).  Constant and defined flag stay.
void CleanPolynomial(TPolynomialRecord& x, base::Extended toln);
// Clean x and make it monic, folding a(n) into the constant.
void Normalize(TPolynomialRecord& x, base::Extended toln);
void Push(Registers& r);
// X := X.c*X + Y.c*Y with constant 1, cleaned; then pop.
void AddPop(Registers& r, base::Extended toln);
void NegateConstant(TPolynomialRecord& x);
// X := Y - X, then pop.
void SubtractPop(Registers& r, base::Extended toln);
// X := X*Y (constants multiplied, not cleaned); then pop.  A vanished
// factor (degree -1) makes the product vanish.  A product beyond kMaxDegree
// is refused before anything changes: no pop either.
bool MultiplyPop(Registers& r, frame::Log& log);
// x := s*x; refused at degree kMaxDegree.
bool MultiplyByS(TPolynomialRecord& x, frame::Log& log);
void ScaleConstant(TPolynomialRecord& x, base::Extended k);
// x := p(s)*p(-s) as a polynomial in s^2; p may be x itself.
void ParaconjugateSquare(TPolynomialRecord& x, const TPolynomialRecord& p);
// X := c * prod (s - r_k) over the first degree-of-X roots of the root list,
// the imaginary residue into Y; warns when the residue exceeds tolm.  A count
// outside 0 .. kMaxDegree is refused with a "* " line, X and Y unchanged.
void PolynomialFromRoots(Registers& r, base::Extended c, base::Extended tolm, frame::Log& log);
// The angle of re + j*im in radians.
base::Extended PhaseAngle(base::Extended re, base::Extended im);
// Rewrite a pure even or pure odd polynomial in w as one in s, leading
// coefficient positive.
void WToS(TPolynomialRecord& p);
// x^y as exp(y ln x); x must be positive.
base::Extended Power(base::Extended x, base::Extended y);

}  // namespace workbench
