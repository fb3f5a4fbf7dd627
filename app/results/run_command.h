// The run command without its window: check, write the input file, run the
// solver, import its results and delete the exchange files.
#pragma once

#include <functional>

#include <QString>

#include "analysis/check_data.h"
#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "analysis/solver_run.h"
#include "model/beam_model.h"
#include "model/settings_file.h"
#include "results/import_results.h"
#include "results/result_grid.h"

// Where the window goes after a run.
enum class Run_End {
    Placement_Failed,  // "条件設定", on the editing tab Check_Data names
    Data_Failed,       // "条件設定", "材質・断面特性"
    Solved,            // results imported: CalcReqd_Frame hidden
    Not_Solved,        // the solver failed or could not start: the results stay covered
};

struct Run_Outcome {
    Run_Log log;  // the flag and every message to show, in order
    Run_End end = Run_End::Not_Solved;
    Editing_Tab tab = Editing_Tab::None;
};

// What the last run left for the result views; the previous results stay when an import fails.
struct Run_Results {
    NodeTable nodes;
    Result_State state;
    Result_Grid grid = SetUpResultGrid();
};

struct Run_Hooks {
    // Runs the solver to its end; a window puts in a wait that keeps it painting.
    std::function<void(const QString& program_dir, Run_Log& log)> run_solver = Run_Solver;
    // Called with both exchange paths after the import and before they are deleted,
    // for callers that keep copies.
    std::function<void(const QString& input_path, const QString& result_path)> before_cleanup;
};

Run_Outcome Run_Command(const BeamModel& model, const QString& program_dir, const Settings& settings,
                        Run_Results& results, const Run_Hooks& hooks = {});
