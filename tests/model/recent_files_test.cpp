#include "model/recent_files.h"

#include "model/date_time_text.h"
#include "model/text_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class Recent_Files : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString List_File() const { return dir.filePath(QStringLiteral("Recent.dat")); }

    QStringList Listed() const
    {
        const Text_Lines_Result file = Read_Text_Lines(List_File());
        return file.ok ? file.lines : QStringList{QStringLiteral("<unreadable>")};
    }

    // A project file that exists, below the program directory.
    QString Make_Project(const QString& name) const
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    bool No_Work_Files() const
    {
        return !QFileInfo::exists(dir.filePath(QStringLiteral("Recent1.dat")))
            && !QFileInfo::exists(dir.filePath(QStringLiteral("Recent.dat1")));
    }
};

TEST_F(Recent_Files, Keeps_The_15_Newest_First_And_Never_Reorders_A_Listed_Path)
{
    // No list yet: the first project opened is still recorded.
    QStringList opened;
    for (int i = 1; i <= 16; ++i) {
        opened.prepend(QStringLiteral("/data/プロジェクト%1.kvx").arg(i));
        EXPECT_TRUE(Add_Recent(dir.path(), opened.first()));
    }
    EXPECT_EQ(Listed(), opened.mid(0, 15));
    EXPECT_TRUE(No_Work_Files());

    const QByteArray before = [&] {
        QFile file(List_File());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    EXPECT_TRUE(before.startsWith(Encode_Cp932(opened.first()) + "\r\n"));
    EXPECT_TRUE(Add_Recent(dir.path(), opened.at(7)));
    EXPECT_EQ(Listed(), opened.mid(0, 15));
    // Same path in another case is another path.
    EXPECT_TRUE(Add_Recent(dir.path(), opened.at(7).toUpper()));
    EXPECT_EQ(Listed().first(), opened.at(7).toUpper());
}

TEST_F(Recent_Files, Path_That_Cannot_Be_Stored_Faithfully_Is_Not_Recorded)
{
    ASSERT_TRUE(Add_Recent(dir.path(), QStringLiteral("/data/a.kvx")));
    const QString not_storable[] = {
        QStringLiteral("/data/한국어.kvx"),       // no code page 932 character for it
        QStringLiteral("/data/smile\U0001F600.kvx"),
        QStringLiteral("/data/two\nlines.kvx"),
        QString(),
    };
    for (const QString& path : not_storable) {
        EXPECT_FALSE(Add_Recent(dir.path(), path)) << path.toStdString();
        EXPECT_EQ(Listed(), QStringList{QStringLiteral("/data/a.kvx")});
    }
}

TEST_F(Recent_Files, Failure_While_Adding_Or_Removing_Leaves_The_List_As_It_Was)
{
    ASSERT_TRUE(Add_Recent(dir.path(), QStringLiteral("/data/a.kvx")));
    // A directory in the way of each work file makes writing it fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Recent1.dat")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Recent.dat1")));
    EXPECT_FALSE(Add_Recent(dir.path(), QStringLiteral("/data/b.kvx")));
    EXPECT_FALSE(Selection_Delete(dir.path(), QStringLiteral("/data/a.kvx")));
    EXPECT_FALSE(All_Delete_Link(dir.path()));
    EXPECT_EQ(Listed(), QStringList{QStringLiteral("/data/a.kvx")});

    // An unreadable list is not replaced by one holding only the new path.
    QDir(dir.path()).rmdir(QStringLiteral("Recent1.dat"));
    QFile::remove(List_File());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Recent.dat")));
    EXPECT_FALSE(Add_Recent(dir.path(), QStringLiteral("/data/b.kvx")));
    EXPECT_TRUE(QFileInfo(List_File()).isDir());
}

TEST_F(Recent_Files, Resolves_A_Single_Leading_Backslash_Below_The_Program_Directory)
{
    Make_Project(QStringLiteral("sub/a.kvx"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    struct Case {
        QString path;
        bool exists;
    };
    const Case cases[] = {
        {QStringLiteral("\\sub\\a.kvx"), true},
        {dir.filePath(QStringLiteral("sub/a.kvx")), true},
        {QStringLiteral("\\sub\\b.kvx"), false},
        {QStringLiteral("\\\\sub\\a.kvx"), false},     // a network path, not below the program
        {QStringLiteral("\\sub\\*.kvx"), false},
        {QStringLiteral("\\sub\\?.kvx"), false},
        {QStringLiteral("\\folder"), false},           // a directory is no project file
        {QString(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(File_Exists(dir.path(), c.path), c.exists) << c.path.toStdString();
    EXPECT_EQ(Resolve_Path(dir.path(), QStringLiteral("\\sub\\a.kvx")), dir.filePath(QStringLiteral("sub/a.kvx")));
}

TEST_F(Recent_Files, Missing_Files_Are_Hidden_Shown_On_Request_And_Removed_By_All_Delete_Link)
{
    EXPECT_TRUE(List_Load(dir.path(), true).isEmpty());
    EXPECT_TRUE(QFileInfo(List_File()).isFile()) << "List_Load creates the missing list";

    const QString kept = Make_Project(QStringLiteral("kept.kvx"));
    const QString gone = Make_Project(QStringLiteral("gone.kvx"));
    for (const QString& path : {kept, gone, QStringLiteral("\\sub\\a.kvx")})
        ASSERT_TRUE(Add_Recent(dir.path(), path));
    Make_Project(QStringLiteral("sub/a.kvx"));
    QFile::remove(gone);

    const QStringList all = {QStringLiteral("\\sub\\a.kvx"), gone, kept};
    EXPECT_EQ(List_Load(dir.path(), true), all);
    EXPECT_EQ(List_Load(dir.path(), false), (QStringList{QStringLiteral("\\sub\\a.kvx"), kept}));
    EXPECT_EQ(Listed(), all) << "loading the list never changes it";

    ASSERT_TRUE(All_Delete_Link(dir.path()));
    EXPECT_EQ(Listed(), (QStringList{QStringLiteral("\\sub\\a.kvx"), kept}));
    ASSERT_TRUE(Selection_Delete(dir.path(), kept));
    EXPECT_EQ(Listed(), QStringList{QStringLiteral("\\sub\\a.kvx")});
    EXPECT_TRUE(No_Work_Files());

    ASSERT_TRUE(All_Delete(dir.path()));
    EXPECT_FALSE(QFileInfo::exists(List_File()));
    EXPECT_TRUE(List_Load(dir.path(), true).isEmpty());
    EXPECT_TRUE(QFileInfo(List_File()).isFile());
}

TEST_F(Recent_Files, Status_Text_Gives_Creation_And_Modification_Times)
{
    const QString path = Make_Project(QStringLiteral("a.kvx"));
    const QDateTime modified(QDate(2024, 3, 5), QTime(14, 7, 9));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    const QString text = File_Dates_Text(dir.path(), QStringLiteral("\\a.kvx"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("作成日時 : "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("   更新日時 : ") + General_Date_Time_Text(modified))) << text.toStdString();
    EXPECT_EQ(File_Dates_Text(dir.path(), QStringLiteral("\\b.kvx")), QStringLiteral("ファイルが存在しません。"));
}

} // namespace
