// Reading, assembly, solution and recovery inside the process, on the shared state.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "calculate_k_elem.h"
#include "read.h"
#include "solver.h"
#include "solver_fixture.h"
#include "write.h"

using namespace kelvane;
using kelvane_test::Beam;
using kelvane_test::Input_Text;

namespace {

Solver_State Solved(const std::string& input)
{
    Solver_State state;
    Read_Input_Text(state, input);
    EXPECT_EQ(state.Pls_Code, 0);
    Solve_Beam(state);
    return state;
}

const char* const One_Element = "MAT,1,21000,1000,0,10,0,100,0\r\nGRID,1,0,0,0\r\nGRID,2,1000,0,0\r\nELEM_B,1,1,2,1\r\n";

}  // namespace

TEST(Reader, Counts_Tables_And_Node_Materials)
{
    Solver_State state;
    Read_Input_Text(state, "ELEM_B,2,2,3,4\r\nGRID,1,0,0,0\r\nGRID,3,2,0,0\r\nGRID,2,1,0,0\r\nMAT,0,5,0,0,0,0,0,0\r\n"
                           "ELEM_B,1,1,2,7\r\nCONST,2,1,0.5,1,1,1,1\r\nFORCE,2,0,3,0,0,0,4,extra\r\n");
    ASSERT_EQ(state.Pls_Code, 0);
    EXPECT_EQ(state.Node_Count, 3);
    EXPECT_EQ(state.Elem_Count, 2);
    EXPECT_EQ(state.Mat_Table[0].E, 5);  // a MAT record numbered 0 fills entry 0
    EXPECT_TRUE(state.Mat_Table[0].present);
    // A shared node keeps the material of the element read last.
    EXPECT_EQ(state.Grid_Table[0].material, 7);
    EXPECT_EQ(state.Grid_Table[1].material, 7);
    EXPECT_EQ(state.Grid_Table[2].material, 4);
    EXPECT_EQ(state.Support_Table[1].transverse, 0.5);
    EXPECT_EQ(state.Support_Table[1].marker, 1);
    EXPECT_EQ(state.Force_Table[1].Mz, 4);
    EXPECT_EQ(state.Elem_Table[1].node1, 1);
    EXPECT_EQ(state.Elem_Table[1].node2, 2);
}

TEST(Element_Stiffness, Entries_Of_One_Element)
{
    const Solver_State state = Solved(One_Element);
    ASSERT_EQ(state.Pls_Code, 4);  // unsupported: the solution fails, the matrix is there
    const Elem_Matrix& k = state.K_Elem[0];
    EXPECT_EQ(k[0][0], 2100);
    EXPECT_EQ(k[0][3], -2100);
    EXPECT_EQ(k[1][1], 0.252);
    EXPECT_EQ(k[1][2], 126);
    EXPECT_EQ(k[2][2], 4 * 21000 * 1000 / 1000.0);
    EXPECT_EQ(k[4][5], -126);
    EXPECT_EQ(k[5][2], 2 * 21000 * 1000 / 1000.0);
    EXPECT_EQ(k[0][1], 0);
}

TEST(Element_Stiffness, Zero_Length_Keeps_Entries_Before_The_Failure)
{
    Solver_State state;
    state.K_Elem.assign(1, {});
    Element_Stiffness(state, 21000, 0, 100, 0, 1000, 0, 0, 0);
    EXPECT_EQ(state.Pls_Code, 3);
    EXPECT_TRUE(std::isinf(state.K_Elem[0][0][0]));
    EXPECT_EQ(state.K_Elem[0][0][3], 0);
}

TEST(Assembly, Placement_By_Element_Number_Length_From_Its_Nodes)
{
    // Element 2 names nodes 5 and 9 (3-D distance 500) but lands on nodes 2 and 3.
    const std::string input = "MAT,1,21000,1000,0,10,0,100,0\r\nGRID,1,0,0,0\r\nGRID,2,1000,0,0\r\nGRID,3,1,0,0\r\n"
                              "GRID,4,0,0,0\r\nGRID,5,0,0,0\r\nGRID,9,300,400,0\r\nELEM_B,1,1,2,1\r\nELEM_B,2,5,9,1\r\n";
    Solver_State state;
    Read_Input_Text(state, input);
    Solve_Beam(state);
    EXPECT_EQ(state.K_Elem[1][0][0], 21000 * 100 / 500.0);
    // Node 2 is shared: its block is the sum of both elements' blocks, whatever the solution did to K.
    EXPECT_EQ(state.K_Elem[0][3][3] + state.K_Elem[1][0][0], 2100 + 4200);
}

TEST(Solution, Restrained_And_Unreached_Degrees_Of_Freedom)
{
    Beam beam;
    beam.nodes = {{0, true, true, false, 40}, {500}, {1000, false, true, false, 7}};
    std::string input = Input_Text(beam);
    input += "GRID,4,2000,0,0\r\nFORCE,4,5,0,0,0,0,0\r\n";  // a node that no element reaches
    Solver_State state;
    Read_Input_Text(state, input);
    Solve_Beam(state);
    ASSERT_EQ(state.Pls_Code, 0);
    EXPECT_EQ(state.Disp_Vector[0], 0);
    EXPECT_EQ(state.Disp_Vector[1], 40 / 1E+20);
    EXPECT_EQ(state.Disp_Vector[7], 7 / 1E+20);
    EXPECT_EQ(state.Disp_Vector[4], 0);  // loads only on restrained directions deflect nothing
    EXPECT_EQ(state.Disp_Vector[9], 5);  // unit diagonal: displacement equals the load
    // The first node's end force is the load applied there, not the shear in the beam.
    EXPECT_EQ(state.End_Force[1], 40);
    // Node 4 has no element: material 0 has no MAT record, so its stress fails the writing.
    EXPECT_THROW(Result_Sections(state), std::exception);
}

// Elimination of the full matrix exactly as the steps read, for comparison only.
std::vector<double> Dense_Solution(const Solver_State& state)
{
    const int n = state.Total_DOF;
    std::vector<double> A(static_cast<std::size_t>(n) * n, 0.0);
    const auto a = [&](int i, int j) -> double& { return A[static_cast<std::size_t>(i) * n + j]; };
    std::vector<double> F(static_cast<std::size_t>(n), 0.0), U(static_cast<std::size_t>(n), 0.0);
    for (int m = 0; m < state.Node_Count; ++m) {
        F[3 * m] = state.Force_Table[m].Fx;
        F[3 * m + 1] = state.Force_Table[m].Fy;
        F[3 * m + 2] = state.Force_Table[m].Mz;
    }
    for (int e = 0; e < state.Elem_Count; ++e)
        if (state.Elem_Table[e].present)
            for (int r = 0; r < 6; ++r)
                for (int c = 0; c < 6; ++c)
                    a(3 * e + r, 3 * e + c) += state.K_Elem[e][r][c];
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int j = 0; j < n; ++j)
            sum += std::abs(a(i, j)) + std::abs(a(j, i));
        if (sum == 0)
            a(i, i) = 1;
    }
    for (int k = 0; k < n - 1; ++k) {
        const double p = a(k, k);
        for (int j = k; j < n; ++j)
            a(k, j) = a(k, j) / p;
        F[k] = F[k] / p;
        for (int i = k + 1; i < n; ++i) {
            const double f = a(i, k);
            if (f != 0) {
                for (int j = k; j < n; ++j)
                    a(i, j) = a(i, j) - f * a(k, j);
                F[i] = F[i] - f * F[k];
            }
        }
    }
    U[n - 1] = F[n - 1] / a(n - 1, n - 1);
    for (int i = n - 2; i >= 0; --i) {
        double s = F[i];
        for (int j = i + 1; j < n; ++j)
            s = s - U[j] * a(i, j);
        U[i] = s;
    }
    return U;
}

TEST(Solution, Band_Agrees_Bit_For_Bit_With_The_Full_Matrix)
{
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE(trial);
        Beam beam;
        beam.E = 1000 + 30000 * unit(random);
        beam.I = 1E+03 + 1E+07 * unit(random);
        beam.A = 10 + 5000 * unit(random);
        const int nodes = 2 + static_cast<int>(unit(random) * 14);
        double x = 0;
        for (int m = 0; m < nodes; ++m) {
            kelvane_test::Node node{x};
            node.tx = unit(random) < 0.3;
            node.ty = unit(random) < 0.4;
            node.rz = unit(random) < 0.2;
            if (unit(random) < 0.5)
                node.fy = std::round((unit(random) - 0.5) * 2000) / 8;
            if (unit(random) < 0.2)
                node.mz = (unit(random) - 0.5) * 1E+05;
            beam.nodes.push_back(node);
            x += 0.5 + 300 * unit(random);
        }
        beam.nodes[0].tx = beam.nodes[0].ty = true;
        beam.nodes[nodes / 2].ty = true;
        std::string input = Input_Text(beam);
        // Now and then a node that no element reaches, loaded in every direction.
        if (trial % 3 == 0)
            input += "GRID," + std::to_string(nodes + 1) + ",0,0,0\r\nFORCE," + std::to_string(nodes + 1) +
                     ",1.5,-2.25,0,0,0,3\r\n";

        Solver_State state;
        Read_Input_Text(state, input);
        Solve_Beam(state);
        ASSERT_EQ(state.Pls_Code, 0);
        const std::vector<double> dense = Dense_Solution(state);
        ASSERT_EQ(dense.size(), state.Disp_Vector.size());
        for (std::size_t i = 0; i < dense.size(); ++i)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(dense[i]), std::bit_cast<std::uint64_t>(state.Disp_Vector[i]))
                << "dof " << i << ": " << dense[i] << " vs " << state.Disp_Vector[i];
    }
}
