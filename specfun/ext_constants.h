// The library's constants: those of the elementary functions of base, under
// the library's namespace.
#pragma once

#include "base/elementary_constants.h"

namespace specfun {

namespace constants = base::constants;

}  // namespace specfun
