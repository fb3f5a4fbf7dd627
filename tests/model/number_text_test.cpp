#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Text_Case {
    double value;
    const char* text;
};

TEST(Decimal_Text, WritesShortestTextOfFifteenDigits)
{
    const Text_Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-123456.789, "-123456.789"},
        {300.0, "300"},
        {1e14, "100000000000000"},
        {999999999999999.0, "999999999999999"},
        {0.0001, "0.0001"},
        {0.000123, "0.000123"},
    };
    for (const Text_Case& c : cases) EXPECT_EQ(Decimal_Text(c.value), QString(c.text)) << c.text;
}

TEST(Decimal_Text, UsesExponentBelowOneTenThousandthAndFromTenToTheFifteen)
{
    const Text_Case cases[] = {
        {1.5e-7, "1.5E-07"},
        {-1.5e-7, "-1.5E-07"},
        {0.00009999, "9.999E-05"},
        {1e15, "1E+15"},
        {-1e15, "-1E+15"},
        {123456789012345678901.0, "1.23456789012346E+20"},
        {1e100, "1E+100"},
        {1.25e-300, "1.25E-300"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (const Text_Case& c : cases) EXPECT_EQ(Decimal_Text(c.value), QString(c.text)) << c.text;
}

TEST(Decimal_Text, DecidesTheNotationAfterRounding)
{
    // Both round to a power of ten at 15 digits, which moves them across the limits.
    EXPECT_EQ(Decimal_Text(999999999999999.9), "1E+15");
    EXPECT_EQ(Decimal_Text(0.0000999999999999999999), "0.0001");
    EXPECT_EQ(Decimal_Text(99999.9999999999999), "100000");
}

TEST(Decimal_Text, ReadsBackToTheSameValue)
{
    for (const double value : {0.1, -2.5e-9, 1e15, 12345.6789, 6.92e-3, 206000.0, 1.5e-7, -7.25e21}) {
        EXPECT_EQ(Leading_Number(Decimal_Text(value)), value) << Decimal_Text(value).toStdString();
    }
}

TEST(Decimal_Text, NamesNonFiniteValues)
{
    EXPECT_EQ(Decimal_Text(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(Decimal_Text(std::numeric_limits<double>::infinity()), "Inf");
    EXPECT_EQ(Decimal_Text(-std::numeric_limits<double>::infinity()), "-Inf");
}

struct Read_Case {
    const char* text;
    double value;
    bool numeric;
};

TEST(Leading_Number, ReadsTheLongestLeadingNumberAndIsNumericTheWholeText)
{
    const Read_Case cases[] = {
        {"12", 12, true},
        {"12abc", 12, false},
        {"abc", 0, false},
        {"", 0, false},
        {"   ", 0, false},
        {" 3.5e2x", 350, false},
        {" -0.5 ", -0.5, true},
        {"\t8\t", 8, true},
        {"+7", 7, true},
        {".5", 0.5, true},
        {"5.", 5, true},
        {"2E-3", 0.002, true},
        {"1.5E-07", 1.5e-7, true},
        {"1e", 1, false},
        {"1e+", 1, false},
        {"1e+x", 1, false},
        {"-", 0, false},
        {".", 0, false},
        {"-.", 0, false},
        {"- 5", 0, false},
        {"1.2.3", 1.2, false},
        {"1,5", 1, false},
        {"1 2", 1, false},
        {"0x10", 0, false},
        {"inf", 0, false},
        {"nan", 0, false},
        {"LFT,150", 0, false},
        {"\xef\xbc\x91\xef\xbc\x92", 0, false}, // full-width digits are not digits here
        {"1e-999", 0, true},                      // too small for a double: zero
        {"1e999", 0, false}, // too large for a double: not a usable number
        {"-1e999", 0, false},
    };
    for (const Read_Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(Leading_Number(text), c.value) << c.text;
        EXPECT_EQ(Is_Numeric(text), c.numeric) << c.text;
    }
}

TEST(Leading_Number, ReadsLongDigitStringsByTheirMagnitude)
{
    const QString zeros(400, u'0');
    const QString tiny = "0." + zeros + "1";
    EXPECT_EQ(Leading_Number(tiny), 0.0);
    EXPECT_TRUE(Is_Numeric(tiny));
    const QString huge_with_small_exponent = "1" + zeros + "e-10";
    EXPECT_EQ(Leading_Number(huge_with_small_exponent), 0.0);
    EXPECT_FALSE(Is_Numeric(huge_with_small_exponent));
    const QString long_but_ordinary = "0." + zeros + "1e400";
    EXPECT_DOUBLE_EQ(Leading_Number(long_but_ordinary), 0.1);
    EXPECT_EQ(Leading_Number("1e99999999999999999999"), 0.0);
    EXPECT_EQ(Leading_Number("1e-99999999999999999999"), 0.0);
}

TEST(Leading_Number, KeepsTheSignOfNegativeZero)
{
    EXPECT_TRUE(std::signbit(Leading_Number("-0")));
    EXPECT_TRUE(std::signbit(Leading_Number("-1e-999")));
}

struct Round_Case {
    double value;
    int decimals;
    double expected;
};

TEST(Round_Half_Even, SendsExactTiesToTheEvenDigit)
{
    const Round_Case cases[] = {
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {0.5, 0, 0},
        {1.5, 0, 2},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {0.0625, 3, 0.062},
        {2.4999, 0, 2},
        {2.5001, 0, 3},
        {1.23456, 3, 1.235},
        {123.456, 0, 123},
        {1e20, 2, 1e20},
        {7.0, 5, 7.0},
    };
    for (const Round_Case& c : cases) EXPECT_EQ(Round_Half_Even(c.value, c.decimals), c.expected) << c.value;
}

TEST(Round_Half_Even, DecidesOnTheExactBinaryValue)
{
    // 0.15, 1.005 and 2.675 lie just below the half-way point, 0.45 just above it.
    EXPECT_EQ(Round_Half_Even(0.15, 1), 0.1);
    EXPECT_EQ(Round_Half_Even(1.005, 2), 1.0);
    EXPECT_EQ(Round_Half_Even(2.675, 2), 2.67);
    EXPECT_EQ(Round_Half_Even(0.45, 1), 0.5);
}

TEST(Round_Half_Even, LeavesWhatCannotBeRoundedAlone)
{
    EXPECT_TRUE(std::isnan(Round_Half_Even(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_EQ(Round_Half_Even(std::numeric_limits<double>::infinity(), 2), std::numeric_limits<double>::infinity());
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Round_Half_Even(tiny, 2000), tiny);
    EXPECT_EQ(Round_Half_Even(tiny, 10), 0.0);
    EXPECT_EQ(Round_Half_Even(2.5, -1), 2.0); // negative places round to a whole number
}

struct Format_Case {
    double value;
    const char* pattern;
    const char* text;
};

TEST(Format_Number, ExponentPatternsWithSignedExponent)
{
    const Format_Case cases[] = {
        {123.45, "0.00000e+#", "1.23450e+2"},
        {0.005, "0.00000e+#", "5.00000e-3"},
        {0.0, "0.00000e+#", "0.00000e+0"},
        {-0.0, "0.00000e+#", "0.00000e+0"},
        {1.0, "0.00000e+#", "1.00000e+0"},
        {-123.45, "0.000e+#", "-1.235e+2"},
        {9.9999996, "0.00e+#", "1.00e+1"},
        {1e-10, "0.00e+#", "1.00e-10"},
        {1.5e100, "0.000e+#", "1.500e+100"},
        {-2.5e-300, "0.00e+#", "-2.50e-300"},
    };
    for (const Format_Case& c : cases) EXPECT_EQ(Format_Number(c.value, c.pattern), QString(c.text)) << c.text;
}

TEST(Format_Number, ExponentPatternsWithOptionalDecimals)
{
    const Format_Case cases[] = {
        // The rectangle 25 x 50 of the outline calculator: A, Zx, Ix.
        {1250.0, "#.###e-##", "1.25e3"},
        {25.0 * 50 * 50 * 50 / 12 / 25, "#.###e-##", "1.042e4"},
        {25.0 * 50 * 50 * 50 / 12, "#.###e-##", "2.604e5"},
        {4.5, "#.###e-##", "4.5e0"},
        {-4.5, "#.###e-##", "-4.5e0"},
        {0.00123, "#.###e-##", "1.23e-3"},
        {1000.0, "#.###e-##", "1e3"},
        {0.0, "#.###e-##", "0e0"},
        {9.9996, "#.###e-##", "1e1"},
        // Element lengths below 0.01.
        {0.005, "0.0##e-#", "5.0e-3"},
        {0.0012, "0.0##e-#", "1.2e-3"},
        {0.00123456, "0.0##e-#", "1.235e-3"},
        {0.000999999, "0.0##e-#", "1.0e-3"},
        {1e-12, "0.0##e-#", "1.0e-12"},
        {250.0, "0.0##e-#", "2.5e2"},
    };
    for (const Format_Case& c : cases) EXPECT_EQ(Format_Number(c.value, c.pattern), QString(c.text)) << c.text;
}

TEST(Format_Number, FixedThreeDecimalsOfTheExactValue)
{
    const Format_Case cases[] = {
        {1e20, "0.000", "100000000000000000000.000"},
        {2.5, "0.000", "2.500"},
        {0.0, "0.000", "0.000"},
        {-1.2345, "0.000", "-1.234"}, // -1.2345 is -1.23449999... in binary
        {0.0005, "0.000", "0.001"},   // 0.0005 is 0.000500000...01 in binary
        {0.0625, "0.000", "0.062"},   // an exact tie
        {-0.0001, "0.000", "0.000"},  // no negative zero
        {123456.78951, "0.000", "123456.790"},
    };
    for (const Format_Case& c : cases) EXPECT_EQ(Format_Number(c.value, c.pattern), QString(c.text)) << c.text;
}

TEST(Format_Number, FallsBackToDecimalTextForUnknownPatternsAndNonFiniteValues)
{
    for (const char* pattern : {"", "abc", "0.00e#", "0.00e+", "00.0", "0.00 e+#", "0.00e+#x"}) {
        EXPECT_EQ(Format_Number(1.5e-7, pattern), "1.5E-07") << pattern;
    }
    EXPECT_EQ(Format_Number(std::numeric_limits<double>::quiet_NaN(), "0.000"), "NaN");
    EXPECT_EQ(Format_Number(-std::numeric_limits<double>::infinity(), "0.00000e+#"), "-Inf");
}

TEST(MinOf_MaxOf, CompareNumbersAndNumericTexts)
{
    EXPECT_EQ(MinOf(1.0, 2.0), 1.0);
    EXPECT_EQ(MaxOf(1.0, 2.0), 2.0);
    EXPECT_EQ(MinOf(-3.0, -3.5), -3.5);
    EXPECT_EQ(MinOf(QString("12abc"), QString("3")), 3.0);
    EXPECT_EQ(MaxOf(QString("12abc"), QString("3")), 12.0);
    // Text that is not a number reads as 0.
    EXPECT_EQ(MinOf(QString("abc"), -1.0), -1.0);
    EXPECT_EQ(MaxOf(QString("abc"), -1.0), 0.0);
    EXPECT_EQ(MaxOf(1e-7, QString("")), 1e-7);
    EXPECT_EQ(MinOf(1e-7, QString(" -2.5e1")), -25.0);
}

} // namespace
