#include "ui/setting_form.h"

#include "model/settings_file.h"
#include "ui/colour_value.h"
#include "ui/scripted_ui_services.h"
#include "ui/twips.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>
#include "find_control.h"
#include "../common/odd_settings.h"
#include "../common/test_files.h"

namespace {

// The file "Default" on both tabs and then "適用" must write.
const QByteArray Default_File = "Beam Image              :chrome.bmp\r\n"
                                "Pre_Pic. BackColor      :4210752\r\n"
                                "Post_Pic. BackColor     :4210752\r\n"
                                "BMD/SFD_Pic. BackColor  :4210752\r\n"
                                "BMD+/-                  :1\r\n"
                                "SFD+/-                  :1\r\n"
                                "Line Width              :4\r\n";

class Setting_Form_Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("img")));
        const QDir shipped(QStringLiteral(TRABEX_SOURCE_DIR "/data/img"));
        for (const QString& name : shipped.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), dir.filePath(QStringLiteral("img/") + name)));
    }

    std::unique_ptr<Setting_Form> Open_Form()
    {
        auto form = std::make_unique<Setting_Form>(dir.path(), services);
        QObject::connect(form.get(), &Setting_Form::Setting_Applied,
                         [this](const Settings& settings) { applied.push_back(settings); });
        form->show();
        QCoreApplication::processEvents();
        return form;
    }

    QString Ini() const { return dir.filePath(QStringLiteral("set.ini")); }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // An option reacts to clicks on its circle and caption only, not on the whole width
    // its layout gives it.
    static void Click(QRadioButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
    }

    static void Select_Tab(const Setting_Form& form, int index)
    {
        auto* tabs = Child<QTabBar>(form, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        // Lays out the page just shown, so clicks land on its controls.
        QCoreApplication::processEvents();
    }

    static QColor Swatch_Colour(const Setting_Form& form, const QString& name)
    {
        return Child<QLabel>(form, name)->palette().color(QPalette::Window);
    }

    QTemporaryDir dir;
    Scripted_Ui_Services services;
    std::vector<Settings> applied;
};

TEST_F(Setting_Form_Test, Opens_On_What_The_File_Holds_And_Default_Then_Apply_Writes_The_Default_File)
{
    ASSERT_EQ(Write_Settings(dir.path(), Odd_Settings()), QString());
    const auto form = Open_Form();
    EXPECT_TRUE(Child<QRadioButton>(*form, "Option1_5")->isChecked());
    EXPECT_EQ(Swatch_Colour(*form, "Picture1"), Colour_Of(1));
    EXPECT_EQ(Swatch_Colour(*form, "Picture2"), Colour_Of(2));
    EXPECT_EQ(Swatch_Colour(*form, "Picture3"), Colour_Of(3));
    EXPECT_TRUE(Child<QRadioButton>(*form, "M_Option_1")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(*form, "S_Option_1")->isChecked());
    EXPECT_EQ(Child<QComboBox>(*form, "LineWidthCombo")->currentText(), QStringLiteral("9"));
    EXPECT_EQ(form->Dialog_Settings(), Odd_Settings());

    Click(Child<QPushButton>(*form, "Command3"));
    EXPECT_TRUE(Child<QRadioButton>(*form, "Option1_0")->isChecked());
    EXPECT_EQ(Swatch_Colour(*form, "Picture3"), QColor(64, 64, 64));
    // The colour tab's "Default" leaves the signs alone.
    EXPECT_TRUE(Child<QRadioButton>(*form, "M_Option_1")->isChecked());
    Select_Tab(*form, 1);
    Click(Child<QPushButton>(*form, "Command4"));
    Click(Child<QPushButton>(*form, "Command1"));

    EXPECT_EQ(File_Bytes(Ini()), Default_File);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0], Settings{});
    EXPECT_TRUE(form->isVisible()) << "the dialog stays open after 適用";
    EXPECT_TRUE(services.Calls().isEmpty()) << services.Calls().join('\n').toStdString();
}

TEST_F(Setting_Form_Test, Wood_Dark_Blue_And_Moment_Pattern_2_Are_Written_After_Their_Labels)
{
    const auto form = Open_Form();
    Click(Child<QLabel>(*form, "Image1_4")); // the wood preview picks its option
    EXPECT_TRUE(Child<QRadioButton>(*form, "Option1_4")->isChecked());
    services.Answer_Colour(QColor(0, 0, 128));
    Click(Child<QLabel>(*form, "Picture1"));
    EXPECT_EQ(Swatch_Colour(*form, "Picture1"), QColor(0, 0, 128));
    Child<QComboBox>(*form, "LineWidthCombo")->setCurrentIndex(0);
    Select_Tab(*form, 1);
    Click(Child<QRadioButton>(*form, "M_Option_1"));
    Click(Child<QPushButton>(*form, "Command1"));

    EXPECT_EQ(File_Bytes(Ini()), QByteArray("Beam Image              :wood.bmp\r\n"
                                            "Pre_Pic. BackColor      :8388608\r\n"
                                            "Post_Pic. BackColor     :4210752\r\n"
                                            "BMD/SFD_Pic. BackColor  :4210752\r\n"
                                            "BMD+/-                  :-1\r\n"
                                            "SFD+/-                  :1\r\n"
                                            "Line Width              :1\r\n"));
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].moment_sign, -1);
    EXPECT_EQ(applied[0].shear_sign, 1);
    EXPECT_EQ(applied[0].beam_image, QStringLiteral("wood.bmp"));
    EXPECT_EQ(services.Calls(), QStringList{QStringLiteral("colour: #000000")});
}

TEST_F(Setting_Form_Test, Only_A_Chosen_Colour_Above_Black_Replaces_A_Swatch)
{
    const auto form = Open_Form();
    struct Case {
        std::optional<QColor> answer;
        qint32 swatch_after;
    };
    const Case cases[] = {
        {std::nullopt, Default_Background},     // cancelled
        {QColor(0, 0, 0), Default_Background},  // pure black counts as no choice
        {QColor(1, 0, 0), 1},
        {QColor(255, 255, 255), 0xFFFFFF},
        {QColor(0, 0, 0), 0xFFFFFF},
    };
    for (const Case& c : cases) {
        services.Answer_Colour(c.answer);
        Click(Child<QLabel>(*form, "Picture3"));
        EXPECT_EQ(form->Dialog_Settings().diagram_background, c.swatch_after);
        EXPECT_EQ(Swatch_Colour(*form, "Picture3"), Colour_Of(c.swatch_after));
        // Each time the chooser starts at black.
        EXPECT_EQ(services.Take_Calls(), QStringList{QStringLiteral("colour: #000000")});
    }
    EXPECT_EQ(form->Dialog_Settings().input_background, Default_Background);
    EXPECT_EQ(form->Dialog_Settings().result_background, Default_Background);
}

TEST_F(Setting_Form_Test, Three_Line_File_Sets_Image_And_Two_Backgrounds_And_Keeps_The_Rest)
{
    QFile file(Ini());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Beam Image              :wood.bmp\r\n"
               "Pre_Pic. BackColor      :255\r\n"
               "Post_Pic. BackColor     :65280\r\n");
    file.close();

    // The dialog: what the file lacks shows as the controls start, the default values.
    Settings expected;
    expected.beam_image = QStringLiteral("wood.bmp");
    expected.input_background = 255;
    expected.result_background = 65280;
    EXPECT_EQ(Open_Form()->Dialog_Settings(), expected);

    // Start-up reads on top of what the main window holds, which keeps the last four.
    Settings held = Odd_Settings();
    held.beam_image = QStringLiteral("wood.bmp");
    held.input_background = 255;
    held.result_background = 65280;
    EXPECT_EQ(Read_Settings(dir.path(), Odd_Settings()), held);
}

TEST_F(Setting_Form_Test, Tabs_Show_One_Frame_And_Closing_Discards_Edits)
{
    const auto form = Open_Form();
    auto* colours = Child<QFrame>(*form, "Color_SettingFrame");
    auto* signs = Child<QFrame>(*form, "Hugo_SettingFrame");
    EXPECT_TRUE(colours->isVisible());
    EXPECT_FALSE(signs->isVisible());
    Click(Child<QRadioButton>(*form, "Option1_3"));
    Select_Tab(*form, 1);
    EXPECT_FALSE(colours->isVisible());
    EXPECT_TRUE(signs->isVisible());
    Click(Child<QRadioButton>(*form, "S_Option_1"));
    Select_Tab(*form, 0);
    EXPECT_TRUE(colours->isVisible());
    EXPECT_FALSE(signs->isVisible());

    Click(Child<QPushButton>(*form, "Command2"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(applied.empty());
    EXPECT_FALSE(QFile::exists(Ini()));
    // Opened again, the dialog shows the file, not the discarded edits.
    EXPECT_EQ(Open_Form()->Dialog_Settings(), Settings{});
}

TEST_F(Setting_Form_Test, Six_Options_With_Previews_2900_Twips_Wide_And_A_Missing_Picture_Left_Blank)
{
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("img/red.bmp"))));
    const auto form = Open_Form();
    const QStringList captions = {"Chrome", "Green", "Blue", "Red", "Wood", "Stone"};
    const int width = Twips_To_Pixels_X(2900, *form);
    for (int i = 0; i < captions.size(); ++i) {
        const QString index = QString::number(i);
        EXPECT_EQ(Child<QRadioButton>(*form, "Option1_" + index)->text(), captions[i]);
        const QLabel* preview = Child<QLabel>(*form, "Image1_" + index);
        EXPECT_EQ(preview->width(), width) << i;
        EXPECT_EQ(preview->pixmap().isNull(), captions[i] == "Red") << i;
    }
}

TEST_F(Setting_Form_Test, Apply_That_Cannot_Write_The_File_Says_So_And_Still_Applies)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("set.ini")));
    const auto form = Open_Form();
    Click(Child<QPushButton>(*form, "Command1"));
    ASSERT_EQ(services.Calls().size(), 1);
    EXPECT_TRUE(services.Calls()[0].startsWith(QStringLiteral("message: 設定ファイルを保存できませんでした。\n")))
        << services.Calls()[0].toStdString();
    EXPECT_EQ(applied.size(), 1u);
}

} // namespace
