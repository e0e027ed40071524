#include "ladder/inversion.h"

#include <algorithm>
#include <utility>

#include "ladder/listings.h"

namespace ladder {

void InvertImmittance(Immittance& f, frame::Console& console) {
  if (f.K == 0) return;
  f.admittance = !f.admittance;
  ShowImmittanceKind(f, console);
  f.K = base::Extended(1) / f.K;
  const std::int32_t top = std::max(f.N.degree, f.D.degree);
  for (std::int32_t i = 0; i <= top; ++i)
    std::swap(f.N.a[static_cast<std::size_t>(i)], f.D.a[static_cast<std::size_t>(i)]);
  std::swap(f.N.degree, f.D.degree);
}

}  // namespace ladder
