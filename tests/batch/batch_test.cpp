// The built trabex-batch, as a script would call it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString Program = QStringLiteral(TRABEX_PROGRAM_DIR "/trabex-batch");
const QString Examples = QStringLiteral(TRABEX_SOURCE_DIR "/examples/");

struct Batch_Run {
    int status = -1;
    QString out, err;
};

QProcess* Start(const QStringList& arguments)
{
    auto* process = new QProcess;
    process->start(Program, arguments);
    return process;
}

Batch_Run Finish(QProcess* process)
{
    process->waitForFinished(60000);
    Batch_Run run{process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                  QString::fromUtf8(process->readAllStandardOutput()), QString::fromUtf8(process->readAllStandardError())};
    delete process;
    return run;
}

Batch_Run Run_Batch(const QStringList& arguments) { return Finish(Start(arguments)); }

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(Trabex_Batch, Prints_The_Result_Table_And_Keeps_The_Requested_Files)
{
    const QTemporaryDir out;
    const Batch_Run run = Run_Batch({Examples + QStringLiteral("simply_supported.kvx"), QStringLiteral("--csv"),
                               out.filePath(QStringLiteral("r.csv")), QStringLiteral("--input"),
                               out.filePath(QStringLiteral("in.dat")), QStringLiteral("--result"),
                               out.filePath(QStringLiteral("out.dat"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList rows = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[3], QStringLiteral("最大変位\t9.92063e-2\tmm"));
    EXPECT_EQ(rows[6], QStringLiteral("最大モーメント\t2.45166e+5\tN-mm"));

    const QByteArray input = Read(out.filePath(QStringLiteral("in.dat")));
    const QByteArray result = Read(out.filePath(QStringLiteral("out.dat")));
    EXPECT_TRUE(input.contains("\r\nSTART BULK\r\n"));
    EXPECT_TRUE(result.startsWith(input));
    EXPECT_TRUE(result.contains("\r\nRE_FORCE,15,0,"));
    const QByteArray csv = Read(out.filePath(QStringLiteral("r.csv")));
    EXPECT_EQ(csv.count("\r\n"), 2 + 15);  // header, units, one row per node
    // The shared program directory is never used for the exchange files.
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(TRABEX_PROGRAM_DIR "/Solver/kvanpre.dat")));
}

TEST(Trabex_Batch, Runs_At_The_Same_Time_Do_Not_Disturb_Each_Other)
{
    QList<QProcess*> processes;
    const QStringList names{QStringLiteral("simply_supported.kvx"), QStringLiteral("cantilever.kvx")};
    for (int i = 0; i < 6; ++i)
        processes << Start({Examples + names[i % 2]});
    QStringList outputs;
    for (QProcess* process : processes) {
        const Batch_Run run = Finish(process);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        outputs << run.out;
    }
    for (int i = 2; i < outputs.size(); ++i)
        EXPECT_EQ(outputs[i], outputs[i % 2]);
    EXPECT_NE(outputs[0], outputs[1]);
}

TEST(Trabex_Batch, Failures_Have_Their_Own_Status_And_Messages)
{
    const QTemporaryDir dir;
    // Without supports: the support check refuses the model after the input file is written.
    const QString unsupported = dir.filePath(QStringLiteral("unsupported.kvx"));
    {
        QFile file(unsupported);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Read(Examples + QStringLiteral("cantilever.kvx")).replace(
            QByteArray("\x8a\xae\x91\x53\x8d\x53\x91\xa9;LFT,0,mm\r\n"), QByteArray()));  // "完全拘束" in code page 932
    }
    const Batch_Run check = Run_Batch({unsupported, QStringLiteral("--input"), dir.filePath(QStringLiteral("in.dat"))});
    EXPECT_EQ(check.status, 1);
    EXPECT_FALSE(check.err.isEmpty());
    EXPECT_TRUE(check.out.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("in.dat"))));

    EXPECT_EQ(Run_Batch({dir.filePath(QStringLiteral("missing.kvx"))}).status, 3);
    EXPECT_EQ(Run_Batch({}).status, 4);
    EXPECT_EQ(Run_Batch({Examples + QStringLiteral("cantilever.kvx"), QStringLiteral("--csv")}).status, 4);
}
