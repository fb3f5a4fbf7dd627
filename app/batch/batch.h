// trabex-batch: opens a project, runs the analysis as the run command does and
// prints the result table, without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

enum Batch_Status : int {
    Batch_Solved = 0,
    Batch_Check_Failed = 1,    // a check refused the model; its messages were printed
    Batch_Run_Failed = 2,      // the solver could not be run or gave no results
    Batch_Bad_Project = 3,     // the project file could not be read
    Batch_Usage = 4,           // wrong arguments
    Batch_Write_Failed = 5,    // a requested copy or export could not be written
};

// arguments without the program name; program_dir holds Solver/Kelvane-1D and the data files.
int Batch_Main(const QStringList& arguments, const QString& program_dir, QTextStream& out, QTextStream& err);
