#include "ui/recent_files_form.h"

#include "model/recent_files.h"
#include "model/text_file.h"
#include "ui/scripted_ui_services.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>
#include "find_control.h"

namespace {

class Recent_Files_Form_Test : public ::testing::Test {
protected:
    std::unique_ptr<Recent_Files_Form> Open_Form()
    {
        auto form = std::make_unique<Recent_Files_Form>(dir.path(), services);
        QObject::connect(form.get(), &Recent_Files_Form::Open_Recent_File,
                         [this](const QString& path) { opened << path; });
        form->show();
        return form;
    }

    // A project file in the program directory, recorded as opened.
    QString Open_Project(const QString& name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(Add_Recent(dir.path(), path));
        return path;
    }

    QStringList List_File() const
    {
        return Read_Text_Lines(dir.filePath(QStringLiteral("Recent.dat"))).lines;
    }

    static QStringList Shown(const Recent_Files_Form& form)
    {
        QStringList texts;
        const auto* list = Child<QListWidget>(form, "List1");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    static QPoint Row_Centre(const Recent_Files_Form& form, int row)
    {
        const auto* list = Child<QListWidget>(form, "List1");
        return list->visualItemRect(list->item(row)).center();
    }

    static void Click_Row(const Recent_Files_Form& form, int row)
    {
        QTest::mouseClick(Child<QListWidget>(form, "List1")->viewport(), Qt::LeftButton, {}, Row_Centre(form, row));
    }

    // Right-clicks the row and picks an entry of the menu that appears.
    static void Menu_On_Row(const Recent_Files_Form& form, int row, const char* action)
    {
        QWidget* viewport = Child<QListWidget>(form, "List1")->viewport();
        const QPoint position = Row_Centre(form, row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, viewport->mapToGlobal(position));
        QApplication::sendEvent(viewport, &event);
        auto* menu = Child<QMenu>(form, "List1_Menu");
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
        Child<QAction>(form, action)->trigger();
    }

    static QString Status(const Recent_Files_Form& form)
    {
        return Child<QStatusBar>(form, "StatusBar1")->currentMessage();
    }

    QTemporaryDir dir;
    Scripted_Ui_Services services;
    QStringList opened;
};

TEST_F(Recent_Files_Form_Test, Sixteen_Opens_Keep_The_15_Newest_First_And_A_Reopened_One_Stays_In_Place)
{
    QStringList paths;
    for (int i = 1; i <= 16; ++i)
        paths << Open_Project(QStringLiteral("p%1.kvx").arg(i, 2, 10, QLatin1Char('0')));
    QStringList newest_first;
    for (int i = 15; i >= 1; --i)
        newest_first << paths[i];
    EXPECT_EQ(Shown(*Open_Form()), newest_first);

    Add_Recent(dir.path(), paths[10]);
    EXPECT_EQ(Shown(*Open_Form()), newest_first);
    EXPECT_EQ(List_File(), newest_first);
}

TEST_F(Recent_Files_Form_Test, Missing_Files_Are_Hidden_Shown_With_Check1_And_Removed_By_All_Delete_Link)
{
    const QString kept = Open_Project(QStringLiteral("kept.kvx"));
    const QString gone = Open_Project(QStringLiteral("gone.kvx"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QFile below(dir.filePath(QStringLiteral("sub/a.kvx")));
    ASSERT_TRUE(below.open(QIODevice::WriteOnly));
    below.close();
    ASSERT_TRUE(Add_Recent(dir.path(), QStringLiteral("\\sub\\a.kvx")));
    ASSERT_TRUE(QFile::remove(gone));

    const auto form = Open_Form();
    auto* check = Child<QCheckBox>(*form, "Check1");
    EXPECT_EQ(check->text(), QStringLiteral("読込不可(リンク切れ)ファイルも表示"));
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(Shown(*form), (QStringList{"\\sub\\a.kvx", kept}));

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(Shown(*form), (QStringList{"\\sub\\a.kvx", gone, kept}));
    Click_Row(*form, 1);
    EXPECT_EQ(Status(*form), QStringLiteral("ファイルが存在しません。"));
    Click_Row(*form, 0);
    const QString dates = Status(*form);
    EXPECT_TRUE(dates.startsWith(QStringLiteral("作成日時 : "))) << dates.toStdString();
    EXPECT_TRUE(dates.contains(QStringLiteral("   更新日時 : "))) << dates.toStdString();

    Menu_On_Row(*form, 0, "All_Delete_Link");
    EXPECT_EQ(List_File(), (QStringList{"\\sub\\a.kvx", kept}));
    EXPECT_EQ(Shown(*form), (QStringList{"\\sub\\a.kvx", kept}));
    EXPECT_TRUE(services.Calls().isEmpty());
}

TEST_F(Recent_Files_Form_Test, Selection_Delete_Removes_The_Entry_Under_The_Pointer_Only)
{
    const QString a = Open_Project(QStringLiteral("a.kvx"));
    const QString b = Open_Project(QStringLiteral("b.kvx"));
    const QString c = Open_Project(QStringLiteral("c.kvx"));
    const auto form = Open_Form();
    Click_Row(*form, 0);
    Menu_On_Row(*form, 1, "Selection_Delete");
    EXPECT_EQ(List_File(), (QStringList{c, a}));
    EXPECT_EQ(Shown(*form), (QStringList{c, a}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Recent.dat1"))));
}

TEST_F(Recent_Files_Form_Test, All_Delete_Asks_First_And_Empties_The_List_Only_On_Yes)
{
    const QString a = Open_Project(QStringLiteral("a.kvx"));
    const auto form = Open_Form();
    const QString question = QStringLiteral("question [Notice!]: 全てのリンクを削除します。よろしいですか？");

    services.Answer_Yes_No(false);
    Menu_On_Row(*form, 0, "All_Delete");
    EXPECT_EQ(services.Take_Calls(), QStringList{question});
    EXPECT_EQ(Shown(*form), QStringList{a});
    EXPECT_EQ(List_File(), QStringList{a});

    services.Answer_Yes_No(true);
    Menu_On_Row(*form, 0, "All_Delete");
    EXPECT_EQ(services.Take_Calls(), QStringList{question});
    EXPECT_TRUE(Shown(*form).isEmpty());
    QFile list(dir.filePath(QStringLiteral("Recent.dat")));
    ASSERT_TRUE(list.exists()) << "the list is created again, empty";
    EXPECT_EQ(list.size(), 0);
}

TEST_F(Recent_Files_Form_Test, Every_Way_Of_Opening_Hands_Over_The_Resolved_Path_And_Closes)
{
    const QString a = Open_Project(QStringLiteral("a.kvx"));
    ASSERT_TRUE(Add_Recent(dir.path(), QStringLiteral("\\a.kvx")));

    // With nothing selected the window says so and stays.
    {
        const auto form = Open_Form();
        QTest::mouseClick(Child<QPushButton>(*form, "OKCommand"), Qt::LeftButton);
        EXPECT_EQ(services.Take_Calls(), QStringList{QStringLiteral("message: ファイルが選択されていません。")});
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(opened.isEmpty());
    }
    const auto ways = {
        +[](Recent_Files_Form& form) {
            Click_Row(form, 0);
            QTest::mouseClick(Child<QPushButton>(form, "OKCommand"), Qt::LeftButton);
        },
        +[](Recent_Files_Form& form) {
            // A double-click is a click followed by the double-click event of the second press.
            QWidget* viewport = Child<QListWidget>(form, "List1")->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, Row_Centre(form, 0));
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, Row_Centre(form, 0));
        },
        +[](Recent_Files_Form& form) { Menu_On_Row(form, 0, "Open_Selection"); },
    };
    for (const auto way : ways) {
        opened.clear();
        const auto form = Open_Form();
        way(*form);
        EXPECT_EQ(opened, QStringList{QDir(dir.path()).filePath(QStringLiteral("a.kvx"))});
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(services.Calls().isEmpty());

    // Closing never opens anything and leaves the list alone.
    opened.clear();
    const auto close_ways = {
        +[](Recent_Files_Form& form) { QTest::mouseClick(Child<QPushButton>(form, "CancelCommand"), Qt::LeftButton); },
        +[](Recent_Files_Form& form) { Menu_On_Row(form, 0, "Close_This_Window"); },
    };
    for (const auto way : close_ways) {
        const auto form = Open_Form();
        way(*form);
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(List_File(), (QStringList{"\\a.kvx", a}));
}

TEST_F(Recent_Files_Form_Test, Menu_Has_The_Five_Entries_In_Order)
{
    const auto form = Open_Form();
    QStringList captions;
    for (const QAction* action : Child<QMenu>(*form, "List1_Menu")->actions())
        if (!action->isSeparator())
            captions << action->objectName() + QLatin1Char('=') + action->text();
    EXPECT_EQ(captions, (QStringList{
                            "Open_Selection=選択項目を開く(&O)",
                            "Selection_Delete=選択項目を履歴から削除(&D)",
                            "All_Delete_Link=読込不可ファイルをすべて履歴から削除(&A)",
                            "All_Delete=全ての履歴を削除(&E)",
                            "Close_This_Window=閉じる(&Q)",
                        }));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("最近開いたファイル"));
}

} // namespace
