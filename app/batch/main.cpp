// trabex-batch PROJECT.kvx [--csv OUT.csv] [--input OUT.dat] [--result OUT.dat]
#include <cstdio>

#include <QCoreApplication>
#include <QTextStream>

#include "batch/batch.h"
#include "model/program_version.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(Program_Version_Text());
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return Batch_Main(arguments, QCoreApplication::applicationDirPath(), out, err);
}
