// Number text of the exchange files, the solver's own copy.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// At most 15 significant digits, no trailing zeros, "1.5E-07" style exponent
// below 1E-04 and from 1E+15 up; negative zero is written "0". The value
// must be finite: the stages check every result before it is written.
std::string Decimal_Text(double value);
void Append_Decimal_Text(std::string& out, double value);

// A decimal number in plain or exponent notation with optional blanks around
// it; nothing for text that is not a finite number.
std::optional<double> Parse_Number(std::string_view field);

}  // namespace kelvane
