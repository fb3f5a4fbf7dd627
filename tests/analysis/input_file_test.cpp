#include "analysis/input_file.h"

#include "analysis_fixture.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes_Of(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two property ranges with their own material and section, every load kind group and
// a user-defined support, on few nodes.
BeamModel Small_Model()
{
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("4"));
    MaterialRecord aluminium{QStringLiteral("アルミ合金"), QStringLiteral("70"), QStringLiteral("GPa"),
                             QStringLiteral("175"), QStringLiteral("MPa"), QStringLiteral("100"),
                             QStringLiteral("MPa"), QStringLiteral("2.7"), QStringLiteral("g/cm^3")};
    SectionRecord square{QStringLiteral("角パイプ,50×50×2.3"), QStringLiteral("4.31"), QStringLiteral("cm^2"),
                         QStringLiteral("6.72"), QStringLiteral("cm^3"), QStringLiteral("16.9"),
                         QStringLiteral("cm^4"), QString(), QStringLiteral("kg/m")};
    model.materials.append(aluminium);
    model.sections.append(square);
    model.ranges.append({QStringLiteral("600"), QStringLiteral("1000"), QStringLiteral("MAT2"),
                         QStringLiteral("SCT2")});
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg")),
                   Load(LoadKind::Moment_Minus, QStringLiteral("RHT,25,cm"), QStringLiteral("50,kg-mm")),
                   Load(LoadKind::Press_Plus, QStringLiteral("LFT,100,200,mm"), QStringLiteral("0.5,kg/mm"))};
    model.constraints.append(Support(ConstraintKind::User_Defined, QStringLiteral("LFT,1,m,-,-,Rt")));
    return model;
}

TEST(Input_File, small_model_is_written_byte_for_byte)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const Project_Stamp stamp{QStringLiteral("2.2.7"), QDateTime(QDate(2026, 12, 10), QTime(11, 0, 0))};
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kvanpre.dat"));
    Run_Log log;
    Write_Analysis_Input(Small_Model(), path, log, stamp);
    EXPECT_EQ(log.flag, 0);
    EXPECT_TRUE(log.messages.isEmpty());
    const QByteArray written = Bytes_Of(path);
    const QByteArray golden = Bytes_Of(QStringLiteral(TEST_DATA_DIR "/small_model_input.dat"));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(written, golden) << written.toStdString();
}

TEST(Input_File, a_file_that_cannot_be_written_fails_the_run)
{
    const QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("Solver")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Run_Log log;
    const NodeTable table =
        Write_Analysis_Input(Small_Model(), dir.filePath(QStringLiteral("Solver/kvanpre.dat")), log);
    EXPECT_EQ(log.flag, -1);
    ASSERT_EQ(log.messages.size(), 1);
    EXPECT_TRUE(log.messages[0].startsWith(QStringLiteral("解析入力ファイルを書き込めませんでした。")));
    EXPECT_GT(table.Node_Count(), 0);  // the mesh is still there for the caller
}

} // namespace
