// The menus and the toolbar of the main window, the commands that only open a window
// or a document, and the ways the program ends.
#include "ui/main_form.h"

#include "ui/recent_files_form.h"
#include "ui/setting_form.h"
#include "ui/splash_form.h"
#include "ui/toolbar_icons.h"
#include "ui/ui_services.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction* Add_Item(QMenu& menu, const QString& name, const QString& caption)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    return item;
}

QMenu* Add_Submenu(QMenu& menu, const QString& name, const QString& caption)
{
    QMenu* submenu = menu.addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

struct Toolbar_Button {
    QString key;
    QString tip;
};

const std::array<Toolbar_Button, 15>& Toolbar_Buttons()
{
    static const std::array<Toolbar_Button, 15> buttons{{
        {QStringLiteral("New_File_Mn1"), QStringLiteral("新規作成")},
        {QStringLiteral("sep1"), {}},
        {QStringLiteral("Open_File_Mn1"), QStringLiteral("プロジェクトファイルを開く")},
        {QStringLiteral("sep2"), {}},
        {QStringLiteral("Save_File_Mn1"), QStringLiteral("上書き保存")},
        {QStringLiteral("Save_As_File_Mn1"), QStringLiteral("名前を付けて保存")},
        {QStringLiteral("sep3"), {}},
        {QStringLiteral("Exit_Mn1"), QStringLiteral("終了")},
        {QStringLiteral("sep4"), {}},
        {QStringLiteral("SettingExit_Mn1"), QStringLiteral("基本設定")},
        {QStringLiteral("sep5"), {}},
        {QStringLiteral("CalcStart_Mn1"), QStringLiteral("計算開始")},
        {QStringLiteral("sep6"), {}},
        {QStringLiteral("Version_Mn1"), QStringLiteral("バージョン情報")},
        {QStringLiteral("Help_Mn1"), QStringLiteral("ヘルプ")},
    }};
    return buttons;
}

} // namespace

void Main_Form::Make_Menus()
{
    QMenuBar* bar = menuBar();

    File_Mn = bar->addMenu(QStringLiteral("ファイル(&F)"));
    File_Mn->setObjectName(QStringLiteral("File_Mn"));
    New_File_Mn = Add_Item(*File_Mn, QStringLiteral("New_File_Mn"), QStringLiteral("新規作成(&N)"));
    Open_File_Mn = Add_Item(*File_Mn, QStringLiteral("Open_File_Mn"), QStringLiteral("プロジェクトファイルを開く(&O)"));
    Recent_Files_Mn = Add_Item(*File_Mn, QStringLiteral("Recent_Files_Mn"), QStringLiteral("最近開いたファイル(&R)"));
    Save_Mn = Add_Item(*File_Mn, QStringLiteral("Save_Mn"), QStringLiteral("上書き保存(&S)"));
    Save_As_Mn = Add_Item(*File_Mn, QStringLiteral("Save_As_Mn"), QStringLiteral("名前を付けて保存(&A)"));
    Quit_Mn = Add_Item(*File_Mn, QStringLiteral("Quit_Mn"), QStringLiteral("終了(&Q)"));
    connect(New_File_Mn, &QAction::triggered, this, &Main_Form::New_File_Mn_Click);
    connect(Open_File_Mn, &QAction::triggered, this, &Main_Form::Open_File_Mn_Click);
    connect(Recent_Files_Mn, &QAction::triggered, this, &Main_Form::Recent_Files_Mn_Click);
    connect(Save_Mn, &QAction::triggered, this, &Main_Form::Save_Mn_Click);
    connect(Save_As_Mn, &QAction::triggered, this, &Main_Form::Save_As_Mn_Click);
    connect(Quit_Mn, &QAction::triggered, this, &Main_Form::Quit_Mn_Click);

    // The editing commands of this menu belong to the panels and dialogs that edit
    // sections, materials, loads and supports; they connect to these items.
    Set_Cond_Mn = bar->addMenu(QStringLiteral("条件の設定/追加(&C)"));
    Set_Cond_Mn->setObjectName(QStringLiteral("Set_Cond_Mn"));
    Add_Item(*Set_Cond_Mn, QStringLiteral("Section_Info_Mn"), QStringLiteral("断面特性設定(&S)"));
    Add_Item(*Set_Cond_Mn, QStringLiteral("Material_Info_Mn"), QStringLiteral("材質設定(&M)"));
    QMenu* FMSet_Mn = Add_Submenu(*Set_Cond_Mn, QStringLiteral("FMSet_Mn"), QStringLiteral("荷重・モーメント(&F)"));
    Add_Item(*FMSet_Mn, QStringLiteral("Add_FM_Mn"), QStringLiteral("追加(&F)"));
    Add_Item(*FMSet_Mn, QStringLiteral("Edit_FM_Mn"), QStringLiteral("編集(&E)"));
    Add_Item(*FMSet_Mn, QStringLiteral("Del_FM_Mn"), QStringLiteral("削除(&D)"));
    QMenu* CsrtSet_Mn = Add_Submenu(*Set_Cond_Mn, QStringLiteral("CsrtSet_Mn"), QStringLiteral("拘束条件の追加(&C)"));
    Add_Item(*CsrtSet_Mn, QStringLiteral("Add_CST_Mn"), QStringLiteral("追加(&F)"));
    Add_Item(*CsrtSet_Mn, QStringLiteral("Edit_CST_Mn"), QStringLiteral("編集(&E)"));
    Add_Item(*CsrtSet_Mn, QStringLiteral("Del_CST_Mn"), QStringLiteral("削除(&D)"));

    Setting_Mn = bar->addAction(QStringLiteral("基本設定(&S)"));
    Setting_Mn->setObjectName(QStringLiteral("Setting_Mn"));
    connect(Setting_Mn, &QAction::triggered, this, &Main_Form::Setting_Mn_Click);

    Etc_Mn = bar->addMenu(QStringLiteral("その他(&A)"));
    Etc_Mn->setObjectName(QStringLiteral("Etc_Mn"));
    QAction* Version = Add_Item(*Etc_Mn, QStringLiteral("Version"), QStringLiteral("バージョン情報(&V)"));
    QAction* Help_Mn = Add_Item(*Etc_Mn, QStringLiteral("Help_Mn"), QStringLiteral("ヘルプ(&H)"));
    connect(Version, &QAction::triggered, this, &Main_Form::Version_Click);
    connect(Help_Mn, &QAction::triggered, this, &Main_Form::Help_Mn_Click);
}

void Main_Form::Make_Toolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    for (std::size_t i = 0; i < toolbar_buttons.size(); ++i) {
        const Toolbar_Button& button = Toolbar_Buttons()[i];
        QAction* action = button.key.startsWith(QStringLiteral("sep"))
                              ? Toolbar1->addSeparator()
                              : Toolbar1->addAction(Toolbar_Icon(button.key), button.tip);
        action->setObjectName(button.key);
        action->setToolTip(button.tip);
        toolbar_buttons[i] = action;
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, &Main_Form::Toolbar1_ButtonClick);
}

void Main_Form::Toolbar1_ButtonClick(QAction* button)
{
    const QString key = button->objectName();
    if (key == QStringLiteral("New_File_Mn1")) {
        New_File_Mn_Click();
    } else if (key == QStringLiteral("Open_File_Mn1")) {
        Open_File_Mn_Click();
    } else if (key == QStringLiteral("Save_File_Mn1")) {
        Save_Mn_Click();
    } else if (key == QStringLiteral("Save_As_File_Mn1")) {
        Save_As_Mn_Click();
    } else if (key == QStringLiteral("Exit_Mn1")) {
        if (services.Ask_Yes_No(QStringLiteral("終了しますか？"), QStringLiteral("Notice!")))
            End_Program();
    } else if (key == QStringLiteral("SettingExit_Mn1")) {
        Setting_Mn_Click();
    } else if (key == QStringLiteral("CalcStart_Mn1")) {
        Select_InOut_Tab(Tab_Results);
        Start_Calc_Command_Click();
    } else if (key == QStringLiteral("Version_Mn1")) {
        Version_Click();
    } else if (key == QStringLiteral("Help_Mn1")) {
        Help_Mn_Click();
    }
}

void Main_Form::Quit_Mn_Click()
{
    End_Program();
}

void Main_Form::End_Program()
{
    close();
}

void Main_Form::closeEvent(QCloseEvent* event)
{
    // The solver run holds the exchange files; the window stays until it has ended.
    if (running) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

void Main_Form::Setting_Mn_Click()
{
    auto* form = new Setting_Form(program_dir, services, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &Setting_Form::Setting_Applied, this, &Main_Form::Apply_Setting);
    form->open();
}

void Main_Form::Recent_Files_Mn_Click()
{
    auto* form = new Recent_Files_Form(program_dir, services, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &Recent_Files_Form::Open_Recent_File, this, &Main_Form::Open_Recent_File);
    form->open();
}

void Main_Form::Version_Click()
{
    auto* box = new Splash_Form(Splash_Mode::Version_Box, this);
    box->Show_Version_Box();
}

void Main_Form::Help_Mn_Click()
{
    // A missing help document is not reported, nor is a failure to open it.
    const QString path = QDir(program_dir).filePath(QStringLiteral("Help/Help.pdf"));
    if (QFileInfo(path).isFile())
        services.Open_Document(path);
}
