#include "gauss_jordan.h"

#include <algorithm>

namespace kelvane {
namespace {

// Every entry outside the band is an exact zero, so the operations that the
// full-width algorithm performs there change nothing and are left out; the
// order of the remaining operations is the full-width order.
void Eliminate_Band(Band_Matrix& A, std::vector<double>& F, std::vector<double>& U)
{
    const int n = A.size();
    if (n == 0)
        throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
    for (int k = 0; k <= n - 2; ++k) {
        const double p = A(k, k);
        const int last = A.Last_Column(k);
        for (int j = k; j <= last; ++j)
            A(k, j) = Checked_Divide(A(k, j), p);
        F[k] = Checked_Divide(F[k], p);

        const int last_row = std::min(k + Band_Matrix::Half_Width, n - 1);
        for (int i = k + 1; i <= last_row; ++i) {
            const double f = A(i, k);
            if (f == 0)
                continue;
            for (int j = k; j <= last; ++j)
                A(i, j) = Checked(A(i, j) - f * A(k, j));
            F[i] = Checked(F[i] - f * F[k]);
        }
    }

    U[n - 1] = Checked_Divide(F[n - 1], A(n - 1, n - 1));
    for (int i = n - 2; i >= 0; --i) {
        double s = F[i];
        for (int j = i + 1; j <= A.Last_Column(i); ++j)
            s = Checked(s - U[j] * A(i, j));
        U[i] = s;
    }
}

}  // namespace

void Eliminate(Solver_State& state)
{
    try {
        Eliminate_Band(state.K_Global, state.Load_Vector, state.Disp_Vector);
    } catch (...) {
        state.Pls_Code = Solution_Failure;
    }
}

}  // namespace kelvane
