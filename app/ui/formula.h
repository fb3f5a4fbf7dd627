#pragma once

#include <QString>

#include <optional>

// Formula input of the numeric fields. The language: numbers (decimal point, optional
// exponent), + - * / and ^ (power, right associative), unary minus and plus, parentheses,
// the functions sin cos tan asin acos atan sinh cosh tanh asinh acosh atanh sqrt exp
// ln log (natural) log10 log2 abs sign rint, min max sum avg with "," between arguments,
// and the constants pi and _e. Letters are taken in any case and full-width characters
// as their ASCII forms. A leading "=" is removed.
struct Formula_Result {
    std::optional<double> value; // absent after an error or for an empty formula
    QString text;                // the value as Plain_Decimal_Text, empty without a value
    QString error;               // a Japanese description of what went wrong, or empty
};

// Division by zero, syntax errors and results that are not finite give an error; a
// formula that is empty (or only "=" and blanks) gives neither value nor error.
Formula_Result Eval_Formula(const QString& expression);

// Decimal_Text without the exponent form, so that the character filter of a numeric
// field keeps the whole value: 1E-05 -> "0.00001", 1.5E+20 -> "150000000000000000000".
// At most 15 significant digits; NaN and infinities give Decimal_Text's words.
QString Plain_Decimal_Text(double value);
