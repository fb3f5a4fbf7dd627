#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace {

// Enough for any double in fixed notation (309 integer digits) plus sign, point and
// the requested decimals.
std::string Fixed_Chars(double value, int decimals)
{
    std::string buffer(static_cast<size_t>(decimals) + 330, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    buffer.resize(static_cast<size_t>(result.ptr - buffer.data()));
    return buffer;
}

// The decimal digits of |value| correctly rounded to 1 + precision significant digits:
// digits "d1d2d3..." and exponent x mean d1.d2d3... × 10^x.
struct Scientific_Digits {
    std::string digits;
    int exponent = 0;
};

Scientific_Digits Scientific(double value, int precision)
{
    std::string buffer(static_cast<size_t>(precision) + 32, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific, precision);
    const std::string text(buffer.data(), result.ptr);
    const size_t e = text.find('e');
    Scientific_Digits out;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.') out.digits += text[i];
    }
    out.exponent = std::stoi(text.substr(e + 1));
    return out;
}

void Strip_Trailing_Zeros(std::string& digits, size_t keep)
{
    while (digits.size() > keep && digits.back() == '0') digits.pop_back();
}

QString Non_Finite_Text(double value)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// Length of the longest decimal number at the start of `text` from `start`, or 0:
// an optional sign, digits with at most one point (at least one digit in all), then an
// exponent "e"/"E" with optional sign and at least one digit, taken only when complete.
qsizetype Number_Length(const QString& text, qsizetype start)
{
    const auto is_digit = [&](qsizetype i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    qsizetype i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    qsizetype digit_count = 0;
    while (is_digit(i)) { ++i; ++digit_count; }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (is_digit(i)) { ++i; ++digit_count; }
    }
    if (digit_count == 0) return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
        if (is_digit(j)) {
            while (is_digit(j)) ++j;
            i = j;
        }
    }
    return i - start;
}

// Whether a number that from_chars found out of range is too large (rather than too
// small): the decimal magnitude of its first significant digit decides.
bool Is_Too_Large(const std::string& number)
{
    const size_t e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    long long magnitude = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
    long long exponent = 0;
    if (e != std::string::npos) {
        size_t i = e + 1;
        const bool negative = number[i] == '-';
        if (number[i] == '-' || number[i] == '+') ++i;
        for (; i < number.size(); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), 100000LL);
        if (negative) exponent = -exponent;
    }
    magnitude += exponent;
    return magnitude > 0;
}

// Value of a text already known to be a complete number; nullopt when it is too large
// for a double. A number too small for a double is zero.
std::optional<double> Number_Value(const QString& number)
{
    std::string chars = number.toStdString();
    const bool negative = chars.front() == '-';
    if (chars.front() == '+' || negative) chars.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(chars.data(), chars.data() + chars.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (Is_Too_Large(chars)) return std::nullopt;
        value = 0;
    }
    return negative ? -value : value;
}

qsizetype Skip_Blanks(const QString& text, qsizetype i)
{
    while (i < text.size() && text[i].isSpace()) ++i;
    return i;
}

// A number pattern of the form "0.00e+#" / "#.###e-##" / "0.000": one integer digit,
// decimals ('0' always shown, '#' shown when not zero), an optional exponent part with
// its sign rule and its minimum digit count ('0' digits).
struct Number_Pattern {
    bool scientific = false;
    int min_decimals = 0;
    int max_decimals = 0;
    bool exponent_plus = false;
    int exponent_min_digits = 1;
};

std::optional<Number_Pattern> Parse_Pattern(const QString& pattern)
{
    Number_Pattern out;
    qsizetype i = 0;
    if (i >= pattern.size() || (pattern[i] != u'0' && pattern[i] != u'#')) return std::nullopt;
    ++i;
    if (i < pattern.size() && pattern[i] == u'.') {
        ++i;
        while (i < pattern.size() && pattern[i] == u'0') { ++i; ++out.min_decimals; }
        out.max_decimals = out.min_decimals;
        while (i < pattern.size() && pattern[i] == u'#') { ++i; ++out.max_decimals; }
    }
    if (i == pattern.size()) return out;
    if (pattern[i] != u'e' && pattern[i] != u'E') return std::nullopt;
    ++i;
    if (i >= pattern.size() || (pattern[i] != u'+' && pattern[i] != u'-')) return std::nullopt;
    out.scientific = true;
    out.exponent_plus = pattern[i] == u'+';
    ++i;
    int zeros = 0;
    const qsizetype digits_start = i;
    while (i < pattern.size() && (pattern[i] == u'0' || pattern[i] == u'#')) {
        if (pattern[i] == u'0') ++zeros;
        ++i;
    }
    if (i == digits_start || i != pattern.size()) return std::nullopt;
    out.exponent_min_digits = std::max(zeros, 1);
    return out;
}

QString Format_Scientific(double value, const Number_Pattern& pattern)
{
    Scientific_Digits sci = Scientific(value, pattern.max_decimals);
    Strip_Trailing_Zeros(sci.digits, static_cast<size_t>(pattern.min_decimals) + 1);
    const bool zero = sci.digits.find_first_not_of('0') == std::string::npos;
    if (zero) sci.exponent = 0;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += sci.digits.front();
    if (sci.digits.size() > 1) text += "." + sci.digits.substr(1);
    text += 'e';
    if (sci.exponent < 0) text += '-';
    else if (pattern.exponent_plus) text += '+';
    std::string exponent = std::to_string(std::abs(sci.exponent));
    if (exponent.size() < static_cast<size_t>(pattern.exponent_min_digits))
        exponent.insert(0, static_cast<size_t>(pattern.exponent_min_digits) - exponent.size(), '0');
    return QString::fromStdString(text + exponent);
}

QString Format_Fixed(double value, const Number_Pattern& pattern)
{
    std::string text = Fixed_Chars(value, pattern.max_decimals);
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
    const size_t point = text.find('.');
    if (point != std::string::npos) {
        Strip_Trailing_Zeros(text, point + 1 + static_cast<size_t>(pattern.min_decimals));
        if (text.back() == '.') text.pop_back();
    }
    return QString::fromStdString(text);
}

} // namespace

QString Decimal_Text(double value)
{
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    Scientific_Digits sci = Scientific(value, 14);
    Strip_Trailing_Zeros(sci.digits, 1);
    if (sci.digits == "0") return QStringLiteral("0");
    std::string text = value < 0 ? "-" : "";
    if (sci.exponent < -4 || sci.exponent >= 15) {
        text += sci.digits.front();
        if (sci.digits.size() > 1) text += "." + sci.digits.substr(1);
        text += sci.exponent < 0 ? "E-" : "E+";
        const std::string exponent = std::to_string(std::abs(sci.exponent));
        if (exponent.size() < 2) text += '0';
        text += exponent;
    } else if (sci.exponent < 0) {
        text += "0." + std::string(static_cast<size_t>(-sci.exponent - 1), '0') + sci.digits;
    } else {
        const size_t integer_digits = static_cast<size_t>(sci.exponent) + 1;
        if (sci.digits.size() <= integer_digits) {
            text += sci.digits + std::string(integer_digits - sci.digits.size(), '0');
        } else {
            text += sci.digits.substr(0, integer_digits) + "." + sci.digits.substr(integer_digits);
        }
    }
    return QString::fromStdString(text);
}

double Leading_Number(const QString& text)
{
    const qsizetype start = Skip_Blanks(text, 0);
    const qsizetype length = Number_Length(text, start);
    if (length == 0) return 0;
    return Number_Value(text.mid(start, length)).value_or(0);
}

bool Is_Numeric(const QString& text)
{
    const qsizetype start = Skip_Blanks(text, 0);
    const qsizetype length = Number_Length(text, start);
    if (length == 0 || Skip_Blanks(text, start + length) != text.size()) return false;
    return Number_Value(text.mid(start, length)).has_value();
}

double Round_Half_Even(double value, int decimals)
{
    // Every finite double has at most 1074 decimals, so beyond that nothing changes.
    if (!std::isfinite(value) || decimals >= 1074) return value;
    const std::string text = Fixed_Chars(value, std::max(decimals, 0));
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

QString Format_Number(double value, const QString& pattern)
{
    const std::optional<Number_Pattern> parsed = Parse_Pattern(pattern);
    if (!parsed || !std::isfinite(value)) return Decimal_Text(value);
    return parsed->scientific ? Format_Scientific(value, *parsed) : Format_Fixed(value, *parsed);
}

double MinOf(double a, double b) { return b < a ? b : a; }
double MaxOf(double a, double b) { return b > a ? b : a; }
double MinOf(const QString& a, const QString& b) { return MinOf(Leading_Number(a), Leading_Number(b)); }
double MaxOf(const QString& a, const QString& b) { return MaxOf(Leading_Number(a), Leading_Number(b)); }
double MinOf(const QString& a, double b) { return MinOf(Leading_Number(a), b); }
double MaxOf(const QString& a, double b) { return MaxOf(Leading_Number(a), b); }
double MinOf(double a, const QString& b) { return MinOf(a, Leading_Number(b)); }
double MaxOf(double a, const QString& b) { return MaxOf(a, Leading_Number(b)); }
