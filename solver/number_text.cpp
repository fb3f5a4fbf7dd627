#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace kelvane {
namespace {

// The significant digits (trailing zeros removed) and the decimal exponent of
// the value rounded to 15 significant digits.
struct Digits {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

Digits Scientific_Digits(double magnitude, int precision)
{
    char buffer[40];
    const auto written = precision < 0
        ? std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific)
        : std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision);
    const char* e = static_cast<const char*>(std::memchr(buffer, 'e', static_cast<std::size_t>(written.ptr - buffer)));
    Digits out;
    for (const char* c = buffer; c < e; ++c)
        if (*c != '.')
            out.digits[out.count++] = *c;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), written.ptr, out.exponent);
    return out;
}

// The shortest digits that read back as the double lie within half a unit of
// it, and among texts of their length they are the closest to it. Rounding
// them at the 15th digit therefore rounds the exact value the same way, except
// when they end exactly on the midpoint: only then is the slower exact
// conversion needed.
Digits Round_To_15_Exactly(double magnitude)
{
    Digits d = Scientific_Digits(magnitude, 14);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

Digits Round_To_15(double magnitude)
{
    Digits d = Scientific_Digits(magnitude, -1);
    if (d.count > 15) {
        const char next = d.digits[15];
        if (next == '5' && d.count == 16)
            return Round_To_15_Exactly(magnitude);
        d.count = 15;
        if (next >= '5') {
            int i = 14;
            for (; i >= 0 && d.digits[i] == '9'; --i)
                d.digits[i] = '0';
            if (i >= 0) {
                ++d.digits[i];
            } else {
                d.digits[0] = '1';
                ++d.exponent;
            }
        }
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

}  // namespace

void Append_Decimal_Text(std::string& out, double value)
{
    if (value == 0) {
        out += '0';
        return;
    }
    if (value < 0)
        out += '-';
    const Digits d = Round_To_15(std::abs(value));
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));

    if (d.exponent < -4 || d.exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        const int magnitude = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (d.exponent >= 0) {
        const auto integer_digits = static_cast<std::size_t>(d.exponent) + 1;
        if (digits.size() <= integer_digits) {
            out += digits;
            out.append(integer_digits - digits.size(), '0');
        } else {
            out += digits.substr(0, integer_digits);
            out += '.';
            out += digits.substr(integer_digits);
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += digits;
    }
}

std::string Decimal_Text(double value)
{
    std::string out;
    Append_Decimal_Text(out, value);
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
