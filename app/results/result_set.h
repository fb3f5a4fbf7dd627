#pragma once

#include <vector>

// Per-node results of the last successful import, indexed by node index, in the fixed
// result units N, N-mm, MPa and mm.
struct ResultSet {
    std::vector<double> deflection;       // mm
    std::vector<double> shear_force;      // N, times the shear sign
    std::vector<double> bending_moment;   // N-mm, times the moment sign
    std::vector<double> bending_stress;   // MPa, signed as the solver wrote it
    std::vector<double> shear_stress;     // MPa, shear force / A
    std::vector<double> reaction_force;   // N, 0 at a node without support
    std::vector<double> reaction_moment;  // N-mm, 0 at a node without support
    std::vector<double> bending_safety;   // 0: not computed
    std::vector<double> shear_safety;     // 0: not computed
    bool operator==(const ResultSet&) const = default;
};

// What a minimum safety factor holds when no node has a factor.
inline constexpr double No_Safety_Factor = 1E+20;

struct ResultExtremes {
    double max_deflection = 0;      // mm, largest absolute value
    double max_shear_force = 0;     // N
    double max_moment = 0;          // N-mm
    double max_bending_stress = 0;  // MPa
    double max_shear_stress = 0;    // MPa
    double min_bending_safety = No_Safety_Factor;  // smallest absolute non-zero factor
    double min_shear_safety = No_Safety_Factor;
    bool operator==(const ResultExtremes&) const = default;
};
