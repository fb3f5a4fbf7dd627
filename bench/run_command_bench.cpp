// The whole run command on the largest model the window can produce: checks, mesh,
// input file, Kelvane-1D, result import and the deletion of the exchange files.

#include "largest_model.h"
#include "analysis/solver_run.h"
#include "results/run_command.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void Run_Command_Largest_Model(benchmark::State& state)
{
    const BeamModel model = Largest_Model();
    const QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Solver"));
    QFile::copy(Solver_Program_Path(QStringLiteral(TRABEX_PROGRAM_DIR)), Solver_Program_Path(dir.path()));
    int nodes = 0;
    for (auto _ : state) {
        Run_Results results;
        const Run_Outcome outcome = Run_Command(model, dir.path(), Settings{}, results);
        if (outcome.end != Run_End::Solved)
            state.SkipWithError("the run did not solve");
        nodes = results.nodes.Node_Count();
    }
    state.counters["nodes"] = nodes;
}
BENCHMARK(Run_Command_Largest_Model)->Unit(benchmark::kMillisecond);

}  // namespace
