// Reader of the analysis input file.
#pragma once

#include <filesystem>
#include <string_view>

#include "public_parameter.h"

namespace kelvane {

// Tables never grow past this many entries: a record that would need more
// counts as exhausted memory, a reading failure, instead of allocating it.
// It is twice the largest node count that the 16-bit degree-of-freedom count allows.
constexpr long long Table_Limit = 65536;

void Read_Input(Solver_State& state, const std::filesystem::path& input_path);

// The reading itself, on the bytes of the file.
void Read_Input_Text(Solver_State& state, std::string_view text);

}  // namespace kelvane
