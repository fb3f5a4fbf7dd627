#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kelvane {

std::string Decimal_Text(double value)
{
    if (value == 0)
        return "0";

    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));

    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    const std::string_view mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string digits;
    digits += mantissa.front();
    digits += mantissa.substr(2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integer_digits) {
            out += digits + std::string(integer_digits - digits.size(), '0');
        } else {
            out += digits.substr(0, integer_digits) + "." + digits.substr(integer_digits);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::optional<double> Parse_Number(std::string_view field)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    if (field.size() > 1 && field.front() == '+' && field[1] != '-')
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;

    double value = 0;
    const auto parsed = std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::general);
    if (parsed.ec != std::errc() || parsed.ptr != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace kelvane
