#pragma once

#include <QString>

// Number <-> text helpers shared by the whole program. They never throw and never
// depend on the locale: "." is always the decimal mark.

// Shortest decimal text of a double correctly rounded to at most 15 significant digits:
// "0.1", "-2.5", "300". Magnitudes below 1E-04 or from 1E+15 up (after the rounding)
// take the exponent form "1.5E-07", "1E+15", "1.23456789012346E+20" (sign and at least
// two digits). Negative zero is written "0"; NaN is "NaN", infinities "Inf" and "-Inf".
QString Decimal_Text(double value);

// Value of the longest leading decimal number of the text; 0 when the text does not
// start with one. A number is: leading blanks, an optional "+" or "-", ASCII digits with
// at most one "." (at least one digit in all: ".5" and "5." count), then an exponent
// "e"/"E" with an optional sign and digits, taken only when complete ("1e+x" reads 1).
// Blanks inside, hexadecimal, "inf" and "nan" are not numbers. A number too small for
// a double reads 0, one too large for a double also reads 0 (it is no usable value).
// "12abc" -> 12, "abc" -> 0, "" -> 0, " 3.5e2x" -> 350.
double Leading_Number(const QString& text);

// Whether the whole text, blanks around allowed, is one number of the leading-number
// rule ("12", " -0.5 ", ".5", "1.5E-07"); false for a number too large for a double.
bool Is_Numeric(const QString& text);

// Rounds to `decimals` places (a negative count is taken as 0). Ties are judged on the
// exact binary value: 2.5 -> 2 and 0.125 -> 0.12 are ties and go to the even digit,
// while 0.15 (stored as 0.1499999...) rounds to 0.1 and 0.45 (0.4500...01) to 0.5.
// NaN and infinities are returned unchanged.
double Round_Half_Even(double value, int decimals);

// Formats by a number pattern, rounding the exact binary value, ties to even:
// - "0.00000e+#", "0.000e+#", "0.00e+#": one digit, the fixed decimals, "e", the
//   exponent always signed and without leading zeros: 1.23450e+2, 5.00000e-3.
// - "#.###e-##", "0.0##e-#": one digit, the decimals marked "0" always and those marked
//   "#" unless trailing zeros, the exponent signed only when negative: 1.042e4,
//   5.0e-3. With no decimal left the point goes too: 1000 -> "1e3", 0 -> "0e0".
// - "0.000": three fixed decimals of the exact value; 1E+20 -> "100000000000000000000.000".
// Zero never carries a "-". Other patterns of the same shapes work alike; any other
// text, and NaN or an infinity, gives Decimal_Text.
QString Format_Number(double value, const QString& pattern);

// Numeric minimum and maximum; text arguments are read with Leading_Number.
double MinOf(double a, double b);
double MaxOf(double a, double b);
double MinOf(const QString& a, const QString& b);
double MaxOf(const QString& a, const QString& b);
double MinOf(const QString& a, double b);
double MaxOf(const QString& a, double b);
double MinOf(double a, const QString& b);
double MaxOf(double a, const QString& b);
