#include "model/numeric_text.h"

#include <gtest/gtest.h>

namespace {

struct Filter_Case {
    const char* typed;
    const char* kept;
    int beeps;
};

TEST(Check_Numeric_Text, KeepsDigitsPointAndLeadingMinus)
{
    const Filter_Case cases[] = {
        {"1a2", "12", 1},
        {"-1-2", "-12", 1},
        {"3,5", "35", 1},
        {"12-3", "123", 1},
        {"", "", 0},
        {"-", "-", 0},
        {"-0.5", "-0.5", 0},
        {"1.2.3", "1.2.3", 0},   // the number of points is left to the users of the value
        {"..", "..", 0},
        {"--5", "-5", 1},
        {"1e-05", "105", 2},      // an exponent does not survive
        {" 1 ", "1", 2},
        {"+5", "5", 1},
        {"!\"#$%&'()*+,", "", 12}, // codes 32 to 44 all go
        {"1/2", "12", 1},
        {"9:;<=>?@", "9", 7},      // everything after "9"
        {"A_z~", "", 4},
        {"1\t2", "1\t2", 0},       // control characters pass
    };
    for (const Filter_Case& c : cases) {
        const Numeric_Check check = Check_Numeric_Text(QString::fromUtf8(c.typed));
        EXPECT_EQ(check.text, QString::fromUtf8(c.kept)) << c.typed;
        EXPECT_EQ(check.rejected, c.beeps) << c.typed;
    }
}

TEST(Check_Numeric_Text, JudgesEachRemovalOnTheTextLeftBeforeIt)
{
    // Once the letter is gone the "-" stands first and stays.
    const Numeric_Check after_letter = Check_Numeric_Text(QStringLiteral("a-1"));
    EXPECT_EQ(after_letter.text, QStringLiteral("-1"));
    EXPECT_EQ(after_letter.rejected, 1);
    const Numeric_Check two_minus = Check_Numeric_Text(QStringLiteral(" --2"));
    EXPECT_EQ(two_minus.text, QStringLiteral("-2"));
    EXPECT_EQ(two_minus.rejected, 2);
}

TEST(Check_Numeric_Text, RemovesFullWidthAndSupplementaryCharactersWhole)
{
    const Numeric_Check full_width = Check_Numeric_Text(QStringLiteral("１2あ．3"));
    EXPECT_EQ(full_width.text, QStringLiteral("23"));
    EXPECT_EQ(full_width.rejected, 3);
    // A character outside the BMP is one character: one beep, no half left behind.
    const QString emoji = QString::fromUtf8("4\xF0\x9F\x98\x80" "5");
    const Numeric_Check supplementary = Check_Numeric_Text(emoji, emoji.size());
    EXPECT_EQ(supplementary.text, QStringLiteral("45"));
    EXPECT_EQ(supplementary.rejected, 1);
    EXPECT_EQ(supplementary.cursor, 2);
}

TEST(Check_Numeric_Text, MovesTheCursorBackOverRemovedCharactersBeforeIt)
{
    struct Cursor_Case {
        const char* typed;
        qsizetype cursor;
        qsizetype kept_cursor;
    };
    const Cursor_Case cases[] = {
        {"1x2", 2, 1},    // typed in the middle: stays between 1 and 2
        {"1x2", 3, 2},    // at the end: stays at the end
        {"1x2", 1, 1},    // removal after the cursor does not move it
        {"a-b1", 4, 2},
        {"12", 99, 2},    // clamped to the text
        {"12", -4, 0},
    };
    for (const Cursor_Case& c : cases) {
        const Numeric_Check check = Check_Numeric_Text(QString::fromUtf8(c.typed), c.cursor);
        EXPECT_EQ(check.cursor, c.kept_cursor) << c.typed << " at " << c.cursor;
    }
}

} // namespace
