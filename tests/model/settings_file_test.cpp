#include "model/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "../common/odd_settings.h"
#include "../common/test_files.h"

namespace {

Settings Wood_Settings()
{
    Settings settings;
    settings.beam_image = QStringLiteral("wood.bmp");
    settings.input_background = Rgb_Colour(0, 0, 128);
    settings.diagram_background = Rgb_Colour(255, 0, 0);
    settings.moment_sign = -1;
    settings.line_width = 7;
    return settings;
}

class Settings_File : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Ini() const { return dir.filePath(QStringLiteral("set.ini")); }
};

TEST_F(Settings_File, Writes_Labels_Of_25_Characters_Followed_By_The_Values)
{
    ASSERT_EQ(Write_Settings(dir.path(), Wood_Settings()), QString());
    EXPECT_EQ(File_Bytes(Ini()), File_Bytes(TEST_DATA_DIR "/set_wood.ini"));
    EXPECT_EQ(Read_Settings(dir.path(), Odd_Settings()), Wood_Settings());
}

TEST_F(Settings_File, Shipped_File_Holds_The_Default_Button_Values)
{
    ASSERT_EQ(Write_Settings(dir.path(), Settings{}), QString());
    EXPECT_EQ(File_Bytes(Ini()), File_Bytes(TRABEX_SOURCE_DIR "/data/set.ini"));
    EXPECT_EQ(Settings{}.input_background, 64 + 64 * 256 + 64 * 65536);
}

TEST_F(Settings_File, Missing_Or_Partial_File_Keeps_What_It_Does_Not_Hold)
{
    EXPECT_EQ(Read_Settings(dir.path(), Odd_Settings()), Odd_Settings());

    // Labels are not checked: values are taken by line position.
    Put_File(Ini(), "Beam Image              :red.bmp\r\n"
                    "anything of 25 chars....:100\n"
                    "Post_Pic. BackColor     :200\r\n");
    Settings expected = Odd_Settings();
    expected.beam_image = QStringLiteral("red.bmp");
    expected.input_background = 100;
    expected.result_background = 200;
    EXPECT_EQ(Read_Settings(dir.path(), Odd_Settings()), expected);
}

TEST_F(Settings_File, Value_Out_Of_Its_Range_Is_Ignored_And_The_Rest_Still_Read)
{
    // The file holds the defaults except on one line; reading starts from Odd_Settings,
    // so a refused value shows as the odd one.
    struct Case {
        int line;
        const char* value;
        const char* read;           // what the line holds after reading
    };
    const Case cases[] = {
        {0, "green.bmp", "green.bmp"}, {0, "../../etc/x.bmp", "stone.bmp"}, {0, "img\\x.bmp", "stone.bmp"},
        {0, "", "stone.bmp"},
        {1, "0", "0"}, {1, "16777215", "16777215"}, {1, "16777216", "1"}, {1, "-1", "1"}, {1, "dark", "1"},
        {4, "1", "1"}, {4, "0", "-1"}, {4, "2", "-1"}, {4, "+", "-1"},
        {6, "1", "1"}, {6, "10", "10"}, {6, "0", "9"}, {6, "11", "9"}, {6, "4.4", "4"},
    };
    const QStringList defaults = Settings_Lines(Settings{});
    for (const Case& c : cases) {
        QStringList lines = defaults;
        lines[c.line] = lines[c.line].left(25) + QString::fromUtf8(c.value);
        Put_File(Ini(), lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
        QStringList expected = defaults;
        expected[c.line] = lines[c.line].left(25) + QString::fromUtf8(c.read);
        EXPECT_EQ(Settings_Lines(Read_Settings(dir.path(), Odd_Settings())), expected) << c.line << " " << c.value;
    }
}

TEST_F(Settings_File, Range_Colours_Are_Split_At_Commas_And_Line_Ends)
{
    const QString path = dir.filePath(QStringLiteral("setc.ini"));
    EXPECT_TRUE(Read_Range_Colours(dir.path()).isEmpty());
    Put_File(path, "255, 65280,,\r\n16711680\n\n0");
    EXPECT_EQ(Read_Range_Colours(dir.path()), (QVector<qint32>{255, 65280, 16711680, 0}));
    // Past an entry that is no colour every later range would get its neighbour's colour.
    Put_File(path, "255,red,65280");
    EXPECT_EQ(Read_Range_Colours(dir.path()), QVector<qint32>{255});
}

TEST(Shipped_Range_Colours, At_Least_16_Distinct_Colours_That_Stand_Out_On_The_Background)
{
    const QVector<qint32> colours = Read_Range_Colours(TRABEX_SOURCE_DIR "/data");
    ASSERT_GE(colours.size(), 16);
    for (int i = 0; i < colours.size(); ++i) {
        const auto channel = [](qint32 colour, int shift) { return (colour >> shift) & 0xFF; };
        const int brightest = std::max({channel(colours[i], 0), channel(colours[i], 8), channel(colours[i], 16)});
        EXPECT_GE(brightest, 160) << "colour " << i + 1 << " is too dark for the grey background";
        for (int j = 0; j < i; ++j) {
            int distance = 0;
            for (int shift : {0, 8, 16})
                distance += std::abs(channel(colours[i], shift) - channel(colours[j], shift));
            EXPECT_GE(distance, 60) << "colours " << j + 1 << " and " << i + 1 << " look alike";
        }
    }
}

} // namespace
