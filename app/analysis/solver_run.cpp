#include "analysis/solver_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

QString Input_File_Path(const QString& program_dir)
{
    return program_dir + QStringLiteral("/Solver/kvanpre.dat");
}

QString Result_File_Path(const QString& program_dir)
{
    return program_dir + QStringLiteral("/Solver/kvanpst.dat");
}

QString Solver_Program_Path(const QString& program_dir)
{
#ifdef Q_OS_WIN
    return program_dir + QStringLiteral("/Solver/Kelvane-1D.exe");
#else
    return program_dir + QStringLiteral("/Solver/Kelvane-1D");
#endif
}

QString Shell_And_Wait(const QString& command, [[maybe_unused]] qint16 style)
{
    const QString shown = QDir::toNativeSeparators(command);
    if (!QFileInfo(command).isFile())
        return QStringLiteral("解析プログラムが見つかりません。(%1)").arg(shown);
    QProcess process;
    process.setProgram(command);
    process.setArguments({});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1))
        return QStringLiteral("解析プログラムを起動できません。(%1)\n%2").arg(shown, process.errorString());
    process.waitForFinished(-1);
    return {};
}

void Run_Solver(const QString& program_dir, Run_Log& log)
{
    const QString message = Shell_And_Wait(Solver_Program_Path(program_dir), 1);
    if (message.isEmpty())
        return;
    log.Fail(message);
    Delete_Exchange_Files(program_dir);
}

void Delete_Exchange_Files(const QString& program_dir)
{
    QFile::remove(Input_File_Path(program_dir));
    QFile::remove(Result_File_Path(program_dir));
}
