// Solution driver: load vector, assembly with supports, equation solution, recovery.
#pragma once

#include <cstdint>

#include "public_parameter.h"

namespace kelvane {

constexpr double Penalty = 1E+20;

void Solve_Beam(Solver_State& state);

// Clears row and column d of the element matrix and puts the penalty on its diagonal.
void Fix_DOF(Solver_State& state, std::int16_t d, std::int16_t element);

}  // namespace kelvane
