// The elementary functions of the extended real beyond those of extended.h,
// and the reduction they are built on.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace base {

// x = q*pi/2 + r with |r| <= pi/4 and q in 0..7.
struct Reduction {
  Extended r;
  std::int32_t q;
};
Reduction ReducePiOver2(Extended x);

}  // namespace base
