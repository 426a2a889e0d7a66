// Numbers in the settings and list files: written in plain decimal, read the forgiving way
// the files have always been read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drawlot {

// Skips leading white space, takes an optional sign, then decimal digits up to the first other
// byte. No digits read as 0. Values beyond the 32-bit range are held at its ends.
std::int32_t ParseDecimal(std::string_view text);

// Decimal with a leading "-" when negative, no leading zeros or blanks.
std::string FormatDecimal(std::int32_t value);

}  // namespace drawlot
