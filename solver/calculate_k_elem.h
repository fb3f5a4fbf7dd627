// Stiffness matrix of one plane beam element with axial stiffness.
#pragma once

#include <cstdint>

#include "public_parameter.h"

namespace kelvane {

// Fills K_Elem of the element. G, Iy and J belong to a spatial frame and are
// not used by the plane analysis.
void Element_Stiffness(Solver_State& state, double E, double G, double A, double L, double Ix, double Iy, double J,
                       std::int16_t element);

}  // namespace kelvane
