// The operations of tramow, in the order of the operations window's radio
// group.  The program, its tests and its benchmarks name an operation by
// these, never by its place in the group.
#pragma once

#include <cstddef>

namespace ladder {

enum class Operation {
  kExtractPoleAtInfinity,
  kExtractConstantAtInfinity,
  kExtractGivenConstant,
  kInvertImmittance,
  kExtractPartialPole,
  kExtractPartialConstant,
  kExtractPolePair,
  kListImmittance,
  kPlotImaginaryAxis,
  kPlotRealS,
  kRestartSameImmittance,
  kRestartOtherImmittance,
  kChangeParameters,
  kTransformNetwork,
  kListNetwork,
  kSaveNetwork,
};

inline constexpr std::size_t kOperationCount = static_cast<std::size_t>(Operation::kSaveNetwork) + 1;

}  // namespace ladder
