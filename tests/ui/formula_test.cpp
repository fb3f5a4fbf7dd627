#include "ui/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Value_Case {
    const char* formula;
    const char* text;
};

TEST(Eval_Formula, EvaluatesArithmeticFunctionsAndConstants)
{
    const Value_Case cases[] = {
        {"500/2-20", "230"},
        {"=12*2.5", "30"},
        {"  = 1+2 ", "3"},
        {"(1+2)*3", "9"},
        {"1+2*3", "7"},
        {"-3+5", "2"},
        {"2*-3", "-6"},
        {"-(2+3)", "-5"},
        {"2^10", "1024"},
        {"2^3^2", "512"},          // powers group from the right
        {"-2^2", "-4"},            // the power binds tighter than the sign
        {"0.1+0.2", "0.3"},
        {".5*4", "2"},
        {"sqrt(16)+abs(-2)", "6"},
        {"sin(0)+cos(0)", "1"},
        {"exp(0)", "1"},
        {"ln(1)+log10(1000)", "3"},
        {"min(3,1,2)+max(4,5)", "6"},
        {"pi", "3.14159265358979"},
        {"2*PI", "6.28318530717959"}, // names in any case
        {"Sqrt(9)", "3"},
        {"５００／２－２０", "230"},   // full-width input as typed with a Japanese input method
        {"1e3/4", "250"},
        {"1/3", "0.333333333333333"},
    };
    for (const Value_Case& c : cases) {
        const Formula_Result result = Eval_Formula(QString::fromUtf8(c.formula));
        EXPECT_TRUE(result.error.isEmpty()) << c.formula << ": " << result.error.toStdString();
        EXPECT_EQ(result.text, QString::fromUtf8(c.text)) << c.formula;
        EXPECT_TRUE(result.value.has_value()) << c.formula;
    }
    EXPECT_DOUBLE_EQ(*Eval_Formula(QStringLiteral("500/2-20")).value, 230.0);
}

TEST(Eval_Formula, WritesTinyAndHugeResultsWithoutAnExponent)
{
    const Value_Case cases[] = {
        {"1/100000", "0.00001"},
        {"-1.5/10^7", "-0.00000015"},
        {"10^20", "100000000000000000000"},
        {"1.5*10^20", "150000000000000000000"},
        {"123456789*10^12", "123456789000000000000"},
        {"2^0.5*10^-9", "0.0000000014142135623731"},
    };
    for (const Value_Case& c : cases) {
        const Formula_Result result = Eval_Formula(QString::fromUtf8(c.formula));
        EXPECT_EQ(result.text, QString::fromUtf8(c.text)) << c.formula;
        EXPECT_FALSE(result.text.contains(QLatin1Char('E'))) << c.formula;
    }
}

TEST(Eval_Formula, ReportsErrorsInJapaneseWithoutAValue)
{
    struct Error_Case {
        const char* formula;
        const char* error;
    };
    const Error_Case cases[] = {
        {"1/0", "0 で除算しました。"},
        {"0/0", "0 で除算しました。"},
        {"5/(2-2)", "0 で除算しました。"},
        {"1+", "数式が途中で終わっています。"},
        {"(1+2", "閉じ括弧 ) がありません。"},
        {"1+2)", "括弧の位置が正しくありません。"},
        {"2**3", "数式に使えない文字または名前があります: *"},
        {"abc+1", "数式に使えない文字または名前があります: abc"},
        {"2+x2*3", "数式に使えない文字または名前があります: x2"},
        {"1<2", "数式に使えない文字または名前があります: <"},
        {"2 3", "数式の構文が正しくありません。"},
        {"sqrt(1,2)", "関数の引数の数が正しくありません。"},
        {"sqrt(-1)", "計算結果が数値になりません。(負の数の平方根など)"},
        {"10^400", "計算結果が無限大になります。"},
        {"ln(0)", "計算結果が無限大になります。"},
    };
    for (const Error_Case& c : cases) {
        const Formula_Result result = Eval_Formula(QString::fromUtf8(c.formula));
        EXPECT_EQ(result.error, QString::fromUtf8(c.error)) << c.formula;
        EXPECT_FALSE(result.value.has_value()) << c.formula;
        EXPECT_TRUE(result.text.isEmpty()) << c.formula;
    }
}

TEST(Eval_Formula, EmptyFormulaIsNeitherValueNorError)
{
    for (const char* formula : {"", "   ", "=", " = "}) {
        const Formula_Result result = Eval_Formula(QString::fromUtf8(formula));
        EXPECT_FALSE(result.value.has_value()) << '"' << formula << '"';
        EXPECT_TRUE(result.error.isEmpty()) << '"' << formula << '"';
    }
}

TEST(Plain_Decimal_Text, KeepsFifteenDigitsAndWordsForNonNumbers)
{
    EXPECT_EQ(Plain_Decimal_Text(0.0), QStringLiteral("0"));
    EXPECT_EQ(Plain_Decimal_Text(-0.0), QStringLiteral("0"));
    EXPECT_EQ(Plain_Decimal_Text(1e15), QStringLiteral("1000000000000000"));
    EXPECT_EQ(Plain_Decimal_Text(-9.99e-5), QStringLiteral("-0.0000999"));
    const QString smallest = Plain_Decimal_Text(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest, QStringLiteral("0.") + QString(323, QLatin1Char('0')) + QStringLiteral("494065645841247"));
    EXPECT_EQ(Plain_Decimal_Text(std::numeric_limits<double>::infinity()), QStringLiteral("Inf"));
}

} // namespace
