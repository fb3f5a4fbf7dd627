#pragma once

#include "model/beam_model.h"

// One property range with its material and section in analysis units (mm, kgf).
struct Range_Properties {
    double start = 0;   // mm from the left end
    double end = 0;
    double E = 0;       // kgf/mm^2
    double sigma_a = 0; // kgf/mm^2
    double tau_a = 0;   // kgf/mm^2
    double rho = 0;     // kg/mm^3
    double A = 0;       // mm^2
    double Z = 0;       // mm^3
    double I = 0;       // mm^4
    double w = 0;       // kg/mm
};

// Range `index` (0 for the base range). A material or section label that names no
// record reads as a record of empty values, so its values are 0 and the data checks
// report them.
Range_Properties Read_Range_Properties(const BeamModel& model, int index);
