#include "ui/numeric_field.h"
#include "ui/scripted_ui_services.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

// A numeric field as the windows install it, with what it reports.
struct Field_Fixture : testing::Test {
    Scripted_Ui_Services ui;
    std::unique_ptr<QLineEdit> edit = std::make_unique<QLineEdit>();
    Numeric_Field* field = Numeric_Field::Install(edit.get(), ui);
    QStringList handled; // what the field's own handling saw, in order
    int calc_required = 0;

    Field_Fixture()
    {
        QObject::connect(field, &Numeric_Field::Text_Changed, [this](const QString& text) { handled << text; });
        QObject::connect(field, &Numeric_Field::Calc_Required, [this] { ++calc_required; });
        edit->show();
    }

    int Beeps() const { return int(ui.Calls_Starting_With(QStringLiteral("beep")).size()); }
};

using Numeric_Field_Test = Field_Fixture;

TEST_F(Numeric_Field_Test, TypingAndPastingKeepOnlyWhatTheFilterAllows)
{
    struct Case {
        const char* input;
        bool paste;
        const char* kept;
        int beeps;
    };
    const Case cases[] = {
        {"1a2", false, "12", 1},
        {"-1-2", true, "-12", 1},
        {"3,5", false, "35", 1},
        {"12-3", false, "123", 1},
        {"-1-2", false, "-12", 1},
        {"a,b", true, "", 3},
    };
    for (const Case& c : cases) {
        edit->clear();
        ui.Take_Calls();
        handled.clear();
        if (c.paste)
            edit->insert(QString::fromUtf8(c.input));
        else
            QTest::keyClicks(edit.get(), QString::fromUtf8(c.input));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.kept)) << c.input;
        EXPECT_EQ(Beeps(), c.beeps) << c.input;
        ASSERT_FALSE(handled.isEmpty()) << c.input;
        EXPECT_EQ(handled.last(), QString::fromUtf8(c.kept)) << c.input;
        // The handling never sees a character the filter removes.
        for (const QString& seen : handled)
            EXPECT_FALSE(seen.contains(QRegularExpression(QStringLiteral("[^0-9.-]")))) << c.input;
    }
}

TEST_F(Numeric_Field_Test, EveryChangeMarksResultsStaleAndIsHandledOnce)
{
    QTest::keyClicks(edit.get(), QStringLiteral("1x"));
    EXPECT_EQ(handled, QStringList({QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(calc_required, 2);
    // A change made by the program goes through the same filter.
    edit->setText(QStringLiteral("2.5kg"));
    EXPECT_EQ(edit->text(), QStringLiteral("2.5"));
    EXPECT_EQ(handled.last(), QStringLiteral("2.5"));
    EXPECT_EQ(calc_required, 3);
    // An empty field is accepted.
    edit->clear();
    EXPECT_EQ(handled.last(), QString());
    EXPECT_EQ(Beeps(), 3);
}

TEST_F(Numeric_Field_Test, CaretStaysWhereTheUserTyped)
{
    edit->setText(QStringLiteral("1234"));
    edit->setCursorPosition(2);
    QTest::keyClicks(edit.get(), QStringLiteral("x5"));
    EXPECT_EQ(edit->text(), QStringLiteral("12534"));
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(Numeric_Field_Test, FormulaOnDoubleClickReplacesTheText)
{
    edit->setText(QStringLiteral("206"));
    ui.Take_Calls();
    ui.Answer_Input(QStringLiteral("206/2"));
    QTest::mouseDClick(edit.get(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("103"));
    EXPECT_EQ(handled.last(), QStringLiteral("103"));
    EXPECT_EQ(ui.Calls(), QStringList({QStringLiteral("input [数式入力]: 数式を入力して下さい。(例：500/2-20) | 206")}));

    const struct {
        const char* formula;
        const char* result;
    } cases[] = {{"500/2-20", "230"}, {"=12*2.5", "30"}, {"1/100000", "0.00001"}, {"-2^3", "-8"}};
    for (const auto& c : cases) {
        ui.Answer_Input(QString::fromUtf8(c.formula));
        field->Formula_Input();
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.result)) << c.formula;
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Numeric_Field_Test, FailedOrCancelledFormulaLeavesTheFieldAsItWas)
{
    edit->setText(QStringLiteral("206"));
    const int changes = int(handled.size());
    ui.Take_Calls();
    ui.Answer_Input(QStringLiteral("1/0"));
    QTest::mouseDClick(edit.get(), Qt::LeftButton);
    ui.Answer_Input(QStringLiteral("2*(3"));
    QTest::mouseDClick(edit.get(), Qt::LeftButton);
    ui.Answer_Input(std::nullopt); // Cancel
    QTest::mouseDClick(edit.get(), Qt::LeftButton);
    ui.Answer_Input(QString()); // OK on an empty answer
    QTest::mouseDClick(edit.get(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("206"));
    EXPECT_EQ(handled.size(), changes);
    const QString prompt = QStringLiteral("input [数式入力]: 数式を入力して下さい。(例：500/2-20) | 206");
    EXPECT_EQ(ui.Calls(), QStringList({prompt, QStringLiteral("message: 0 で除算しました。"), prompt,
                                       QStringLiteral("message: 閉じ括弧 ) がありません。"), prompt, prompt}));
}

TEST(Numeric_Field, WithoutFormulaADoubleClickAsksNothing)
{
    Scripted_Ui_Services ui;
    QLineEdit edit;
    Numeric_Field::Install(&edit, ui, Numeric_Field::Formula::Off);
    edit.show();
    edit.setText(QStringLiteral("12"));
    QTest::mouseDClick(&edit, Qt::LeftButton);
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral("z"));
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    EXPECT_EQ(ui.Calls(), QStringList({QStringLiteral("beep")}));
}

TEST(Numeric_Field, WorksOnTheEditOfAnEditableComboBox)
{
    Scripted_Ui_Services ui;
    QComboBox fixed;
    EXPECT_EQ(Numeric_Field::Install(&fixed, ui), nullptr);
    QComboBox combo;
    combo.setEditable(true);
    ASSERT_NE(Numeric_Field::Install(&combo, ui), nullptr);
    combo.setEditText(QStringLiteral("4x5"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("45"));
    ui.Answer_Input(QStringLiteral("45*2"));
    combo.lineEdit()->findChild<Numeric_Field*>(QStringLiteral("Numeric_Field"))->Formula_Input();
    EXPECT_EQ(combo.currentText(), QStringLiteral("90"));
}

} // namespace
