#include "ui/main_form.h"

#include "analysis/solver_run.h"
#include "model/project_file.h"
#include "model/recent_files.h"
#include "model/settings_file.h"
#include "ui/colour_value.h"
#include "ui/merged_header_view.h"
#include "ui/scripted_ui_services.h"
#include "ui/setting_form.h"
#include "ui/splash_form.h"
#include "ui/start_up.h"

#include "program_dir_copy.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include "find_control.h"

namespace {

using Cells = QVector<QStringList>;

bool Wait_For(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Row 0 is the header row, as the user reads the grid.
Cells Grid_Cells(const QTableView& grid)
{
    const QAbstractItemModel& model = *grid.model();
    Cells cells;
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << model.headerData(column, Qt::Horizontal).toString();
    cells << header;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.data(model.index(row, column)).toString();
        cells << texts;
    }
    return cells;
}

void Click_Tab(QTabBar& tabs, int index)
{
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Two ranges, three materials (one with empty allowable stresses), two sections, loads of
// four kinds and three supports, one of them user-defined.
BeamModel Several_Records_Model()
{
    BeamModel model;
    model.length = QStringLiteral("450");
    model.length_unit = QStringLiteral("cm");
    model.element_count = QStringLiteral("150");
    model.self_weight = true;
    model.ranges = {{"0", "450", "MAT1", "SCT1"}, {"100", "250.5", "MAT3", "SCT2"}};
    model.materials = {
        {"SS材,SS400(-t16),(降伏)", "206", "GPa", "245", "MPa", "141.45", "MPa", "7800", "kg/m^3"},
        {"アルミ", "70", "GPa", "", "MPa", "", "MPa", "2.7", "g/cm^3"},
        {"樹脂", "3000", "kg/cm^2", "40", "N/mm^2", "20", "ksi", "0.0013", "kg/cm^3"},
    };
    model.sections = {
        {"[規格材]JIS G3192 溝形鋼,75×40,(縦)", "881.8", "mm^2", "20100", "mm^3", "753000", "mm^4", "0.00692",
         "kg/mm"},
        {"角パイプ", "12.5", "cm^2", "1.2E+04", "mm^3", "0.5", "in^4", "", "kg/m"},
    };
    model.loads = {
        {"集中荷重(+)", "LFT,150,mm", "100,kg"},
        {"モーメント(-)", "RHT,0.5,m", "20,N-m"},
        {"分布荷重(+)", "LFT,0,100,cm", "3,N/mm"},
        {"集中荷重(-)", "RHT,2,in", "5,lb"},
    };
    model.constraints = {
        {"単純支持", "LFT,0,mm"},
        {"ローラー支持", "RHT,0,cm"},
        {"ユーザ定義", "LFT,200,cm,Tx,-,Rt"},
    };
    return model;
}

const Cells Several_Ranges{
    {"Prop.No.", "適用範囲", "適用範囲", "材料No.", "断面No."},
    {"1", "0", "450", "MAT1", "SCT1"},
    {"2", "100", "250.5", "MAT3", "SCT2"},
};
const Cells Several_Materials{
    {"材料No.", "名称", "ヤング率", "All_Data"},
    {"MAT1", "SS材,SS400(-t16),(降伏)", "206GPa", "SS材,SS400(-t16),(降伏):206,GPa:245,MPa:141.45,MPa:7800,kg/m^3"},
    {"MAT2", "アルミ", "70GPa", "アルミ:70,GPa:,MPa:,MPa:2.7,g/cm^3"},
    {"MAT3", "樹脂", "3000kg/cm^2", "樹脂:3000,kg/cm^2:40,N/mm^2:20,ksi:0.0013,kg/cm^3"},
};
const Cells Several_Sections{
    {"断面No.", "名称", "断面係数", ""},
    {"SCT1", "[規格材]JIS G3192 溝形鋼,75×40,(縦)", "20100mm^3",
     "[規格材]JIS G3192 溝形鋼,75×40,(縦):881.8,mm^2:20100,mm^3:753000,mm^4:0.00692,kg/mm"},
    {"SCT2", "角パイプ", "1.2E+04mm^3", "角パイプ:12.5,cm^2:1.2E+04,mm^3:0.5,in^4:,kg/m"},
};
const Cells Several_Loads{
    {"種類", "位置", "値"},
    {"集中荷重(+)", "LFT,150,mm", "100,kg"},
    {"モーメント(-)", "RHT,0.5,m", "20,N-m"},
    {"分布荷重(+)", "LFT,0,100,cm", "3,N/mm"},
    {"集中荷重(-)", "RHT,2,in", "5,lb"},
    {"", "", ""},
};
const Cells Several_Constraints{
    {"種類", "位置"},
    {"単純支持", "LFT,0,mm"},
    {"ローラー支持", "RHT,0,cm"},
    {"ユーザ定義", "LFT,200,cm,Tx,-,Rt"},
    {"", ""},
};

class Main_Form_Test : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(directory.isValid());
        program_dir = directory.filePath(QStringLiteral("Trabex"));
        ASSERT_TRUE(Copy_Directory(QStringLiteral(TRABEX_PROGRAM_DIR), program_dir));
    }

    Main_Form& Loaded_Form()
    {
        form = std::make_unique<Main_Form>(program_dir, ui);
        form->Form_Load();
        return *form;
    }

    QString In_Program_Dir(const QString& name) const { return QDir(program_dir).filePath(name); }

    // Opens the file through the File menu and its chooser.
    void Open_Through_Menu(const QString& path)
    {
        ui.Answer_File(path);
        Child<QAction>(*form, QStringLiteral("Open_File_Mn"))->trigger();
    }

    QString Write_Several_Records_Project(const QString& name)
    {
        const QString path = In_Program_Dir(name);
        EXPECT_EQ(File_Save(path, Several_Records_Model()), QString());
        return path;
    }

    QTemporaryDir directory;
    QString program_dir;
    Scripted_Ui_Services ui;
    std::unique_ptr<Main_Form> form;
};

TEST_F(Main_Form_Test, StartUpShowsTheSplashForHalfASecondThenTheMainWindowWithANewProject)
{
    Touch(Input_File_Path(program_dir));
    Touch(Result_File_Path(program_dir));
    Main_Form main_form(program_dir, ui);
    Splash_Form splash(Splash_Mode::Start_Up);
    QElapsedTimer clock;
    clock.start();
    Start_Up(splash, main_form);

    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(Child<QLabel>(splash, QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 2.2.7"));
    // Neither a click nor a key closes the splash before its tick.
    QTest::mouseClick(Child<QLabel>(splash, QStringLiteral("Label1")), Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(main_form.isVisible());

    ASSERT_TRUE(Wait_For([&] { return main_form.isVisible(); }));
    EXPECT_GE(clock.elapsed(), 450);
    EXPECT_TRUE(Wait_For([&] { return !splash.isVisible(); }));
    EXPECT_EQ(main_form.windowTitle(), QStringLiteral("Trabex(FEM)-Quenth  Version 2.2.7"));
    EXPECT_FALSE(QFile::exists(Input_File_Path(program_dir)));
    EXPECT_FALSE(QFile::exists(Result_File_Path(program_dir)));
    EXPECT_EQ(Child<QLineEdit>(main_form, QStringLiteral("Length_Text"))->text(), QStringLiteral("300"));
    EXPECT_EQ(Child<QLineEdit>(main_form, QStringLiteral("Length_Text"))->toolTip(),
              QStringLiteral("要素長 約 1.5 mm"));
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
    EXPECT_FALSE(Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"))->isHidden());
    EXPECT_EQ(ui.Calls(), QStringList());
}

TEST_F(Main_Form_Test, VersionBoxIsModalAndClosesOnTheFirstClickOrKey)
{
    Main_Form& main_form = Loaded_Form();
    const std::vector<std::pair<QString, std::function<void(Splash_Form&)>>> cases{
        {QStringLiteral("Version"), [](Splash_Form& box) { QTest::keyClick(&box, Qt::Key_A); }},
        {QStringLiteral("Version_Mn1"),
         [](Splash_Form& box) {
             QTest::mouseClick(Child<QLabel>(box, QStringLiteral("Picture1")), Qt::LeftButton);
         }},
    };
    for (const auto& [command, close_it] : cases) {
        SCOPED_TRACE(command.toStdString());
        Child<QAction>(main_form, command)->trigger();
        QPointer<Splash_Form> box = main_form.findChild<Splash_Form*>(QStringLiteral("frmSplash"));
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->isModal());
        close_it(*box);
        EXPECT_TRUE(Wait_For([&] { return !box; }));
    }
}

TEST_F(Main_Form_Test, TabsEnableTheirControlsAndTheConditionsTabDeletesTheExchangeFiles)
{
    Main_Form& main_form = Loaded_Form();
    auto* tabs = Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("条件設定"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("計算及び結果"));
    const QList<QObject*> switched{
        Child<QLineEdit>(main_form, QStringLiteral("Length_Text")),
        Child<QComboBox>(main_form, QStringLiteral("Length_UnitCombo")),
        Child<QComboBox>(main_form, QStringLiteral("Sep_Fig_Combo")),
        Child<QAction>(main_form, QStringLiteral("Setting_Mn")),
        Child<QMenu>(main_form, QStringLiteral("Set_Cond_Mn"))->menuAction(),
        Child<QAction>(main_form, QStringLiteral("SettingExit_Mn1")),
        Child<QAction>(main_form, QStringLiteral("CalcStart_Mn1")),
    };
    const auto enabled = [](QObject* control) { return control->property("enabled").toBool(); };
    auto* input = Child<QWidget>(main_form, QStringLiteral("Input_Frame"));
    auto* result = Child<QWidget>(main_form, QStringLiteral("Result_Frame"));
    auto* weight = Child<QCheckBox>(main_form, QStringLiteral("Jiju_Check"));

    Click_Tab(*tabs, 1);
    for (QObject* control : switched)
        EXPECT_FALSE(enabled(control)) << control->objectName().toStdString();
    EXPECT_FALSE(input->isVisible());
    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(weight->isVisible());
    EXPECT_TRUE(Child<QAction>(main_form, QStringLiteral("Save_File_Mn1"))->isEnabled());

    Touch(Input_File_Path(program_dir));
    Touch(Result_File_Path(program_dir));
    Click_Tab(*tabs, 0);
    for (QObject* control : switched)
        EXPECT_TRUE(enabled(control)) << control->objectName().toStdString();
    EXPECT_TRUE(input->isVisible());
    EXPECT_FALSE(result->isVisible());
    EXPECT_TRUE(weight->isVisible());
    EXPECT_FALSE(QFile::exists(Input_File_Path(program_dir)));
    EXPECT_FALSE(QFile::exists(Result_File_Path(program_dir)));

    auto* editing = Child<QTabBar>(main_form, QStringLiteral("MtrlFM_TabStrip"));
    EXPECT_EQ(editing->tabText(0), QStringLiteral("材質・断面特性"));
    EXPECT_EQ(editing->tabText(1), QStringLiteral("拘束・荷重・モーメント"));
    auto* materials = Child<QGroupBox>(main_form, QStringLiteral("Mtrl_Frame"));
    auto* constraints = Child<QGroupBox>(main_form, QStringLiteral("Constraint_Frame"));
    auto* loads = Child<QGroupBox>(main_form, QStringLiteral("FrceMmnt_Frame"));
    EXPECT_TRUE(materials->isVisible());
    EXPECT_FALSE(constraints->isVisible());
    Click_Tab(*editing, 1);
    EXPECT_FALSE(materials->isVisible());
    EXPECT_TRUE(constraints->isVisible());
    EXPECT_TRUE(loads->isVisible());
    EXPECT_EQ(materials->title(), QStringLiteral("プロパティ設定(材質・断面特性)"));
    EXPECT_EQ(constraints->title(), QStringLiteral("拘束条件"));
    EXPECT_EQ(loads->title(), QStringLiteral("荷重・モーメント"));
}

TEST_F(Main_Form_Test, MenusAndToolbarStandInTheirOrderWithCaptionsAndTips)
{
    Main_Form& main_form = Loaded_Form();
    QStringList top;
    for (QAction* item : main_form.menuBar()->actions())
        top << item->text();
    EXPECT_EQ(top, QStringList({"ファイル(&F)", "条件の設定/追加(&C)", "基本設定(&S)", "その他(&A)"}));
    const auto captions = [&](const QString& menu) {
        QStringList texts;
        for (QAction* item : Child<QMenu>(main_form, menu)->actions())
            texts << item->objectName() + QLatin1Char('=') + item->text();
        return texts;
    };
    EXPECT_EQ(captions(QStringLiteral("File_Mn")),
              QStringList({"New_File_Mn=新規作成(&N)", "Open_File_Mn=プロジェクトファイルを開く(&O)",
                           "Recent_Files_Mn=最近開いたファイル(&R)", "Save_Mn=上書き保存(&S)",
                           "Save_As_Mn=名前を付けて保存(&A)", "Quit_Mn=終了(&Q)"}));
    EXPECT_EQ(captions(QStringLiteral("Set_Cond_Mn")),
              QStringList({"Section_Info_Mn=断面特性設定(&S)", "Material_Info_Mn=材質設定(&M)",
                           "FMSet_Mn=荷重・モーメント(&F)", "CsrtSet_Mn=拘束条件の追加(&C)"}));
    EXPECT_EQ(captions(QStringLiteral("FMSet_Mn")),
              QStringList({"Add_FM_Mn=追加(&F)", "Edit_FM_Mn=編集(&E)", "Del_FM_Mn=削除(&D)"}));
    EXPECT_EQ(captions(QStringLiteral("CsrtSet_Mn")),
              QStringList({"Add_CST_Mn=追加(&F)", "Edit_CST_Mn=編集(&E)", "Del_CST_Mn=削除(&D)"}));
    EXPECT_EQ(captions(QStringLiteral("Etc_Mn")), QStringList({"Version=バージョン情報(&V)", "Help_Mn=ヘルプ(&H)"}));

    QStringList keys;
    for (QAction* button : Child<QToolBar>(main_form, QStringLiteral("Toolbar1"))->actions()) {
        keys << button->objectName();
        EXPECT_EQ(button->isSeparator(), button->objectName().startsWith(QStringLiteral("sep")));
        if (!button->isSeparator()) {
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(keys, QStringList({"New_File_Mn1", "sep1", "Open_File_Mn1", "sep2", "Save_File_Mn1",
                                 "Save_As_File_Mn1", "sep3", "Exit_Mn1", "sep4", "SettingExit_Mn1", "sep5",
                                 "CalcStart_Mn1", "sep6", "Version_Mn1", "Help_Mn1"}));
}

TEST_F(Main_Form_Test, NewShowsTheDefaultDataInEveryGridWithTheirLayout)
{
    Main_Form& main_form = Loaded_Form();
    const auto grid = [&](const char* name) -> QTableView& { return *Child<QTableView>(main_form, name); };
    EXPECT_EQ(Grid_Cells(grid("Prop_Set_Grid")),
              Cells({{"Prop.No.", "適用範囲", "適用範囲", "材料No.", "断面No."}, {"1", "0", "300", "MAT1", "SCT1"}}));
    EXPECT_EQ(Grid_Cells(grid("MaterialList_Grid")),
              Cells({{"材料No.", "名称", "ヤング率", "All_Data"},
                     {"MAT1", "SS材,SS400(-t16),(降伏)", "206GPa",
                      "SS材,SS400(-t16),(降伏):206,GPa:245,MPa:141.45,MPa:7800,kg/m^3"}}));
    EXPECT_EQ(Grid_Cells(grid("SectPropList_Grid")),
              Cells({{"断面No.", "名称", "断面係数", ""},
                     {"SCT1", "[規格材]JIS G3192 溝形鋼,75×40,(縦)", "20100mm^3",
                      "[規格材]JIS G3192 溝形鋼,75×40,(縦):881.8,mm^2:20100,mm^3:753000,mm^4:0.00692,kg/mm"}}));
    EXPECT_EQ(Grid_Cells(grid("FMSet_Grid")), Cells({{"種類", "位置", "値"}, {"", "", ""}}));
    EXPECT_EQ(Grid_Cells(grid("CsrtSet_Grid")), Cells({{"種類", "位置"}, {"", ""}}));
    EXPECT_EQ(Grid_Cells(grid("Post_Grid")), Cells({{"項目", "値", "単位", "備考"},
                                                     {"最大曲げ応力", "", "MPa", ""},
                                                     {"最大剪断応力", "", "MPa", ""},
                                                     {"最大変位", "", "mm", ""},
                                                     {"最小曲げ安全率", "", "-", ""},
                                                     {"最小剪断安全率", "", "-", ""},
                                                     {"最大モーメント", "", "N-mm", ""},
                                                     {"最大剪断力", "", "N", ""}}));

    struct Layout {
        const char* grid;
        QVector<int> widths_twips;
        QVector<Qt::Alignment> alignment;  // of the first data row
    };
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const std::vector<Layout> layouts{
        {"Prop_Set_Grid", {840, 800, 800, 1150, 1150}, {centre, centre, centre, centre, centre}},
        {"MaterialList_Grid", {750, 2500, 950, 3000}, {centre, left, left, left}},
        {"SectPropList_Grid", {750, 2500, 950, 3000}, {centre, left, left, left}},
        {"FMSet_Grid", {1300, 1415, 1420}, {left, left, left}},
        {"CsrtSet_Grid", {1200, 2755}, {left, left}},
        {"Post_Grid", {1800, 1500, 950, 3450}, {left, centre, centre, centre}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.grid);
        QTableView& view = grid(layout.grid);
        for (int column = 0; column < layout.widths_twips.size(); ++column) {
            EXPECT_EQ(view.columnWidth(column),
                      std::lround(layout.widths_twips[column] * view.logicalDpiX() / 1440.0));
            const auto alignment = view.model()->data(view.model()->index(0, column), Qt::TextAlignmentRole);
            EXPECT_EQ(alignment.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, layout.alignment[column]);
        }
    }
    const auto* merged = dynamic_cast<const Merged_Header_View*>(grid("Prop_Set_Grid").horizontalHeader());
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(merged->Merged_Run(2), std::make_pair(1, 2));
    EXPECT_EQ(merged->Merged_Run(3), std::make_pair(3, 3));
}

TEST_F(Main_Form_Test, OpenFillsEveryCellAndFieldAndNewResetsToTheDefaultData)
{
    const QString path = Write_Several_Records_Project(QStringLiteral("several.kvx"));
    Main_Form& main_form = Loaded_Form();
    Click_Tab(*Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip")), 1);
    Open_Through_Menu(path);

    EXPECT_EQ(ui.Take_Calls(), QStringList({"open file [プロジェクトファイルを開く]: *.kvx|*.kvx in " + program_dir}));
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("Prop_Set_Grid"))), Several_Ranges);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("MaterialList_Grid"))), Several_Materials);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("SectPropList_Grid"))), Several_Sections);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("FMSet_Grid"))), Several_Loads);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("CsrtSet_Grid"))), Several_Constraints);
    auto* length = Child<QLineEdit>(main_form, QStringLiteral("Length_Text"));
    EXPECT_EQ(length->text(), QStringLiteral("450"));
    EXPECT_EQ(length->toolTip(), QStringLiteral("要素長 約 3 cm"));
    EXPECT_EQ(Child<QComboBox>(main_form, QStringLiteral("Length_UnitCombo"))->currentText(), QStringLiteral("cm"));
    EXPECT_EQ(Child<QComboBox>(main_form, QStringLiteral("Sep_Fig_Combo"))->currentText(), QStringLiteral("150"));
    EXPECT_TRUE(Child<QCheckBox>(main_form, QStringLiteral("Jiju_Check"))->isChecked());
    EXPECT_EQ(main_form.Session().model, Several_Records_Model());
    EXPECT_EQ(main_form.Session().current_path, path);
    EXPECT_EQ(List_Load(program_dir, true), QStringList({path}));

    Child<QAction>(main_form, QStringLiteral("New_File_Mn1"))->trigger();
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("FMSet_Grid"))),
              Cells({{"種類", "位置", "値"}, {"", "", ""}}));
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("MaterialList_Grid"))).size(), 2);
    EXPECT_EQ(length->text(), QStringLiteral("300"));
    EXPECT_FALSE(Child<QCheckBox>(main_form, QStringLiteral("Jiju_Check"))->isChecked());
    EXPECT_EQ(main_form.Session().current_path, QString());
    EXPECT_EQ(ui.Calls(), QStringList());
}

TEST_F(Main_Form_Test, OpeningAFileThatCannotBeReadSaysSoAndLeavesTheDefaultData)
{
    const QString path = In_Program_Dir(QStringLiteral("broken.kvx"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a project\r\n");
    }
    Main_Form& main_form = Loaded_Form();
    Open_Through_Menu(Write_Several_Records_Project(QStringLiteral("several.kvx")));
    ui.Take_Calls();
    Open_Through_Menu(path);

    const QStringList calls = ui.Take_Calls();
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[1].startsWith(QStringLiteral("message: "))) << calls[1].toStdString();
    EXPECT_TRUE(calls[1].contains(QStringLiteral("broken.kvx"))) << calls[1].toStdString();
    BeamModel defaults;
    ASSERT_EQ(Reset_To_Default(program_dir, defaults), QString());
    EXPECT_EQ(main_form.Session().model, defaults);
    EXPECT_EQ(main_form.Session().current_path, QString());
    EXPECT_FALSE(List_Load(program_dir, true).contains(path));
}

TEST_F(Main_Form_Test, SaveAsAndSaveRoundTripTheModel)
{
    Main_Form& main_form = Loaded_Form();
    Open_Through_Menu(Write_Several_Records_Project(QStringLiteral("several.kvx")));
    const QString copy = In_Program_Dir(QStringLiteral("copy.kvx"));
    ui.Take_Calls();
    ui.Answer_File(copy);
    Child<QAction>(main_form, QStringLiteral("Save_As_File_Mn1"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList({"save file [名前を付けて保存]: *.kvx|*.kvx in " + program_dir}));
    EXPECT_EQ(main_form.Session().current_path, copy);
    EXPECT_EQ(List_Load(program_dir, true).value(0), copy);

    // Save writes to the current path without asking.
    auto* length = Child<QLineEdit>(main_form, QStringLiteral("Length_Text"));
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("520"));
    Child<QAction>(main_form, QStringLiteral("Save_Mn"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList());

    Child<QAction>(main_form, QStringLiteral("New_File_Mn"))->trigger();
    Open_Through_Menu(copy);
    BeamModel expected = Several_Records_Model();
    expected.length = QStringLiteral("520");
    expected.ranges[0].end = QStringLiteral("520");
    EXPECT_EQ(main_form.Session().model, expected);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("Prop_Set_Grid")))[1],
              QStringList({"1", "0", "520", "MAT1", "SCT1"}));
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("FMSet_Grid"))), Several_Loads);

    // Without a current path Save asks for a name; cancelling writes nothing.
    Child<QAction>(main_form, QStringLiteral("New_File_Mn"))->trigger();
    ui.Take_Calls();
    Child<QAction>(main_form, QStringLiteral("Save_File_Mn1"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList({"save file [名前を付けて保存]: *.kvx|*.kvx in " + program_dir}));
    EXPECT_EQ(main_form.Session().current_path, QString());
}

TEST_F(Main_Form_Test, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    Main_Form& main_form = Loaded_Form();
    const QString path = Write_Several_Records_Project(QStringLiteral("several.kvx"));
    Open_Through_Menu(path);
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    // A directory where the file should be: nothing can be written there.
    const QString blocked = In_Program_Dir(QStringLiteral("blocked.kvx"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    ui.Take_Calls();
    ui.Answer_File(blocked);
    Child<QAction>(main_form, QStringLiteral("Save_As_Mn"))->trigger();

    const QStringList messages = ui.Calls_Starting_With(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_FALSE(List_Load(program_dir, true).contains(blocked));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
}

TEST_F(Main_Form_Test, ARecentFileOpensWithoutANewListEntry)
{
    const QString path = Write_Several_Records_Project(QStringLiteral("several.kvx"));
    Main_Form& main_form = Loaded_Form();
    Click_Tab(*Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip")), 1);
    main_form.Open_Recent_File(path);
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("CsrtSet_Grid"))), Several_Constraints);
    EXPECT_EQ(main_form.Session().current_path, path);
    EXPECT_EQ(List_Load(program_dir, true), QStringList());
}

TEST_F(Main_Form_Test, TheLengthFieldPutsBackDefaultsAndMovesTheBaseRangeEnd)
{
    Main_Form& main_form = Loaded_Form();
    auto* length = Child<QLineEdit>(main_form, QStringLiteral("Length_Text"));
    auto* ranges = Child<QTableView>(main_form, QStringLiteral("Prop_Set_Grid"));
    struct Case {
        QString typed;
        QString shown;
        QString base_end;
    };
    const std::vector<Case> cases{
        {"450", "450", "450"},
        {"", "300", "300"},
        {"0", "1", "1"},
        {"-5", "1", "1"},
        {"1a2", "12", "12"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.typed.toStdString());
        // Typing replaces the selected text.
        length->selectAll();
        if (test.typed.isEmpty())
            QTest::keyClick(length, Qt::Key_Delete);
        else
            QTest::keyClicks(length, test.typed);
        EXPECT_EQ(length->text(), test.shown);
        EXPECT_EQ(Grid_Cells(*ranges)[1][2], test.base_end);
        EXPECT_EQ(main_form.Session().model.length, test.shown);
    }
    EXPECT_EQ(length->toolTip(), QStringLiteral("要素長 約 0.06 mm"));
    EXPECT_EQ(ui.Take_Calls(), QStringList({"beep"}));

    // A formula on double-click gives the length its value.
    ui.Answer_Input(QStringLiteral("500/2-20"));
    QTest::mouseDClick(length, Qt::LeftButton);
    EXPECT_EQ(ui.Take_Calls(), QStringList({"input [数式入力]: 数式を入力して下さい。(例：500/2-20) | 12"}));
    EXPECT_EQ(length->text(), QStringLiteral("230"));
    EXPECT_EQ(Grid_Cells(*ranges)[1][2], QStringLiteral("230"));
    length->setText(QStringLiteral("12"));

    auto* count = Child<QComboBox>(main_form, QStringLiteral("Sep_Fig_Combo"));
    EXPECT_EQ(count->toolTip(),
              QStringLiteral("FEM計算に必要な値です。（入力必須） 多いほど計算時間を要しますが、精度が向上します。(500以上推奨) "));
    count->setCurrentText(QStringLiteral("1000"));
    EXPECT_EQ(main_form.Session().model.element_count, QStringLiteral("1000"));
    EXPECT_EQ(length->toolTip(), QStringLiteral("要素長 約 0.012 mm"));

    auto* unit = Child<QComboBox>(main_form, QStringLiteral("Length_UnitCombo"));
    QStringList choices;
    for (int i = 0; i < unit->count(); ++i)
        choices << unit->itemText(i);
    EXPECT_EQ(choices, QStringList({"m", "cm", "mm", "in"}));
    EXPECT_EQ(count->count(), 15);

    // The unit timer waits while the unit is not one of the four.
    auto* unit_timer = Child<QTimer>(main_form, QStringLiteral("LenUnit_Timer"));
    unit->setEditText(QStringLiteral("c"));
    EXPECT_TRUE(unit_timer->isActive());
    EXPECT_EQ(unit_timer->interval(), 500);
    main_form.LenUnit_Timer_Timer();
    EXPECT_TRUE(unit_timer->isActive());
    unit->setEditText(QStringLiteral("cm"));
    main_form.LenUnit_Timer_Timer();
    EXPECT_FALSE(unit_timer->isActive());
    EXPECT_EQ(main_form.Session().model.length_unit, QStringLiteral("cm"));
    EXPECT_EQ(Grid_Cells(*ranges)[1][2], QStringLiteral("12"));
}

TEST_F(Main_Form_Test, ARunOfTheSimplySupportedExampleFillsTheResultTable)
{
    const QString example = In_Program_Dir(QStringLiteral("simply_supported.kvx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRABEX_SOURCE_DIR "/examples/simply_supported.kvx"), example));
    Main_Form& main_form = Loaded_Form();
    Open_Through_Menu(example);
    ui.Take_Calls();
    auto* cover = Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"));
    Click_Tab(*Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip")), 1);
    EXPECT_TRUE(cover->isVisible());
    QTest::mouseClick(Child<QPushButton>(main_form, QStringLiteral("Start_Calc_Command")), Qt::LeftButton);

    EXPECT_EQ(ui.Calls(), QStringList());
    EXPECT_FALSE(cover->isVisible());
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 1);
    // 100 kgf at the middle of a 1000 mm span, E = 21000 kgf/mm^2, I = 1E+06 mm^4, Z = 1E+04 mm^3.
    const Cells cells = Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("Post_Grid")));
    EXPECT_EQ(cells[1][1], QStringLiteral("2.45166e+1"));  // 2.5 kgf/mm^2
    EXPECT_EQ(cells[3][1], QStringLiteral("9.92063e-2"));  // P L^3 / 48 E I
    EXPECT_EQ(cells[4][1], QStringLiteral("9.993"));
    EXPECT_EQ(cells[6][1], QStringLiteral("2.45166e+5"));  // P L / 4
    for (int row = 1; row < cells.size(); ++row)
        EXPECT_FALSE(cells[row][1].isEmpty()) << row;
    EXPECT_FALSE(main_form.Results().results.deflection.empty());
    EXPECT_FALSE(QFile::exists(Input_File_Path(program_dir)));
    EXPECT_FALSE(QFile::exists(Result_File_Path(program_dir)));

    // An edit covers the results again.
    Click_Tab(*Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip")), 0);
    QTest::keyClicks(Child<QLineEdit>(main_form, QStringLiteral("Length_Text")), QStringLiteral("0"));
    EXPECT_FALSE(cover->isHidden());
}

TEST_F(Main_Form_Test, AFailingRunShowsItsMessagesInOrderAndReturnsToTheConditions)
{
    // The default data has neither loads nor supports.
    Main_Form& main_form = Loaded_Form();
    auto* editing = Child<QTabBar>(main_form, QStringLiteral("MtrlFM_TabStrip"));
    Click_Tab(*editing, 1);
    Child<QAction>(main_form, QStringLiteral("CalcStart_Mn1"))->trigger();

    EXPECT_EQ(ui.Calls(), QStringList({"message: 1箇所以上の荷重入力が必要です。(荷重又はモーメント)",
                                       "message: 少なくとも1個以上の拘束条件が必要です。(横滑り防止)"}));
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
    EXPECT_EQ(editing->currentIndex(), 0);
    EXPECT_FALSE(Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"))->isHidden());
    EXPECT_FALSE(QFile::exists(Result_File_Path(program_dir)));

    // The picture on the covering frame runs the command as its button does.
    ui.Take_Calls();
    Click_Tab(*Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip")), 1);
    auto* cover = Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"));
    QTest::mouseClick(Child<QLabel>(*cover, QStringLiteral("Picture1")), Qt::LeftButton);
    EXPECT_EQ(ui.Calls().size(), 2);
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
}

TEST_F(Main_Form_Test, AMissingSolverIsReportedAndNoExchangeFileStays)
{
    const QString example = In_Program_Dir(QStringLiteral("simply_supported.kvx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRABEX_SOURCE_DIR "/examples/simply_supported.kvx"), example));
    ASSERT_TRUE(QFile::remove(Solver_Program_Path(program_dir)));
    Main_Form& main_form = Loaded_Form();
    Open_Through_Menu(example);
    ui.Take_Calls();
    Child<QAction>(main_form, QStringLiteral("CalcStart_Mn1"))->trigger();

    const QStringList calls = ui.Take_Calls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls[0].startsWith(QStringLiteral("message: 解析プログラムが見つかりません。"))) << calls[0].toStdString();
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 0);
    EXPECT_FALSE(Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"))->isHidden());
    EXPECT_FALSE(QFile::exists(Input_File_Path(program_dir)));
}

TEST_F(Main_Form_Test, AThreeLineSettingsFileSetsThreeSettingsAtStartUp)
{
    {
        QFile file(In_Program_Dir(QStringLiteral("set.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("Beam Image              :wood.bmp\r\n"
                   "Pre_Pic. BackColor      :8388608\r\n"
                   "Post_Pic. BackColor     :32768\r\n");
    }
    Main_Form& main_form = Loaded_Form();
    Settings expected;
    expected.beam_image = QStringLiteral("wood.bmp");
    expected.input_background = 8388608;   // dark blue
    expected.result_background = 32768;    // dark green
    EXPECT_EQ(main_form.Current_Settings(), expected);
    const auto back = [&](const char* name) {
        return Child<QWidget>(main_form, name)->palette().color(QPalette::Window);
    };
    EXPECT_EQ(back("Pre_Picture"), QColor(0, 0, 128));
    EXPECT_EQ(back("Jiju_Check"), QColor(0, 0, 128));
    EXPECT_EQ(back("Stress_Disp_Picture"), QColor(0, 128, 0));
    EXPECT_EQ(back("BMD_Picture"), QColor(64, 64, 64));
    EXPECT_EQ(back("SFD_Picture"), QColor(64, 64, 64));
}

TEST_F(Main_Form_Test, SettingsAppliedInTheDialogReachTheWindowAndCoverTheResults)
{
    Main_Form& main_form = Loaded_Form();
    Child<QAction>(main_form, QStringLiteral("SettingExit_Mn1"))->trigger();
    QPointer<Setting_Form> dialog = main_form.findChild<Setting_Form*>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    Settings applied;
    applied.diagram_background = Rgb_Colour(255, 0, 0);
    applied.moment_sign = -1;
    emit dialog->Setting_Applied(applied);
    EXPECT_EQ(main_form.Current_Settings(), applied);
    EXPECT_EQ(Child<QWidget>(main_form, "BMD_Picture")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_FALSE(Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"))->isHidden());
    dialog->close();
    EXPECT_TRUE(Wait_For([&] { return !dialog; }));
}

TEST_F(Main_Form_Test, ABlinkRestartedOnAnotherControlLeavesTheFirstAsItWas)
{
    Main_Form& main_form = Loaded_Form();
    auto* timer = Child<QTimer>(main_form, QStringLiteral("Timer1"));
    QWidget first(&main_form);
    QWidget second(&main_form);
    first.show();
    second.show();
    main_form.Set_Blinking_Switched_On(true);
    main_form.Start_Blink(&first);
    EXPECT_EQ(timer->interval(), 200);
    main_form.Timer1_Timer();
    EXPECT_EQ(timer->interval(), 160);
    EXPECT_FALSE(first.isVisible());

    main_form.Start_Blink(&second);
    EXPECT_EQ(timer->interval(), 200);
    QVector<int> intervals;
    for (int tick = 0; tick < 5; ++tick) {
        main_form.Timer1_Timer();
        intervals << timer->interval();
    }
    EXPECT_EQ(intervals, QVector<int>({160, 120, 80, 40, 0}));
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(second.isVisible());
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(main_form.Blinking_Switched_On());

    // A new project switches blinking off: the blink stops at its next tick with the
    // control shown.
    main_form.Set_Blinking_Switched_On(true);
    main_form.Start_Blink(&second);
    main_form.Timer1_Timer();
    EXPECT_FALSE(second.isVisible());
    Child<QAction>(main_form, QStringLiteral("New_File_Mn"))->trigger();
    EXPECT_TRUE(timer->isActive());
    main_form.Timer1_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(second.isVisible());
}

TEST_F(Main_Form_Test, HelpOpensTheDocumentWhenItExistsAndIsSilentOtherwise)
{
    Main_Form& main_form = Loaded_Form();
    const QString help = In_Program_Dir(QStringLiteral("Help/Help.pdf"));
    QFile::remove(help);
    Child<QAction>(main_form, QStringLiteral("Help_Mn1"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList());

    ASSERT_TRUE(QDir().mkpath(In_Program_Dir(QStringLiteral("Help"))));
    Touch(help);
    Child<QAction>(main_form, QStringLiteral("Help_Mn"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList({"open document: " + help}));
}

TEST_F(Main_Form_Test, QuitEndsAtOnceAndTheToolbarExitAsksFirst)
{
    Main_Form& main_form = Loaded_Form();
    ui.Answer_Yes_No(false);
    Child<QAction>(main_form, QStringLiteral("Exit_Mn1"))->trigger();
    EXPECT_EQ(ui.Take_Calls(), QStringList({"question [Notice!]: 終了しますか？"}));
    EXPECT_TRUE(main_form.isVisible());

    ui.Answer_Yes_No(true);
    Child<QAction>(main_form, QStringLiteral("Exit_Mn1"))->trigger();
    EXPECT_FALSE(main_form.isVisible());

    main_form.show();
    Child<QAction>(main_form, QStringLiteral("Quit_Mn"))->trigger();
    EXPECT_FALSE(main_form.isVisible());
    EXPECT_EQ(ui.Take_Calls(), QStringList({"question [Notice!]: 終了しますか？"}));
}

TEST_F(Main_Form_Test, TheWindowKeepsPaintingWhileTheSolverRunsAndASilentFailureLeavesTheResultsCovered)
{
    // A solver that takes its time and writes no result file, as one that fails does.
    {
        QFile solver(Solver_Program_Path(program_dir));
        ASSERT_TRUE(solver.open(QIODevice::WriteOnly | QIODevice::Truncate));
        solver.write("#!/bin/sh\nsleep 0.4\n");
        solver.close();
        ASSERT_TRUE(solver.setPermissions(solver.permissions() | QFile::ExeOwner));
    }
    const QString example = In_Program_Dir(QStringLiteral("simply_supported.kvx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRABEX_SOURCE_DIR "/examples/simply_supported.kvx"), example));
    Main_Form& main_form = Loaded_Form();
    Open_Through_Menu(example);
    ui.Take_Calls();

    bool timer_fired_during_run = false;
    QTimer::singleShot(100, &main_form, [&] {
        timer_fired_during_run = true;
        // Closing the window must wait for the solver.
        main_form.close();
    });
    Child<QAction>(main_form, QStringLiteral("CalcStart_Mn1"))->trigger();

    EXPECT_TRUE(timer_fired_during_run);
    EXPECT_TRUE(main_form.isVisible());
    EXPECT_EQ(ui.Calls(), QStringList());
    EXPECT_EQ(Child<QTabBar>(main_form, QStringLiteral("InOut_TabStrip"))->currentIndex(), 1);
    EXPECT_FALSE(Child<QFrame>(main_form, QStringLiteral("CalcReqd_Frame"))->isHidden());
    EXPECT_EQ(Grid_Cells(*Child<QTableView>(main_form, QStringLiteral("Post_Grid")))[1][1], QString());
    EXPECT_FALSE(QFile::exists(Input_File_Path(program_dir)));
}

} // namespace
