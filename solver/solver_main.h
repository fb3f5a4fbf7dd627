// The run sequence of Kelvane-1D.
#pragma once

#include <filesystem>

namespace kelvane {

// Exit statuses; Trabex does not look at them, scripts may.
enum Exit_Status : int {
    Exit_Results = 0,        // the result file was written
    Exit_Error_File = 1,     // a stage failed; the error file was written
    Exit_No_Output = 2,      // not even the error file could be written (input missing, result path unwritable)
};

// Reads "kvanpre.dat" and writes "kvanpst.dat", both in the program directory.
int Solver_Main(const std::filesystem::path& program_dir);

}  // namespace kelvane
