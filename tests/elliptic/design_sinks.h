// Sinks that run a design at a fixed order and keep what it reports, for the
// tests of the designs.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "elliptic/classical_designs.h"
#include "elliptic/elliptic_design.h"

namespace elliptic_test {

using base::Extended;

// A design's sink that gives a fixed order and keeps the computed one.
template <typename Sink>
class FixedOrder : public Sink {
 public:
  explicit FixedOrder(std::int32_t order) : order_(order) {}
  std::optional<std::int32_t> Order(Extended n) override {
    computed_n = n;
    return order_;
  }
  Extended computed_n;

 private:
  std::int32_t order_;
};

// The elliptic design at a fixed order, counting what it reports.
class FixedEllipticOrder : public FixedOrder<elliptic::EllipticSink> {
 public:
  using FixedOrder::FixedOrder;
  void AttenuationZero(std::int32_t, Extended) override { ++zeros; }
  void PolePair(const elliptic::EllipticPolePair&) override { ++pairs; }
  void RealPole(std::int32_t, Extended) override { ++real_poles; }

  int zeros = 0, pairs = 0, real_poles = 0;
};

// A classical design at a fixed order, with everything it reports.
class ClassicalRecord : public FixedOrder<elliptic::ClassicalSink> {
 public:
  using FixedOrder::FixedOrder;
  void NormalizedEdge(Extended value) override { wpn = value; }
  void Pole(const elliptic::ClassicalPole& pole) override { poles.push_back(pole); }
  void ConstantNumerator(Extended value) override { c = value; }
  void Zero(std::int32_t, Extended wz) override { zeros.push_back(wz); }
  void EndZeros(Extended value) override { c = value; }

  Extended wpn, c;
  std::vector<elliptic::ClassicalPole> poles;
  std::vector<Extended> zeros;
};

}  // namespace elliptic_test
