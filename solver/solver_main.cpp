#include "solver_main.h"

#include <system_error>

#include "public_parameter.h"
#include "read.h"
#include "solver.h"
#include "write.h"

namespace kelvane {

int Solver_Main(const std::filesystem::path& program_dir)
{
    Solver_State state;
    std::filesystem::path input_path, result_path;
    Failure_Number failure_number = Failure_Number::None;
    try {
        input_path = program_dir / "kvanpre.dat";
        result_path = program_dir / "kvanpst.dat";
        state.DOF_Per_Node = 3;

        Read_Input(state, input_path);
        if (state.Pls_Code == No_Failure)
            Solve_Beam(state);
        if (state.Pls_Code == No_Failure)
            Write_Results(state, input_path, result_path);
        if (state.Pls_Code == No_Failure)
            return Exit_Results;
    } catch (...) {
        failure_number = Failure_Number_Of(std::current_exception());
    }

    if (Write_Error_File(input_path, result_path, state.Pls_Code, failure_number))
        return Exit_Error_File;

    // A result file of an earlier run must not pass for this run's.
    std::error_code ignored;
    std::filesystem::remove(result_path, ignored);
    return Exit_No_Output;
}

}  // namespace kelvane
