// The elliptic approximation.  It keeps the selectivity ws/wp exactly; the
// order follows from Amax, Amin and the selectivity (or is forced), and the
// stop-band attenuation actually reached is a result.
//
// The design hands each value to its sink as soon as it is known, in the
// order the user reads them, so that a fault further on leaves everything
// before it in place.  The poles and zeros stay in fixed tables of the
// design, from which the roots files are written; their constants come from
// k0 and alfa.
#pragma once

#include <cstdint>

#include "elliptic/checked_array.h"
#include "elliptic/requirement.h"

namespace elliptic {

// Slots for the attenuation zeros and for the poles: enough for the orders up
// to 1000, the largest one a forced order is limited to.
constexpr std::int32_t kEllipticSlots = 500;
constexpr std::int32_t kEllipticOrderLimit = 2 * kEllipticSlots;

struct EllipticPolePair {
  std::int32_t index;  // 1 .. N div 2
  Extended u;          // the real part of the argument of sn
  Extended re, im;     // the upper pole of the pair, rad/s
  Extended w, q;       // its magnitude and quality factor
};

// Where the design reports to; every report is optional.
class EllipticSink : public OrderSource {
 public:
  virtual void Selectivity(Extended) {}
  // K(1/xi) and K'(1/alfa^2), then K'(1/xi) and K(1/alfa^2)
  virtual void Integrals(Extended, Extended) {}
  virtual void ComplementaryIntegrals(Extended, Extended) {}
  virtual void AttenuationZerosHeading() {}
  virtual void AttenuationZero(std::int32_t, Extended) {}  // normalised to wp = 1
  virtual void CharacteristicConstant(Extended) {}         // k0
  virtual void TransmissionZerosHeading() {}
  virtual void TransmissionZero(std::int32_t, Extended) {}  // rad/s
  virtual void ZeroAtInfinity(std::int32_t) {}
  virtual void PoleOffset(Extended) {}  // v0
  virtual void PolesHeading() {}
  virtual void PolePair(const EllipticPolePair&) {}
  virtual void RealPole(std::int32_t, Extended) {}
};

struct EllipticDesign {
  Extended wp;
  Extended epsilon;
  Extended xi;  // the selectivity ws/wp
  std::int32_t order = 0;
  CheckedArray<Extended, kEllipticSlots> wza;  // attenuation zeros for wp = 1
  Extended k0;                                 // constant of F(s)/P(s) for wp = 1
  Extended alfa;                               // the constant of the roots of Q(w), the zeros scaled by 1/sqrt(xi)
  Extended v0;
  CheckedArray<Extended, kEllipticSlots> re, im;  // poles in rad/s, the real one last

  std::int32_t Pairs() const { return order / 2; }
  bool Odd() const { return order % 2 != 0; }
  // The slot of the real pole of an odd order.
  std::int32_t RealPoleSlot() const;
};

// Runs the design into `design`; false when the sink gave no order.  A
// computed order beyond the tables ends with a range check error as soon as
// a slot past them is needed.
bool DesignElliptic(const Requirement& requirement, const EpsilonAlfa& ea, EllipticSink& sink, EllipticDesign& design);

// Transmission zero i in rad/s.
Extended TransmissionZero(const EllipticDesign& design, std::int32_t i);
// The attenuation in dB at ws of the characteristic function, from alfa.
Extended StopBandAttenuation(Extended epsilon, Extended alfa);
// The constant of P(s): |T(0)| = 1 for an odd order, 1/sqrt(1 + eps^2) for
// an even one, with E(s) monic.
Extended GainConstant(const EllipticDesign& design);
// The constant of F(s): with E(s) monic, |E|^2 = |F|^2 + |P|^2 on the
// imaginary axis needs F monic for an odd order, where P has a lower degree,
// and sqrt(1 - c^2) for an even one.
Extended AttenuationConstant(const EllipticDesign& design);

}  // namespace elliptic
