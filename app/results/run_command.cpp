#include "results/run_command.h"

#include "analysis/input_file.h"

Run_Outcome Run_Command(const BeamModel& model, const QString& program_dir, const Settings& settings,
                        Run_Results& results, const Run_Hooks& hooks)
{
    Run_Outcome outcome;
    outcome.tab = Check_Data(model, outcome.log);
    if (outcome.log.Failed()) {
        outcome.end = Run_End::Placement_Failed;
        return outcome;
    }

    results.grid = SetUpResultGrid();
    NodeTable nodes = Write_Analysis_Input(model, Input_File_Path(program_dir), outcome.log);
    if (outcome.log.Failed()) {
        // The input file stays until the next deletion of the exchange files.
        outcome.end = Run_End::Data_Failed;
        return outcome;
    }

    hooks.run_solver(program_dir, outcome.log);
    // The results and the mesh they belong to change together, only on success.
    if (!outcome.log.Failed() &&
        ImportResults(Result_File_Path(program_dir), nodes, settings, results.state, results.grid, outcome.log.flag))
        results.nodes = std::move(nodes);
    outcome.end = outcome.log.Failed() ? Run_End::Not_Solved : Run_End::Solved;

    if (hooks.before_cleanup)
        hooks.before_cleanup(Input_File_Path(program_dir), Result_File_Path(program_dir));
    Delete_Exchange_Files(program_dir);
    return outcome;
}
