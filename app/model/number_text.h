#pragma once

#include <QString>

// Number <-> text helpers shared by the whole program. They never throw and never
// depend on the locale: "." is always the decimal mark.

// Shortest decimal text of a double with at most 15 significant digits, e.g. "0.1",
// "-2.5", "1.5E-07", "1E+15". Negative zero is written "0". NaN is "NaN", infinities
// "Inf" and "-Inf".
QString Decimal_Text(double value);

// Value of the longest leading decimal number of the text (after leading blanks);
// 0 when the text does not start with a number. "12abc" -> 12, " 3.5e2x" -> 350.
double Leading_Number(const QString& text);

// Whether the whole text, blanks around allowed, is one decimal number in plain or
// exponent notation ("12", "-0.5", ".5", "1.5E-07").
bool Is_Numeric(const QString& text);

// Rounds to `decimals` places; a value exactly half-way between two candidates (judged
// on the exact binary value of the double) goes to the even digit.
double Round_Half_Even(double value, int decimals);

// Formats by one of the fixed patterns of the program: "0.00000e+#", "0.000e+#",
// "0.00e+#", "0.000", "#.###e-##", "0.0##e-#". An unknown pattern gives Decimal_Text.
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
