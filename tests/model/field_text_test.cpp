#include "model/field_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Field_Case {
    const char* text;
    const char* separator;
    qint16 index;
    const char* field;
};

TEST(Field, ReturnsTheFieldOrErrorPastTheLast)
{
    const Field_Case cases[] = {
        {"a:b:c", ":", 0, "a"},
        {"a:b:c", ":", 2, "c"},
        {"a:b:c", ":", 3, "Error"},
        {"a:b:c", ":", -1, "Error"},
        {"a::c", ":", 1, ""},
        {"a,", ",", 1, ""},
        {"a,", ",", 2, "Error"},
        {",a", ",", 0, ""},
        {"", ",", 0, ""},
        {"", ",", 1, "Error"},
        {"abc", ",", 0, "abc"},
        {"abc", ",", 1, "Error"},
        {"1<>22<>333", "<>", 2, "333"},
        {"1<><>2", "<>", 1, ""},
        {"SS材;75×40;4", ";", 1, "75×40"},
        {"abc", "", 0, "abc"}, // an empty separator splits nothing
        {"abc", "", 1, "Error"},
        {"Error:x", ":", 0, "Error"},
    };
    for (const Field_Case& c : cases) {
        EXPECT_EQ(Field(QString::fromUtf8(c.text), QString::fromUtf8(c.separator), c.index), QString::fromUtf8(c.field))
            << c.text << " [" << c.index << "]";
    }
}

TEST(Field, HandlesTheLargestIndexAndManyFields)
{
    EXPECT_EQ(Field("a,b", ",", std::numeric_limits<qint16>::max()), "Error");
    QString many;
    for (int n = 0; n <= 32767; ++n) many += QString::number(n) + ",";
    EXPECT_EQ(Field(many, ",", 32767), "32767");
    EXPECT_EQ(Field(many, ",", 0), "0");
}

} // namespace
