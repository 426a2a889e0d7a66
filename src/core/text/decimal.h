// Numbers in the settings and list files: written in plain decimal, read the forgiving way
// the files have always been read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drawlot {

// Skips leading white space, takes an optional sign, then decimal digits up to the first other
// byte. No digits read as 0. Values beyond the 32-bit range are held at its ends.
std::int32_t ParseDecimal(std::string_view text);

// A number typed into a field or edited into "drawlot.ini": blanks around it, digits only, and
// the full-width digits "０" to "９" that a Japanese input method types taken as digits.
// nullopt for anything else or a value outside [minimum, maximum].
std::optional<int> ParseTypedNumber(std::string_view text, int minimum, int maximum);

// Decimal with a leading "-" when negative, no leading zeros or blanks.
std::string FormatDecimal(std::int32_t value);

}  // namespace drawlot
