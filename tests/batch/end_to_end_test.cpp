// Projects as a user enters them, through the run command's core and the built solver.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "analysis/solver_run.h"
#include "batch/batch.h"
#include "model/project_file.h"
#include "results/run_command.h"

namespace {

const QString Program_Dir = QStringLiteral(TRABEX_PROGRAM_DIR);
const QString Examples = QStringLiteral(TRABEX_SOURCE_DIR "/examples/");

// A private program directory: the solver and the default data, nothing shared.
struct Private_Program_Dir {
    QTemporaryDir dir;
    Private_Program_Dir()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Solver"));
        QFile::copy(Solver_Program_Path(Program_Dir), Solver_Program_Path(dir.path()));
        QFile::copy(Program_Dir + QStringLiteral("/Dflt_Data.kvxd"), dir.filePath(QStringLiteral("Dflt_Data.kvxd")));
    }
    QString Path() const { return dir.path(); }
};

BeamModel Open(const QString& name)
{
    BeamModel model;
    EXPECT_EQ(Reset_To_Default(Program_Dir, model), QString());
    EXPECT_EQ(Read_Project(Examples + name, model), QString());
    return model;
}

int Node_At(const NodeTable& nodes, double x)
{
    for (int i = 0; i < int(nodes.nodes.size()); ++i)
        if (nodes.nodes[i].x == x)
            return i;
    ADD_FAILURE() << "no node at " << x;
    return 0;
}

const double Kgf = 9.806659;  // N per kgf of forces and moments

}  // namespace

TEST(End_To_End, Simply_Supported_Beam)
{
    const Private_Program_Dir dir;
    Run_Results results;
    const Run_Outcome outcome = Run_Command(Open(QStringLiteral("simply_supported.kvx")), dir.Path(), Settings{}, results);
    ASSERT_EQ(outcome.end, Run_End::Solved) << outcome.log.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(outcome.log.messages.isEmpty());

    QList<double> positions;
    for (const auto& node : results.nodes.nodes)
        positions << node.x;
    EXPECT_EQ(positions, (QList<double>{0, 5, 100, 200, 300, 400, 495, 500, 505, 600, 700, 800, 900, 995, 1000}));

    const ResultSet& r = results.state.results;
    const int middle = Node_At(results.nodes, 500);
    EXPECT_NEAR(r.deflection[middle], -0.0992063, 0.00000005);
    EXPECT_NEAR(r.bending_moment[middle], 25000 * Kgf, 1E-3);
    EXPECT_NEAR(r.bending_stress[middle], 2.5 * 9.80665, 1E-6);
    EXPECT_NEAR(r.shear_force[Node_At(results.nodes, 400)], 50 * Kgf, 1E-6);
    EXPECT_NEAR(r.shear_force[Node_At(results.nodes, 600)], -50 * Kgf, 1E-6);
    EXPECT_NEAR(r.reaction_force.front(), -50 * Kgf, 1E-6);
    EXPECT_NEAR(r.reaction_force.back(), -50 * Kgf, 1E-6);
    EXPECT_EQ(r.shear_force.front(), 0);
    EXPECT_EQ(r.bending_moment.back(), 0);

    EXPECT_EQ(results.grid.cells[3][Column_Value], QStringLiteral("9.92063e-2"));  // the largest deflection, mm
    EXPECT_EQ(results.grid.cells[6][Column_Value], QStringLiteral("2.45166e+5"));  // the largest moment, N-mm
    // After a successful run neither exchange file is left.
    EXPECT_FALSE(QFileInfo::exists(Input_File_Path(dir.Path())));
    EXPECT_FALSE(QFileInfo::exists(Result_File_Path(dir.Path())));
}

TEST(End_To_End, Cantilever)
{
    const Private_Program_Dir dir;
    Run_Results results;
    ASSERT_EQ(Run_Command(Open(QStringLiteral("cantilever.kvx")), dir.Path(), Settings{}, results).end, Run_End::Solved);
    EXPECT_EQ(results.nodes.nodes.size(), 8u);
    const ResultSet& r = results.state.results;
    EXPECT_NEAR(r.reaction_force.front(), -100 * Kgf, 1E-6);
    EXPECT_NEAR(r.reaction_moment.front(), -99000 * Kgf, 1E-3);
    EXPECT_EQ(r.shear_force.front(), 0);
    EXPECT_EQ(r.bending_moment.front(), 0);
}

TEST(End_To_End, Every_Example_Opens_And_Runs)
{
    for (const QString& name : QDir(Examples).entryList({QStringLiteral("*.kvx")})) {
        SCOPED_TRACE(name.toStdString());
        const Private_Program_Dir dir;
        Run_Results results;
        const Run_Outcome outcome = Run_Command(Open(name), dir.Path(), Settings{}, results);
        EXPECT_EQ(outcome.end, Run_End::Solved) << outcome.log.messages.join(QLatin1Char('\n')).toStdString();
        EXPECT_GT(results.state.extremes.max_deflection, 0);
    }
}

TEST(End_To_End, A_Missing_Solver_Leaves_The_Previous_Results_And_No_Files)
{
    const Private_Program_Dir dir;
    Run_Results results;
    ASSERT_EQ(Run_Command(Open(QStringLiteral("cantilever.kvx")), dir.Path(), Settings{}, results).end, Run_End::Solved);
    const Run_Results before = results;

    QFile::remove(Solver_Program_Path(dir.Path()));
    const Run_Outcome outcome = Run_Command(Open(QStringLiteral("simply_supported.kvx")), dir.Path(), Settings{}, results);
    EXPECT_EQ(outcome.end, Run_End::Not_Solved);
    EXPECT_EQ(outcome.log.messages.size(), 1);
    EXPECT_EQ(results.state, before.state);
    EXPECT_FALSE(QFileInfo::exists(Input_File_Path(dir.Path())));
}
