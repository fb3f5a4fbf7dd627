#include "ui/scripted_ui_services.h"

#include <gtest/gtest.h>

namespace {

TEST(Qt_File_Filter, TurnsDescriptionPatternPairsIntoQtFilters)
{
    const struct {
        const char* filter;
        const char* qt;
    } cases[] = {
        {"*.kvx|*.kvx", "*.kvx (*.kvx)"},
        {"*.csv|*.csv", "*.csv (*.csv)"},
        {"Text|*.txt;*.dat|All|*.*", "Text (*.txt *.dat);;All (*.*)"},
        {"*.kvx", "*.kvx"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Qt_File_Filter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.qt)) << c.filter;
}

TEST(Scripted_Ui_Services, RecordsCallsInOrderAndAnswersFromQueuesThenCancels)
{
    Scripted_Ui_Services ui;
    ui.Answer_Yes_No(true);
    ui.Answer_Input(QStringLiteral("5"));
    ui.Answer_File(QStringLiteral("/tmp/a.kvx"));
    ui.Answer_Colour(QColor(1, 2, 3));
    ui.Answer_Open_Document(true);
    ui.Set_Clipboard_Text(QStringLiteral("1\t2"));
    std::array<QColor, 16> custom;

    ui.Show_Message(QStringLiteral("計算終了"));
    ui.Show_Message(QStringLiteral("text"), QStringLiteral("title"));
    EXPECT_TRUE(ui.Ask_Yes_No(QStringLiteral("終了しますか？")));
    EXPECT_FALSE(ui.Ask_Yes_No(QStringLiteral("again")));
    EXPECT_EQ(ui.Input_Box(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("d")), QStringLiteral("5"));
    EXPECT_EQ(ui.Input_Box(QStringLiteral("p"), QStringLiteral("t"), QString()), std::nullopt);
    EXPECT_EQ(ui.Choose_Open_File(QStringLiteral("開く"), QStringLiteral("*.kvx|*.kvx"), QStringLiteral("/p")),
              QStringLiteral("/tmp/a.kvx"));
    EXPECT_EQ(ui.Choose_Save_File(QStringLiteral("保存"), QStringLiteral("*.kvx|*.kvx"), QStringLiteral("/p")), QString());
    EXPECT_EQ(ui.Choose_Colour(QColor(Qt::black), custom), QColor(1, 2, 3));
    EXPECT_EQ(ui.Choose_Colour(QColor(), custom), std::nullopt);
    ui.Beep();
    EXPECT_EQ(ui.Clipboard_Text(), QStringLiteral("1\t2"));
    EXPECT_TRUE(ui.Open_Document(QStringLiteral("/p/Help/Help.pdf")));
    EXPECT_FALSE(ui.Open_Document(QStringLiteral("/p/Help/Help.pdf")));

    EXPECT_EQ(ui.Calls_Starting_With(QStringLiteral("message")).size(), 2);
    EXPECT_EQ(ui.Take_Calls(), QStringList({
                                   QStringLiteral("message: 計算終了"),
                                   QStringLiteral("message [title]: text"),
                                   QStringLiteral("question [Notice!]: 終了しますか？"),
                                   QStringLiteral("question [Notice!]: again"),
                                   QStringLiteral("input [t]: p | d"),
                                   QStringLiteral("input [t]: p | "),
                                   QStringLiteral("open file [開く]: *.kvx|*.kvx in /p"),
                                   QStringLiteral("save file [保存]: *.kvx|*.kvx in /p"),
                                   QStringLiteral("colour: #000000"),
                                   QStringLiteral("colour: none"),
                                   QStringLiteral("beep"),
                                   QStringLiteral("clipboard"),
                                   QStringLiteral("open document: /p/Help/Help.pdf"),
                                   QStringLiteral("open document: /p/Help/Help.pdf"),
                               }));
    EXPECT_TRUE(ui.Calls().isEmpty());
}

} // namespace
