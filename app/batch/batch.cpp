#include "batch/batch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "analysis/solver_run.h"
#include "model/project_file.h"
#include "model/settings_file.h"
#include "results/csv_export.h"
#include "results/export_table.h"
#include "results/run_command.h"

namespace {

const QString Usage = QStringLiteral("usage: trabex-batch PROJECT.kvx [--csv OUT.csv] [--input OUT.dat] [--result OUT.dat]");

struct Batch_Options {
    QString project, csv, input, result;
};

bool Parse_Options(const QStringList& arguments, Batch_Options& options)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString* target = argument == QLatin1String("--csv")      ? &options.csv
                          : argument == QLatin1String("--input")  ? &options.input
                          : argument == QLatin1String("--result") ? &options.result
                                                                  : nullptr;
        if (target) {
            if (++i == arguments.size() || !target->isEmpty())
                return false;
            *target = arguments[i];
        } else if (argument.startsWith(QLatin1String("--")) || !options.project.isEmpty()) {
            return false;
        } else {
            options.project = argument;
        }
    }
    return !options.project.isEmpty();
}

// A private program directory with its own copy of the solver, so that runs at the
// same time never share exchange files.
bool Make_Private_Program_Dir(const QString& program_dir, const QTemporaryDir& dir)
{
    return dir.isValid() && QDir(dir.path()).mkpath(QStringLiteral("Solver")) &&
           QFile::copy(Solver_Program_Path(program_dir), Solver_Program_Path(dir.path()));
}

// Copies an exchange file before the run deletes it; a file that is absent is not an error.
bool Keep_Copy(const QString& from, const QString& to)
{
    if (to.isEmpty() || !QFileInfo::exists(from))
        return true;
    QFile::remove(to);
    return QFile::copy(from, to);
}

void Print_Table(const Result_Grid& grid, QTextStream& out)
{
    for (const auto& row : grid.cells) {
        out << row[Column_Item] << '\t' << row[Column_Value] << '\t' << row[Column_Unit];
        if (!row[Column_Remark].isEmpty())
            out << '\t' << row[Column_Remark];
        out << '\n';
    }
}

}  // namespace

int Batch_Main(const QStringList& arguments, const QString& program_dir, QTextStream& out, QTextStream& err)
{
    Batch_Options options;
    if (!Parse_Options(arguments, options)) {
        err << Usage << '\n';
        return Batch_Usage;
    }

    BeamModel model;
    const QString default_message = Reset_To_Default(program_dir, model);
    if (!default_message.isEmpty())
        err << default_message << '\n';
    const QString open_message = Read_Project(options.project, model);
    if (!open_message.isEmpty()) {
        err << open_message << '\n';
        return Batch_Bad_Project;
    }

    const QTemporaryDir private_dir;
    if (!Make_Private_Program_Dir(program_dir, private_dir)) {
        err << QStringLiteral("解析プログラムが見つかりません。(%1)").arg(Solver_Program_Path(program_dir)) << '\n';
        return Batch_Run_Failed;
    }

    bool copies_written = true;
    Run_Hooks hooks;
    hooks.before_cleanup = [&](const QString& input_path, const QString& result_path) {
        copies_written = Keep_Copy(input_path, options.input) && Keep_Copy(result_path, options.result);
    };
    Run_Results results;
    const Run_Outcome outcome = Run_Command(model, private_dir.path(), Read_Settings(program_dir), results, hooks);
    for (const QString& message : outcome.log.messages)
        err << message << '\n';
    if (outcome.end == Run_End::Data_Failed && !options.input.isEmpty())
        copies_written = Keep_Copy(Input_File_Path(private_dir.path()), options.input);

    if (!copies_written) {
        err << QStringLiteral("cannot write the copies of the exchange files") << '\n';
        return Batch_Write_Failed;
    }
    if (outcome.end == Run_End::Placement_Failed || outcome.end == Run_End::Data_Failed)
        return Batch_Check_Failed;
    if (outcome.end != Run_End::Solved) {
        err << QStringLiteral("no results: the solver failed (see its error file with --result)") << '\n';
        return Batch_Run_Failed;
    }

    Print_Table(results.grid, out);
    if (!options.csv.isEmpty()) {
        // The units of a freshly opened project: the result table's, MAT1's and SCT1's.
        const Export_Units units{model.length_unit, Grid_Result_Units(results.grid),
                                 Property_Units_Of(model.materials.first(), model.sections.first())};
        const Csv_Export_Outcome exported = ExportResultsToCsv(options.csv, results.nodes, results.state.results, units);
        if (!exported.ok) {
            err << exported.message << '\n';
            return Batch_Write_Failed;
        }
    }
    return Batch_Solved;
}
