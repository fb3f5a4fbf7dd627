#include "model/project_file.h"

#include "model/recent_files.h"
#include "model/text_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include "../common/test_files.h"

// Failures show the model as the file it would be written as.
void PrintTo(const BeamModel& model, std::ostream* out)
{
    *out << "\n" << Project_Lines(model, {}).join(QStringLiteral("\n")).toStdString();
}

namespace {

QByteArray Cp932_File(const QStringList& lines)
{
    return Encode_Cp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

const QString Golden_File = QStringLiteral(TEST_DATA_DIR "/golden.kvx");

Project_Stamp Golden_Stamp()
{
    return {QStringLiteral("2.2.7"), QDateTime(QDate(2026, 12, 10), QTime(11, 30, 5))};
}

// The model that golden.kvx holds: every kind of cell, empty value fields included.
BeamModel Golden_Model()
{
    BeamModel model;
    model.length = QStringLiteral("450");
    model.length_unit = QStringLiteral("cm");
    model.element_count = QStringLiteral("100");
    model.self_weight = true;
    model.ranges = {{QStringLiteral("0"), QStringLiteral("450"), QStringLiteral("MAT1"), QStringLiteral("SCT1")},
                    {QStringLiteral("100"), QStringLiteral("200.5"), QStringLiteral("MAT2"), QStringLiteral("SCT2")},
                    {}};
    model.materials = {Default_Material(),
                       {QStringLiteral("アルミ A5052-H34"), QStringLiteral("70.6"), QStringLiteral("GPa"), QString(),
                        QStringLiteral("MPa"), QString(), QStringLiteral("psi"), QStringLiteral("2.68"),
                        QStringLiteral("g/cm^3")}};
    model.sections = {Default_Section(),
                      {QStringLiteral("角パイプ □50×50×2.3"), QStringLiteral("4.3"), QStringLiteral("cm^2"),
                       QStringLiteral("6.6"), QStringLiteral("cm^3"), QStringLiteral("16.5"), QStringLiteral("cm^4"),
                       QString(), QStringLiteral("kg/m")}};
    model.loads = {{QStringLiteral("集中荷重(+)"), QStringLiteral("LFT,150,mm"), QStringLiteral("100,kg")},
                   {QStringLiteral("分布荷重(-)"), QStringLiteral("RHT,0,100,mm"), QStringLiteral("2.5,N/mm")},
                   {QStringLiteral("モーメント(+)"), QStringLiteral("LFT,1.5,m"), QStringLiteral("30,N-m")}};
    model.constraints = {{QStringLiteral("単純支持"), QStringLiteral("LFT,0,mm")},
                         {QStringLiteral("ローラー支持"), QStringLiteral("RHT,0,mm")},
                         {QStringLiteral("ユーザ定義"), QStringLiteral("LFT,2,cm,Tx,-,Rt")}};
    return model;
}

QStringList Golden_Lines()
{
    return Read_Text_Lines(Golden_File).lines;
}

class Project_File : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Project_File, Saved_Model_Equals_The_Golden_File_Byte_For_Byte_And_Reads_Back_Cell_For_Cell)
{
    ASSERT_EQ(File_Save(Path(QStringLiteral("a.kvx")), Golden_Model(), Golden_Stamp()), QString());
    EXPECT_EQ(File_Bytes(Path(QStringLiteral("a.kvx"))), File_Bytes(Golden_File));
    EXPECT_EQ(Project_Lines(Golden_Model(), Golden_Stamp()), Golden_Lines());

    BeamModel read = Default_Beam_Model();
    ASSERT_EQ(Read_Project(Golden_File, read), QString());
    EXPECT_EQ(read, Golden_Model());
}

TEST_F(Project_File, Empty_References_Are_Written_As_A_Lone_Comma_And_Blank_Grid_Rows_Never)
{
    const QStringList lines = Golden_Lines();
    EXPECT_EQ(lines.at(lines.indexOf(QStringLiteral("Prop.No.           :3")) + 2), QStringLiteral(" Material/SectProp :,"));
    EXPECT_EQ(lines.indexOf(QStringLiteral("<Load End>")) - lines.indexOf(QStringLiteral("<Load>")), 4);
    EXPECT_EQ(lines.last(), QStringLiteral("<Constraint End>"));
}

TEST_F(Project_File, Shipped_Default_Data_Is_The_Design_Default_Model)
{
    BeamModel model;
    ASSERT_EQ(Reset_To_Default(TRABEX_SOURCE_DIR "/data", model), QString());
    EXPECT_EQ(model, Default_Beam_Model());
    EXPECT_TRUE(model.loads.isEmpty() && model.constraints.isEmpty());
    const Project_Stamp stamp{QStringLiteral("2.2.7"), QDateTime(QDate(2026, 12, 10), QTime(0, 0))};
    ASSERT_EQ(File_Save(Path(QStringLiteral("d.kvxd")), Default_Beam_Model(), stamp), QString());
    EXPECT_EQ(File_Bytes(Path(QStringLiteral("d.kvxd"))), File_Bytes(TRABEX_SOURCE_DIR "/data/Dflt_Data.kvxd"));
}

TEST_F(Project_File, Reads_On_Top_Replacing_Only_The_Tables_The_File_Holds_Records_Of)
{
    // Only scalars and an empty load block: every table stays.
    Put_File(Path(QStringLiteral("s.kvx")),
             Cp932_File({Project_Header, QStringLiteral("Beam Length        :0450.50,m"),
                         QStringLiteral("Minimum Step       :1.5E+2"), QStringLiteral("Cnsdr. OwnWeight   :1"),
                         QStringLiteral("<Load>"), QStringLiteral("<Load End>")}));
    BeamModel model = Golden_Model();
    ASSERT_EQ(Read_Project(Path(QStringLiteral("s.kvx")), model), QString());
    BeamModel expected = Golden_Model();
    expected.length = QStringLiteral("450.5");
    expected.length_unit = QStringLiteral("m");
    expected.element_count = QStringLiteral("150");
    expected.ranges[0].end = QStringLiteral("450.5"); // the base range follows the length
    EXPECT_EQ(model, expected);

    // The default data under a project with one material and one load: both replace.
    model = Golden_Model();
    ASSERT_EQ(Read_Project(TRABEX_SOURCE_DIR "/data/Dflt_Data.kvxd", model), QString());
    expected = Default_Beam_Model();
    expected.loads = Golden_Model().loads;          // its empty blocks leave them
    expected.constraints = Golden_Model().constraints;
    EXPECT_EQ(model, expected);
}

TEST_F(Project_File, Malformed_File_Leaves_The_Model_Unchanged_And_Says_Where)
{
    // Each case edits the golden file: replace line `at` (from 1) by `text`; an empty
    // `text` list cuts the file there.
    struct Case {
        const char* what;
        int at;
        QStringList text;
        int blamed_line;            // 0: the message names no line
    };
    QStringList seventy_loads;
    for (int i = 0; i < 65; ++i)
        seventy_loads << QStringLiteral("集中荷重(-);LFT,%1,mm;1,N").arg(i);
    const Case cases[] = {
        {"no header", 1, {QStringLiteral("<<Trabex>>")}, 1},
        {"length is text", 4, {QStringLiteral("Beam Length        :long,cm")}, 4},
        {"length not above 0", 4, {QStringLiteral("Beam Length        :-3,cm")}, 4},
        {"length without unit", 4, {QStringLiteral("Beam Length        :450")}, 4},
        {"element count is text", 5, {QStringLiteral("Minimum Step       :many")}, 5},
        {"self weight 2", 6, {QStringLiteral("Cnsdr. OwnWeight   :2")}, 6},
        {"range number skips", 13, {QStringLiteral("Prop.No.           :3")}, 13},
        {"range number is text", 13, {QStringLiteral("Prop.No.           :two")}, 13},
        {"portion of one field", 14, {QStringLiteral(" Portion           :100")}, 14},
        {"line shorter than a label", 27, {QStringLiteral("  E    :206,GPa")}, 27},
        {"value without unit", 27, {QStringLiteral("  E                :206GPa")}, 27},
        {"record start inside a record", 28, {QStringLiteral("Sect.Prop.No.      :1")}, 28},
        {"block marker inside a record", 19, {QStringLiteral("<Material End>")}, 19},
        {"record cut off at the end", 43, {}, 42},
        {"reference to a missing material", 15, {QStringLiteral(" Material/SectProp :3,2")}, 15},
        {"reference that is text", 15, {QStringLiteral(" Material/SectProp :1,x")}, 15},
        {"reference with a NUL", 15, {QStringLiteral(" Material/SectProp :1,2") + QChar(0) + QStringLiteral("x")}, 15},
        {"record number with a NUL", 13, {QStringLiteral("Prop.No.           :2") + QChar(0)}, 13},
        {"unknown load kind", 58, {QStringLiteral("集中荷重;LFT,150,mm;100,kg")}, 58},
        {"load of two cells", 58, {QStringLiteral("集中荷重(+);LFT,150,mm")}, 58},
        {"load from the middle", 58, {QStringLiteral("集中荷重(+);MID,150,mm;100,kg")}, 58},
        {"distributed load at one point", 59, {QStringLiteral("分布荷重(-);RHT,0,mm;2.5,N/mm")}, 59},
        {"load value without unit", 60, {QStringLiteral("モーメント(+);LFT,1.5,m;30")}, 60},
        {"more than 64 loads of a kind", 58, seventy_loads, 58 + 64},
        {"load block without end", 61, {QStringLiteral("<Load>"), QStringLiteral("x")}, 61},
        {"user flags out of place", 66, {QStringLiteral("ユーザ定義;LFT,2,cm,Rt,-,Tx")}, 66},
        {"unknown constraint kind", 64, {QStringLiteral("固定;LFT,0,mm")}, 64},
    };
    for (const Case& c : cases) {
        QStringList lines = Golden_Lines();
        ASSERT_GE(lines.size(), c.at) << c.what;
        if (c.text.isEmpty())
            lines = lines.mid(0, c.at - 1);
        else
            lines = lines.mid(0, c.at - 1) + c.text + lines.mid(c.at);
        const QString path = Path(QStringLiteral("bad.kvx"));
        Put_File(path, Cp932_File(lines));
        BeamModel model = Default_Beam_Model();
        const QString message = Read_Project(path, model);
        EXPECT_EQ(model, Default_Beam_Model()) << c.what;
        EXPECT_TRUE(message.contains(path)) << c.what << ": " << message.toStdString();
        if (c.blamed_line > 0) {
            EXPECT_TRUE(message.contains(QStringLiteral("line %1:").arg(c.blamed_line)))
                << c.what << ": " << message.toStdString();
        }
    }
}

TEST_F(Project_File, Unreadable_Huge_Or_Binary_File_Is_Refused_Quickly)
{
    const QString huge = Path(QStringLiteral("huge.kvx"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(100LL * 1024 * 1024)); // sparse: no 100 MB written
    }
    const QString garbage = Path(QStringLiteral("garbage.kvx"));
    QByteArray bytes = Encode_Cp932(Project_Header) + "\r\n";
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 256);
    Put_File(garbage, bytes);
    const QString undecodable = Path(QStringLiteral("sjis.kvx"));
    Put_File(undecodable, Encode_Cp932(Project_Header) + "\r\nSaved              :\x81\x20\r\n");

    for (const QString& path : {huge, garbage, undecodable, Path(QStringLiteral("missing.kvx")), dir.path()}) {
        BeamModel model = Golden_Model();
        const QString message = Read_Project(path, model);
        EXPECT_TRUE(message.contains(path)) << path.toStdString() << ": " << message.toStdString();
        EXPECT_EQ(model, Golden_Model()) << path.toStdString();
    }
}

TEST_F(Project_File, Failed_Save_Says_Why_And_Leaves_The_Old_File)
{
    Put_File(Path(QStringLiteral("plain")), "a regular file");
    const QString cannot_create[] = {
        Path(QStringLiteral("plain/a.kvx")),              // parent is a regular file
        Path(QStringLiteral("no/such/folder/a.kvx")),
        dir.path(),                                       // a directory
    };
    for (const QString& path : cannot_create) {
        const QString message = File_Save(path, Golden_Model(), Golden_Stamp());
        EXPECT_TRUE(message.contains(path)) << message.toStdString();
    }

    const QString old_file = Path(QStringLiteral("old.kvx"));
    ASSERT_EQ(File_Save(old_file, Golden_Model(), Golden_Stamp()), QString());
    BeamModel bad_text = Golden_Model();
    bad_text.loads[1].value = QStringLiteral("2.5;N/mm");        // would split into four cells
    BeamModel bad_name = Golden_Model();
    bad_name.materials[1].name = QStringLiteral("Ölbronze");      // no code page 932 character for Ö
    BeamModel bad_break = Golden_Model();
    bad_break.sections[1].name = QStringLiteral("two\nlines");
    for (const BeamModel& model : {bad_text, bad_name, bad_break}) {
        EXPECT_FALSE(File_Save(old_file, model, Golden_Stamp()).isEmpty());
        EXPECT_EQ(File_Bytes(old_file), File_Bytes(Golden_File));
    }
}

TEST_F(Project_File, Current_Path_Follows_Open_Save_As_And_New)
{
    const QString program = Path(QStringLiteral("program"));
    QDir().mkpath(program);
    ASSERT_TRUE(QFile::copy(TRABEX_SOURCE_DIR "/data/Dflt_Data.kvxd", program + QStringLiteral("/Dflt_Data.kvxd")));
    const auto recent = [&] { return List_Load(program, true); };

    Project_Session session;
    EXPECT_TRUE(Reset_New(session, program).isEmpty());
    EXPECT_EQ(session.model, Default_Beam_Model());
    EXPECT_TRUE(Save_Needs_Name(session));

    EXPECT_TRUE(Open_Project(session, program, Golden_File).isEmpty());
    EXPECT_EQ(session.model, Golden_Model());
    EXPECT_EQ(session.current_path, Golden_File);
    EXPECT_EQ(recent(), QStringList{Golden_File});

    // A file that cannot be read leaves the default data and nothing Save could overwrite.
    const QString bad = Path(QStringLiteral("bad.kvx"));
    Put_File(bad, "not a project");
    EXPECT_EQ(Open_Project(session, program, bad).size(), 1);
    EXPECT_EQ(session.model, Default_Beam_Model());
    EXPECT_TRUE(Save_Needs_Name(session));
    EXPECT_EQ(recent(), QStringList{Golden_File});

    // Opening from the recent list does not add to it; a cancelled chooser keeps the model.
    EXPECT_TRUE(Open_Project(session, program, Golden_File, false).isEmpty());
    EXPECT_TRUE(Open_Project(session, program, QString()).isEmpty());
    EXPECT_EQ(session.model, Golden_Model());
    EXPECT_TRUE(Save_Needs_Name(session));

    EXPECT_FALSE(Save_Project_As(session, program, Path(QStringLiteral("none/x.kvx"))).isEmpty());
    EXPECT_TRUE(Save_Needs_Name(session));
    const QString saved = Path(QStringLiteral("saved.kvx"));
    EXPECT_EQ(Save_Project_As(session, program, saved), QString());
    EXPECT_EQ(session.current_path, saved);
    EXPECT_EQ(recent(), (QStringList{saved, Golden_File}));
    session.model.element_count = QStringLiteral("300");
    EXPECT_EQ(Save_Project(session), QString());
    BeamModel read = Default_Beam_Model();
    ASSERT_EQ(Read_Project(saved, read), QString());
    EXPECT_EQ(read, session.model);

    EXPECT_TRUE(Reset_New(session, program).isEmpty());
    EXPECT_TRUE(Save_Needs_Name(session));
    EXPECT_FALSE(Save_Project(session).isEmpty());
}

TEST_F(Project_File, Missing_Default_Data_Falls_Back_To_The_Built_In_Defaults)
{
    BeamModel model = Golden_Model();
    const QString message = Reset_To_Default(dir.path(), model);
    EXPECT_TRUE(message.contains(QStringLiteral("Dflt_Data.kvxd"))) << message.toStdString();
    EXPECT_EQ(model, Default_Beam_Model());
}

} // namespace
