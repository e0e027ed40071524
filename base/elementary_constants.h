// The fixed values shared by the elementary functions, each the extended real
// nearest to the quantity named (exact hex first, decimal beside it).
#pragma once

#include "base/extended.h"

namespace base::constants {

// pi/2 = 1.570796326794896619256, above the true pi/2 by about 2.508e-20, and
// pi/4 = 0.7853981633974483096282: the extended pi halved and quartered, exactly
inline constexpr long double kPiOver2 = base::Pi().raw() / 2;
inline constexpr long double kPiOver4 = base::Pi().raw() / 4;
// ln 2 = 0.6931471805599453094287
inline constexpr long double kLn2 = 0xB17217F7D1CF79ACp-64L;
// log2 e = 1/ln 2 = 1.442695040888963407388, and what it misses of log2 e,
// -2.772710179645130978454e-20 (then within 4.8e-40)
inline constexpr long double kLog2E = 0xB8AA3B295C17F0BCp-63L;
inline constexpr long double kLog2ELow = -0x82F0025F2DC582EEp-128L;
// ln of the largest extended real (2^16384 - 2^16320) = 11356.52340629414394879
inline constexpr long double kLnMax = 0xB17217F7D1CF79ABp-50L;
// 2^-32 = 2.328306436538696289062e-10
inline constexpr long double kTwoMinus32 = 0x8000000000000000p-95L;
// 2^39 = 549755813888
inline constexpr long double kTwo39 = 0x8000000000000000p-24L;
// 2^-63 = 1.084202172485504434007e-19, the spacing of the extended reals above 1
inline constexpr long double kEpsilon = 0x8000000000000000p-126L;

}  // namespace base::constants
