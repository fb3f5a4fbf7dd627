#include "solver.h"

#include <cmath>
#include <limits>

#include "calculate_k_elem.h"
#include "gauss_jordan.h"

namespace kelvane {
namespace {

bool Restrained(double flag) { return flag == 1; }

void Prepare_Tables(Solver_State& state)
{
    const int total = state.DOF_Per_Node * state.Node_Count;
    if (total > std::numeric_limits<std::int16_t>::max())
        throw Solver_Failure(Failure_Number::Value_Too_Large);
    state.Total_DOF = static_cast<std::int16_t>(total);

    const auto dofs = static_cast<std::size_t>(state.Total_DOF);
    state.Load_Vector.assign(dofs, 0.0);
    state.Disp_Vector.assign(dofs, 0.0);
    state.End_Force.assign(dofs, 0.0);
    state.Reaction_Vector.assign(dofs, 0.0);
    state.K_Global = Band_Matrix(state.Total_DOF);
    state.K_Elem.assign(static_cast<std::size_t>(state.Elem_Count), Elem_Matrix{});
    state.Stress_Vector.assign(static_cast<std::size_t>(state.Node_Count), 0.0);

    // Entry Node_Count belongs to no node; records of higher nodes are dropped.
    state.Support_Table.resize(static_cast<std::size_t>(state.Node_Count) + 1);
    state.Force_Table.resize(static_cast<std::size_t>(state.Node_Count) + 1);
}

void Build_Load_Vector(Solver_State& state)
{
    for (int m = 0; m < state.Node_Count; ++m) {
        const Force_Entry& force = state.Force_Table[static_cast<std::size_t>(m)];
        state.Load_Vector[3 * m] = force.Fx;
        state.Load_Vector[3 * m + 1] = force.Fy;
        state.Load_Vector[3 * m + 2] = force.Mz;
    }
}

void Apply_Supports(Solver_State& state, std::int16_t e)
{
    for (int end = 0; end < 2; ++end) {
        const Support_Entry& support = At(state.Support_Table, e + end);
        if (support.marker != 1)
            continue;
        const double flags[] = {support.axial, support.transverse, support.rotation};
        for (int k = 0; k < 3; ++k)
            if (Restrained(flags[k]))
                Fix_DOF(state, static_cast<std::int16_t>(3 * end + k), e);
    }
}

void Assemble_Element(Solver_State& state, std::int16_t e)
{
    const Elem_Entry& element = state.Elem_Table[static_cast<std::size_t>(e)];
    const Mat_Entry& mat = At(state.Mat_Table, element.material);
    const double G = Checked_Divide(mat.E, (1 + mat.Nu) * 2);
    const double J = Checked(mat.Ix + mat.Iy);

    const Grid_Entry& first = At(state.Grid_Table, element.node1);
    const Grid_Entry& second = At(state.Grid_Table, element.node2);
    const double dx = second.X - first.X, dy = second.Y - first.Y, dz = second.Z - first.Z;
    const double L = Checked(std::pow(Checked(dx * dx + dy * dy + dz * dz), 0.5));

    Element_Stiffness(state, mat.E, G, mat.A, L, mat.Ix, mat.Iy, J, e);
    Apply_Supports(state, e);

    // Element e lands on the nodes e and e + 1 whatever nodes its record names.
    const int base = 3 * e;
    if (base + 5 >= state.Total_DOF)
        throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
    const Elem_Matrix& k = state.K_Elem[static_cast<std::size_t>(e)];
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            state.K_Global(base + r, base + c) += k[r][c];
}

// Degrees of freedom that no element reaches get a unit diagonal, so their
// displacement equals their load.
void Set_Unreached_Diagonal(Band_Matrix& K)
{
    for (int i = 0; i < K.size(); ++i) {
        bool empty = true;
        for (int j = K.First_Column(i); j <= K.Last_Column(i) && empty; ++j)
            empty = K(i, j) == 0 && K(j, i) == 0;
        if (empty)
            K(i, i) = 1;
    }
}

void Assemble(Solver_State& state)
{
    Prepare_Tables(state);
    Build_Load_Vector(state);
    for (std::int16_t e = 0; e < state.Elem_Count; ++e)
        if (At(state.Elem_Table, e).present)
            Assemble_Element(state, e);
    Set_Unreached_Diagonal(state.K_Global);
}

void Recover_End_Forces(Solver_State& state)
{
    for (std::int16_t e = 0; e < state.Elem_Count; ++e) {
        if (!state.Elem_Table[static_cast<std::size_t>(e)].present)
            continue;
        const Elem_Matrix& k = state.K_Elem[static_cast<std::size_t>(e)];
        for (int row = 0; row < 3; ++row) {
            double sum = 0;
            for (int c = 0; c < 6; ++c)
                sum = Checked(sum + k[row][c] * At(state.Disp_Vector, 3 * e + c));
            At(state.End_Force, 3 * e + row) = sum;
        }
    }
}

// The reaction at a node is read off the start-end forces of its neighbours.
void Recover_Reactions(Solver_State& state)
{
    std::vector<double>& RF = state.Reaction_Vector;
    const std::vector<double>& R = state.End_Force;
    for (std::int16_t e = 0; e < state.Elem_Count; ++e) {
        const Elem_Entry& element = state.Elem_Table[static_cast<std::size_t>(e)];
        const int i = element.node1, j = element.node2;
        for (int k = 0; k < 3; ++k) {
            At(RF, 3 * j + k) = Checked(At(RF, 3 * j + k) - At(R, 3 * e + k));
            At(RF, 3 * i + k) = Checked(At(RF, 3 * i + k) + At(R, 3 * e + 3 + k));
        }
    }
}

}  // namespace

void Fix_DOF(Solver_State& state, std::int16_t d, std::int16_t element)
{
    Elem_Matrix& k = At(state.K_Elem, element);
    for (int j = 0; j < 6; ++j) {
        k[d][j] = 0;
        k[j][d] = 0;
    }
    k[d][d] = Penalty;
}

void Solve_Beam(Solver_State& state)
{
    try {
        Assemble(state);
    } catch (...) {
        state.Pls_Code = Driver_Failure;
        return;
    }

    Eliminate(state);
    if (state.Pls_Code != No_Failure)
        return;

    try {
        Recover_End_Forces(state);
        Recover_Reactions(state);
    } catch (...) {
        state.Pls_Code = Driver_Failure;
    }
}

}  // namespace kelvane
