// Shared state of one Kelvane-1D run, handed from stage to stage.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "band_matrix.h"

namespace kelvane {

struct Mat_Entry {
    double E = 0, Ix = 0, Iy = 0, Zx = 0, Zy = 0, A = 0, Nu = 0;
    bool present = false;
};

struct Force_Entry {
    double Fx = 0, Fy = 0, Fz = 0, Mx = 0, My = 0, Mz = 0;
    bool present = false;
};

struct Support_Entry {
    double axial = 0, transverse = 0, rotation = 0;  // as read; restrained only when exactly 1
    std::int16_t marker = 0;                          // 1 when the node has a CONST record
};

struct Grid_Entry {
    double X = 0, Y = 0, Z = 0;
    std::int16_t material = 0;
    bool present = false;
};

struct Elem_Entry {
    std::int16_t node1 = 0, node2 = 0;  // node indices (node number - 1)
    std::int16_t material = 0;
    bool present = false;
};

using Elem_Matrix = std::array<std::array<double, 6>, 6>;

// Stage failure codes stored in Pls_Code.
enum Stage_Code : std::int16_t {
    No_Failure = 0,
    Read_Failure = 1,
    Driver_Failure = 2,
    Stiffness_Failure = 3,
    Solution_Failure = 4,
    Write_Failure = 5,
};

struct Solver_State {
    std::int16_t DOF_Per_Node = 3;
    std::int16_t Pls_Code = No_Failure;
    std::int16_t Node_Count = 0;
    std::int16_t Elem_Count = 0;
    std::int16_t Total_DOF = 0;

    std::vector<Mat_Entry> Mat_Table;
    std::vector<Force_Entry> Force_Table;
    std::vector<Support_Entry> Support_Table;
    std::vector<Grid_Entry> Grid_Table;
    std::vector<Elem_Entry> Elem_Table;

    std::vector<double> Load_Vector;
    Band_Matrix K_Global;
    std::vector<Elem_Matrix> K_Elem;
    std::vector<double> Disp_Vector;
    std::vector<double> End_Force;
    std::vector<double> Reaction_Vector;
    std::vector<double> Stress_Vector;
};

// Run-time failure numbers written after "$Error CODE:".
enum class Failure_Number : int {
    None = 0,
    Overflow = 6,            // a floating-point result that is not finite
    Out_Of_Memory = 7,       // std::bad_alloc
    Index_Out_Of_Range = 9,  // a table index outside its table
    Division_By_Zero = 11,   // a divisor of exactly 0
    Value_Too_Large = 61,    // a value that does not fit the integer type that must hold it
};

// The failures the stages detect themselves; each stage turns any of them into its code.
class Solver_Failure : public std::runtime_error {
public:
    explicit Solver_Failure(Failure_Number number);
    Failure_Number number() const { return number_; }

private:
    Failure_Number number_;
};

Failure_Number Failure_Number_Of(std::exception_ptr failure);

// Checked arithmetic and indexing: the stages detect floating-point and range
// failures by looking at results, never through hardware traps.
inline double Checked(double value)
{
    if (!std::isfinite(value))
        throw Solver_Failure(Failure_Number::Overflow);
    return value;
}

inline double Checked_Divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw Solver_Failure(Failure_Number::Division_By_Zero);
    return Checked(dividend / divisor);
}

std::int16_t To_Int16(double value);
std::int32_t To_Index(double number);  // number - 1, rounded half to even

template <typename Table>
auto& At(Table& table, long long index)
{
    if (index < 0 || index >= static_cast<long long>(table.size()))
        throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
    return table[static_cast<std::size_t>(index)];
}

}  // namespace kelvane
