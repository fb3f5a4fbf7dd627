// The number text of the exchange files and the lines of the error file.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <new>
#include <random>
#include <stdexcept>

#include "number_text.h"
#include "public_parameter.h"
#include "write.h"

using namespace kelvane;

TEST(Decimal_Text, Fifteen_Digits_Plain_Or_Exponent)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"}, {-0.0, "0"}, {1, "1"}, {-2.5, "-2.5"}, {100, "100"}, {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {1000.0000000000001, "1000"}, {0.0992063492063492, "0.0992063492063492"},
        {0.0001, "0.0001"}, {0.00012345, "0.00012345"}, {0.00001, "1E-05"}, {1.5E-07, "1.5E-07"},
        {-1.23456789012345678E-10, "-1.23456789012346E-10"}, {0.000099999999999999999, "0.0001"},
        {999999999999999, "999999999999999"}, {1E+15, "1E+15"}, {1E+20, "1E+20"}, {1.25E+300, "1.25E+300"},
        {123456789.123456789, "123456789.123457"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decimal_Text(c.value), c.text) << c.text;
        EXPECT_EQ(Parse_Number(Decimal_Text(c.value)).value_or(-1), std::stod(c.text)) << c.text;
    }
}

TEST(Parse_Number, Plain_And_Exponent_With_Blanks)
{
    EXPECT_EQ(Parse_Number(" 1.5E-07 "), 1.5E-07);
    EXPECT_EQ(Parse_Number("+3"), 3);
    EXPECT_EQ(Parse_Number("-.5"), -0.5);
    EXPECT_EQ(Parse_Number("1e3"), 1000);
    for (const char* bad : {"", " ", "1,5", "abc", "1e", "0x10", "nan", "inf", "1e999", "+-1", "1 2"})
        EXPECT_FALSE(Parse_Number(bad).has_value()) << bad;
}

TEST(Error_File, Lines_For_Stage_Codes_And_Failure_Numbers)
{
    EXPECT_EQ(Error_Lines(4, Failure_Number::None),
              "$Error Message\r\n$PLS CODE:4\r\nPlease check condition. Constrain or Force may be insufficiency.\r\n"
              "$Error CODE:0\r\n");
    EXPECT_EQ(Error_Lines(0, Failure_Number::Out_Of_Memory),
              "$Error Message\r\n$PLS CODE:0\r\n$Error CODE:7\r\nInsufficiency of Memory.\r\n");
    const struct {
        Failure_Number number;
        const char* line;
    } numbers[] = {
        {Failure_Number::Overflow, "$Error CODE:6\r\nOverflow.(Dvided by zero)\r\n"},
        {Failure_Number::Index_Out_Of_Range, "$Error CODE:9\r\nIndex is out of a range.\r\n"},
        {Failure_Number::Division_By_Zero, "$Error CODE:11\r\nDvided by zero.\r\n"},
        {Failure_Number::Value_Too_Large, "$Error CODE:61\r\nOverflow.(Value is too large.)\r\n"},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(Error_Lines(2, n.number),
                  std::string("$Error Message\r\n$PLS CODE:2\r\nA program may include a bug. Please send kvx file.\r\n") +
                      n.line);
}

TEST(Error_File, Failure_Classes_Map_To_Their_Numbers)
{
    const auto number_of = [](auto failure) { return Failure_Number_Of(std::make_exception_ptr(failure)); };
    EXPECT_EQ(number_of(std::bad_alloc()), Failure_Number::Out_Of_Memory);
    EXPECT_EQ(number_of(std::out_of_range("")), Failure_Number::Index_Out_Of_Range);
    EXPECT_EQ(number_of(std::length_error("")), Failure_Number::Value_Too_Large);
    EXPECT_EQ(number_of(std::overflow_error("")), Failure_Number::Overflow);
    EXPECT_EQ(number_of(Solver_Failure(Failure_Number::Division_By_Zero)), Failure_Number::Division_By_Zero);
    EXPECT_EQ(number_of(std::runtime_error("")), Failure_Number::None);
    EXPECT_THROW(To_Int16(32767.5), Solver_Failure);  // halves go to even: 32768
    EXPECT_EQ(To_Int16(32766.5), 32766);
    EXPECT_EQ(To_Int16(-32768), -32768);
    EXPECT_THROW(Checked_Divide(1, 0), Solver_Failure);
    EXPECT_THROW(Checked(1E+308 * 10), Solver_Failure);
}

TEST(Decimal_Text, Agrees_With_Exact_Rounding_To_15_Digits)
{
    // The fast path works from the shortest digits; the exact conversion is the reference.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int i = 0; i < 300000; ++i) {
        const double value = i % 2 ? std::bit_cast<double>(random() & 0x7fefffffffffffffULL)
                                   : mantissa(random) * std::pow(10.0, exponent(random));
        if (value == 0 || !std::isfinite(value))
            continue;
        char buffer[40];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
        const double exact = std::strtod(std::string(buffer, end).c_str(), nullptr);
        ASSERT_EQ(std::strtod(Decimal_Text(value).c_str(), nullptr), exact) << buffer;
    }
    // Its shortest digits end on the midpoint, but the double lies just below it.
    EXPECT_EQ(Decimal_Text(0.1234567890123455), "0.123456789012345");
    EXPECT_EQ(Decimal_Text(9.9999999999999982), "10");
    EXPECT_EQ(Decimal_Text(99999999999999.95), "100000000000000");  // the carry runs through every digit
}
