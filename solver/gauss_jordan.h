// Elimination without pivoting over the band of the global matrix.
#pragma once

#include "public_parameter.h"

namespace kelvane {

// Solves K_Global · Disp_Vector = Load_Vector in place (both are consumed).
// A pivot of exactly 0 or a result that is not finite gives Pls_Code 4.
void Eliminate(Solver_State& state);

}  // namespace kelvane
