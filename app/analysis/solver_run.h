#pragma once

#include "analysis/run_log.h"

#include <QString>
#include <QtGlobal>

// Paths below a program directory: the two exchange files and the solver beside them.
QString Input_File_Path(const QString& program_dir);
QString Result_File_Path(const QString& program_dir);
QString Solver_Program_Path(const QString& program_dir);

// Starts the program at `command` with no arguments and waits, without a time limit,
// for its end. The window style has no effect: the solver opens no window. Returns an
// empty text, or the message to show when the program could not be started.
QString Shell_And_Wait(const QString& command, qint16 style);

// Runs the solver of the program directory to its end. A solver that is missing or
// cannot be started is logged; both exchange files are then deleted, since no result
// can follow the input just written.
void Run_Solver(const QString& program_dir, Run_Log& log);

// Deletes the input file, then the result file; failures are ignored.
void Delete_Exchange_Files(const QString& program_dir);
