// Meshing and writing the analysis input file for the largest model the window can
// produce: element count 1500 and 64 entries of every load and support kind.

#include "analysis/input_file.h"
#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "largest_model.h"
#include "model/beam_model.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void Mesh_And_Write_Input(benchmark::State& state)
{
    const BeamModel model = Largest_Model();
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kvanpre.dat"));
    const Project_Stamp stamp{QStringLiteral("2.2.7"), QDateTime::currentDateTime()};
    int nodes = 0;
    for (auto _ : state) {
        Run_Log log;
        const NodeTable table = Write_Analysis_Input(model, path, log, stamp);
        if (log.Failed())
            state.SkipWithError(log.messages.join(QStringLiteral(" ")).toStdString().c_str());
        nodes = table.Node_Count();
    }
    state.counters["nodes"] = nodes;
}
BENCHMARK(Mesh_And_Write_Input)->Unit(benchmark::kMillisecond);

// The lines of the file alone, without encoding and writing, for the breakdown.
void Input_Lines(benchmark::State& state)
{
    const BeamModel model = Largest_Model();
    const QTemporaryDir dir;
    Run_Log log;
    const Project_Stamp stamp{QStringLiteral("2.2.7"), QDateTime::currentDateTime()};
    const NodeTable table = Write_Analysis_Input(model, dir.filePath(QStringLiteral("kvanpre.dat")), log, stamp);
    for (auto _ : state)
        benchmark::DoNotOptimize(Input_File_Lines(model, table, stamp));
}
BENCHMARK(Input_Lines)->Unit(benchmark::kMillisecond);

} // namespace
