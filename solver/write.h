// Writer of the analysis result file and of the error file.
#pragma once

#include <filesystem>
#include <string>

#include "public_parameter.h"

namespace kelvane {

void Write_Results(Solver_State& state, const std::filesystem::path& input_path,
                   const std::filesystem::path& result_path);

// The five result sections appended to the copy of the input file; fills Stress_Vector.
std::string Result_Sections(Solver_State& state);

// The input file followed by the error lines; false when even that cannot be written.
bool Write_Error_File(const std::filesystem::path& input_path, const std::filesystem::path& result_path,
                      std::int16_t pls_code, Failure_Number failure_number);

std::string Error_Lines(std::int16_t pls_code, Failure_Number failure_number);

}  // namespace kelvane
