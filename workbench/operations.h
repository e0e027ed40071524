// The operations of the workbench, in the order of the operations window's
// radio group.  The program, its tests and its benchmarks name an operation
// by these, never by its place in the group.
#pragma once

#include <cstddef>

namespace workbench {

enum class Operation {
  kGenerateCharacteristicPolynomial,
  kPolynomialApproximation,
  kInversePolynomialApproximation,
  kSymmetricRationalApproximation,
  kModifiedSymmetricRationalApproximation,
  kBesselApproximation,
  kComputeE,
  kComputeF,
  kImmittances,
  kFrequencyTransformations,
  kListPolynomial,
  kListRoots,
  kRootPlot,
  kReadEditPolynomial,
  kSquarePolynomial,
  kPolynomialRoots,
  kFrequencyResponse,
  kEditParameters,
};

inline constexpr std::size_t kOperationCount = static_cast<std::size_t>(Operation::kEditParameters) + 1;

}  // namespace workbench
