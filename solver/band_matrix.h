// The global stiffness matrix of a beam: element e only touches the degrees of
// freedom 3e ... 3e+5, so every entry with |i - j| > 5 is an exact zero and
// stays one through elimination without pivoting. Only the band is stored.
#pragma once

#include <cstddef>
#include <vector>

namespace kelvane {

class Band_Matrix {
public:
    static constexpr int Half_Width = 5;
    static constexpr int Width = 2 * Half_Width + 1;

    Band_Matrix() = default;
    explicit Band_Matrix(int n) : n_(n), cells_(static_cast<std::size_t>(n) * Width, 0.0) {}

    int size() const { return n_; }
    static bool In_Band(int i, int j) { return i - j <= Half_Width && j - i <= Half_Width; }

    // Only for (i, j) inside the band and the matrix.
    double& operator()(int i, int j) { return cells_[Cell(i, j)]; }
    double operator()(int i, int j) const { return cells_[Cell(i, j)]; }

    // Columns of row i that lie inside the band, as [first, last].
    int First_Column(int i) const { return i > Half_Width ? i - Half_Width : 0; }
    int Last_Column(int i) const { return i + Half_Width < n_ ? i + Half_Width : n_ - 1; }

private:
    std::size_t Cell(int i, int j) const
    {
        return static_cast<std::size_t>(i) * Width + static_cast<std::size_t>(j - i + Half_Width);
    }

    int n_ = 0;
    std::vector<double> cells_;
};

}  // namespace kelvane
