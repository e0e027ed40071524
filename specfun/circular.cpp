// The circular functions: reduction modulo pi/2, then the unit's own sine,
// cosine or tangent of the remainder |r| <= pi/4 placed by the quadrant.
#include "specfun/ext_math.h"
#include "specfun/x87.h"

namespace specfun {
namespace {

// An infinite argument reaches these as it is: the unit's invalid operation.
Extended SinOfRemainder(Extended r) { return Extended::CheckedUnary(x87::Sin(r.raw()), r.raw()); }
Extended CosOfRemainder(Extended r) { return Extended::CheckedUnary(x87::Cos(r.raw()), r.raw()); }
Extended TanOfRemainder(Extended r) { return Extended::CheckedUnary(x87::Tan(r.raw()), r.raw()); }

SinCos SinCosOfRemainder(Extended r) {
  const x87::SinCosPair p = x87::SinCos(r.raw());
  return {Extended::CheckedUnary(p.sin, r.raw()), Extended::CheckedUnary(p.cos, r.raw())};
}

}  // namespace

Extended Cosine(Extended x) {
  const Reduction red = ReducePiOver2(x);
  switch (red.q % 4) {
    case 0: return CosOfRemainder(red.r);
    case 1: return -SinOfRemainder(red.r);
    case 2: return -CosOfRemainder(red.r);
    default: return SinOfRemainder(red.r);
  }
}

Extended Sine(Extended x) {
  const Reduction red = ReducePiOver2(x);
  switch (red.q % 4) {
    case 0: return SinOfRemainder(red.r);
    case 1: return CosOfRemainder(red.r);
    case 2: return -SinOfRemainder(red.r);
    default: return -CosOfRemainder(red.r);
  }
}

SinCos SineCosine(Extended x) {
  const Reduction red = ReducePiOver2(x);
  const SinCos sc = SinCosOfRemainder(red.r);
  switch (red.q % 4) {
    case 0: return {sc.sin, sc.cos};
    case 1: return {sc.cos, -sc.sin};
    case 2: return {-sc.sin, -sc.cos};
    default: return {-sc.cos, sc.sin};
  }
}

// In odd quadrants tan x = -cot r; r is never 0 there, since no extended
// real is an odd multiple of pi/2.
Extended Tangent(Extended x) {
  const Reduction red = ReducePiOver2(x);
  const Extended t = TanOfRemainder(red.r);
  if (red.q % 2 == 0) return t;
  return -1 / t;
}

}  // namespace specfun
