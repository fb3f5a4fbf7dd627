#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

#include "analysis/node_table.h"
#include "model/settings_file.h"
#include "results/result_grid.h"
#include "results/result_set.h"

// What the result views, read-outs and exports work on until the next successful import.
struct Result_State {
    ResultSet results;
    ResultExtremes extremes;
    bool operator==(const Result_State&) const = default;
};

// Reads the solver's result file for the mesh `nodes`: the per-node records converted to
// N, N-mm, MPa and mm, moments and shear forces times the signs of the settings (a sign
// other than 1 counts as -1, as the settings dialog reads it), with the derived shear
// stress and safety factors. Nothing on any failure (missing file, an error file, a
// record out of order or beyond the mesh, a record count other than the node count, a
// zero area, a value that is not finite); a failure has no message.
std::optional<ResultSet> ReadResultFile(const QString& path, const NodeTable& nodes, const Settings& settings);
// The same on lines already read.
std::optional<ResultSet> Read_Result_Lines(const QStringList& lines, const NodeTable& nodes, const Settings& settings);

ResultExtremes ComputeExtremes(const ResultSet& results);

// The import after a solver run. On success replaces `state`, writes the extremes into
// `grid` and returns true. On failure sets `run_failure_flag` to -1 and leaves `state` and
// `grid` as they were, so the views keep showing complete results of the earlier run.
bool ImportResults(const QString& path, const NodeTable& nodes, const Settings& settings, Result_State& state,
                   Result_Grid& grid, qint16& run_failure_flag);
