#include "calculate_k_elem.h"

#include <cmath>

namespace kelvane {
namespace {

// A non-zero entry: axial entries are sign × (E × A) / L, bending entries
// (factor × E × I) / L^power.
struct Entry {
    int row, column;
    bool axial;
    double factor;
    int power;
};

constexpr Entry Entries[] = {
    {0, 0, true, 1, 1},    {0, 3, true, -1, 1},
    {1, 1, false, 12, 3},  {1, 2, false, 6, 2},  {1, 4, false, -12, 3}, {1, 5, false, 6, 2},
    {2, 1, false, 6, 2},   {2, 2, false, 4, 1},  {2, 4, false, -6, 2},  {2, 5, false, 2, 1},
    {3, 0, true, -1, 1},   {3, 3, true, 1, 1},
    {4, 1, false, -12, 3}, {4, 2, false, -6, 2}, {4, 4, false, 12, 3},  {4, 5, false, -6, 2},
    {5, 1, false, 6, 2},   {5, 2, false, 2, 1},  {5, 4, false, -6, 2},  {5, 5, false, 4, 1},
};

}  // namespace

void Element_Stiffness(Solver_State& state, double E, double /*G*/, double A, double L, double Ix, double /*Iy*/,
                       double /*J*/, std::int16_t element)
{
    Elem_Matrix& k = At(state.K_Elem, element);
    const double I = Ix;
    const double L_power[] = {0, L, std::pow(L, 2), std::pow(L, 3)};

    // The first entry that fails keeps its non-finite value and ends the
    // computation; the entries after it stay 0.
    for (const Entry& entry : Entries) {
        double& value = k[entry.row][entry.column];
        value = entry.axial ? entry.factor * ((E * A) / L) : (entry.factor * E * I) / L_power[entry.power];
        if (!std::isfinite(value)) {
            state.Pls_Code = Stiffness_Failure;
            return;
        }
    }
}

}  // namespace kelvane
