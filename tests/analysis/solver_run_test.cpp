#include "analysis/solver_run.h"

#include "analysis/check_data.h"
#include "analysis_fixture.h"
#include "model/text_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A private program directory with its Solver folder, holding the given solver file.
struct Program_Dir {
    QTemporaryDir dir;
    QString path = dir.path();

    Program_Dir() { QDir(path).mkpath(QStringLiteral("Solver")); }

    void Put(const QString& file, const QByteArray& bytes = "x") const
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Install_Solver() const
    {
        const QString built = QStringLiteral(TRABEX_PROGRAM_DIR "/Solver/Kelvane-1D");
        ASSERT_TRUE(QFile::exists(built)) << "build the target Kelvane-1D first";
        ASSERT_TRUE(QFile::copy(built, Solver_Program_Path(path)));
    }
    bool Has(const QString& file) const { return QFile::exists(file); }
};

int Records_Named(const QStringList& lines, const QString& name)
{
    int count = 0;
    for (const QString& line : lines)
        count += line.startsWith(name + QLatin1Char(','));
    return count;
}

TEST(Solver_Run, a_solver_that_cannot_be_started_is_reported_and_the_exchange_files_go)
{
    struct Case {
        const char* name;
        bool put_file;
        QString message_start;
    };
    const Case cases[] = {
        {"missing", false, QStringLiteral("解析プログラムが見つかりません。(")},
        {"not executable", true, QStringLiteral("解析プログラムを起動できません。(")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Program_Dir program;
        program.Put(Input_File_Path(program.path));
        program.Put(Result_File_Path(program.path));
        if (c.put_file) {
            program.Put(Solver_Program_Path(program.path), "not a program");
            QFile::setPermissions(Solver_Program_Path(program.path), QFile::ReadOwner | QFile::WriteOwner);
        }
        Run_Log log;
        Run_Solver(program.path, log);
        EXPECT_EQ(log.flag, -1);
        ASSERT_EQ(log.messages.size(), 1);
        EXPECT_TRUE(log.messages[0].startsWith(c.message_start)) << log.messages[0].toStdString();
        EXPECT_TRUE(log.messages[0].contains(QStringLiteral("Kelvane-1D")));
        EXPECT_FALSE(program.Has(Input_File_Path(program.path)));
        EXPECT_FALSE(program.Has(Result_File_Path(program.path)));
    }
}

// The 1000 mm beam with count 30 puts its last uniform node 1E-13 beyond the right-end
// support; written as one place, the solver must get one node there and solve.
TEST(Solver_Run, beam_whose_uniform_end_node_misses_the_support_by_rounding_solves)
{
    const Program_Dir program;
    program.Install_Solver();
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("30"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
    Run_Log log;
    ASSERT_EQ(Check_Data(model, log), Editing_Tab::None);
    const NodeTable table = Write_Analysis_Input(model, Input_File_Path(program.path), log);
    ASSERT_EQ(log.flag, 0) << log.messages.join(QStringLiteral("\n")).toStdString();
    Run_Solver(program.path, log);
    EXPECT_EQ(log.flag, 0);
    const Text_Lines_Result result = Read_Text_Lines(Result_File_Path(program.path));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(Records_Named(result.lines, QStringLiteral("DEF")), table.Node_Count());
    EXPECT_EQ(Records_Named(result.lines, QStringLiteral("RE_FORCE")), 2);

    Delete_Exchange_Files(program.path);
    EXPECT_FALSE(program.Has(Input_File_Path(program.path)));
    EXPECT_FALSE(program.Has(Result_File_Path(program.path)));
    EXPECT_TRUE(program.Has(Solver_Program_Path(program.path)));
}

TEST(Solver_Run, input_of_a_failed_data_check_stays_until_the_next_deletion)
{
    const Program_Dir program;
    BeamModel model = Beam(QStringLiteral("1000"), QStringLiteral("10"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
    model.constraints = {Support(ConstraintKind::Simple, QStringLiteral("LFT,0,mm"))};
    Run_Log log;
    ASSERT_EQ(Check_Data(model, log), Editing_Tab::None);
    Write_Analysis_Input(model, Input_File_Path(program.path), log);
    EXPECT_EQ(log.flag, -1);
    EXPECT_TRUE(program.Has(Input_File_Path(program.path)));
    EXPECT_FALSE(program.Has(Result_File_Path(program.path)));
    Delete_Exchange_Files(program.path);
    EXPECT_FALSE(program.Has(Input_File_Path(program.path)));
}

} // namespace
