#include "ui/formula.h"

#include "model/number_text.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>

namespace {

mu::value_type Add(mu::value_type a, mu::value_type b) { return a + b; }
mu::value_type Subtract(mu::value_type a, mu::value_type b) { return a - b; }
mu::value_type Multiply(mu::value_type a, mu::value_type b) { return a * b; }
mu::value_type Power(mu::value_type a, mu::value_type b) { return std::pow(a, b); }

mu::value_type Divide(mu::value_type a, mu::value_type b)
{
    // The parser's own "/" gives an infinity; a user must hear that the divisor was 0.
    if (b == 0)
        throw mu::ParserError(mu::ecDIV_BY_ZERO);
    return a / b;
}

// The parser's own binary operators are switched off so that division can be checked;
// these five take their places with the usual precedence.
void Define_Arithmetic(mu::Parser& parser)
{
    parser.EnableBuiltInOprt(false);
    parser.DefineOprt("+", Add, mu::prADD_SUB);
    parser.DefineOprt("-", Subtract, mu::prADD_SUB);
    parser.DefineOprt("*", Multiply, mu::prMUL_DIV);
    parser.DefineOprt("/", Divide, mu::prMUL_DIV);
    parser.DefineOprt("^", Power, mu::prPOW, mu::oaRIGHT);
    parser.DefineConst("pi", M_PI);
}

// The parser reports the rest of the formula from the unknown token on: name only the
// word (or the one sign) that it could not read.
QString Unknown_Name(const QString& rest)
{
    const QString trimmed = rest.trimmed();
    qsizetype length = 0;
    while (length < trimmed.size() && (trimmed[length].isLetterOrNumber() || trimmed[length] == QLatin1Char('_'))
           && !(length == 0 && trimmed[0].isDigit()))
        ++length;
    return trimmed.left(std::max<qsizetype>(length, 1));
}

QString Error_Description(const mu::ParserError& error)
{
    switch (error.GetCode()) {
    case mu::ecDIV_BY_ZERO:
        return QStringLiteral("0 で除算しました。");
    case mu::ecUNEXPECTED_EOF:
        return QStringLiteral("数式が途中で終わっています。");
    case mu::ecMISSING_PARENS:
        return QStringLiteral("閉じ括弧 ) がありません。");
    case mu::ecUNEXPECTED_PARENS:
        return QStringLiteral("括弧の位置が正しくありません。");
    case mu::ecUNASSIGNABLE_TOKEN:
    case mu::ecINVALID_CHARACTERS_FOUND:
        return QStringLiteral("数式に使えない文字または名前があります: ")
            + Unknown_Name(QString::fromStdString(error.GetToken()));
    case mu::ecTOO_MANY_PARAMS:
    case mu::ecTOO_FEW_PARAMS:
        return QStringLiteral("関数の引数の数が正しくありません。");
    case mu::ecEXPRESSION_TOO_LONG:
    case mu::ecIDENTIFIER_TOO_LONG:
        return QStringLiteral("数式が長すぎます。");
    default:
        return QStringLiteral("数式の構文が正しくありません。");
    }
}

QString Non_Finite_Description(double value)
{
    if (std::isnan(value))
        return QStringLiteral("計算結果が数値になりません。(負の数の平方根など)");
    return QStringLiteral("計算結果が無限大になります。");
}

} // namespace

Formula_Result Eval_Formula(const QString& expression)
{
    QString formula = expression.normalized(QString::NormalizationForm_KC).trimmed();
    if (formula.startsWith(QLatin1Char('=')))
        formula.remove(0, 1);
    formula = formula.trimmed().toLower();
    if (formula.isEmpty())
        return {};
    Formula_Result result;
    try {
        mu::Parser parser;
        Define_Arithmetic(parser);
        parser.SetExpr(formula.toStdString());
        const double value = parser.Eval();
        if (!std::isfinite(value)) {
            result.error = Non_Finite_Description(value);
            return result;
        }
        result.value = value;
        result.text = Plain_Decimal_Text(value);
    } catch (const mu::ParserError& error) {
        result.error = Error_Description(error);
    }
    return result;
}

QString Plain_Decimal_Text(double value)
{
    const QString text = Decimal_Text(value);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e < 0)
        return text;
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString mantissa = text.mid(negative ? 1 : 0, e - (negative ? 1 : 0));
    const int exponent = text.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    const qsizetype integer_digits = point < 0 ? mantissa.size() : point;
    mantissa.remove(QLatin1Char('.'));
    // The point moves exponent places from behind the integer digits.
    const qsizetype new_point = integer_digits + exponent;
    QString plain;
    if (new_point <= 0)
        plain = QStringLiteral("0.") + QString(-new_point, QLatin1Char('0')) + mantissa;
    else if (new_point >= mantissa.size())
        plain = mantissa + QString(new_point - mantissa.size(), QLatin1Char('0'));
    else
        plain = mantissa.left(new_point) + QLatin1Char('.') + mantissa.mid(new_point);
    return negative ? QLatin1Char('-') + plain : plain;
}
