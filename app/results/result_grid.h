#pragma once

#include <QString>

#include <array>

#include "results/result_set.h"

// The result table Post_Grid as plain data: the texts of its 8 rows and 4 columns
// ("項目", "値", "単位", "備考"), laid out by SetUpResultGrid and given its values by
// FillResultGrid. A window or the command-line tool shows it as it stands.

inline constexpr int Post_Grid_Rows = 8;
inline constexpr int Post_Grid_Columns = 4;
inline constexpr int Post_Grid_Header_Height = 260;  // twips
inline constexpr std::array<int, Post_Grid_Columns> Post_Grid_Column_Widths{1800, 1500, 950, 3450};

// Rows of the seven results, below the heading row 0.
enum Post_Grid_Row : int {
    Row_Max_Bending_Stress = 1,
    Row_Max_Shear_Stress = 2,
    Row_Max_Deflection = 3,
    Row_Min_Bending_Safety = 4,
    Row_Min_Shear_Safety = 5,
    Row_Max_Moment = 6,
    Row_Max_Shear_Force = 7,
};

enum Post_Grid_Column : int {
    Column_Item = 0,
    Column_Value = 1,
    Column_Unit = 2,
    Column_Remark = 3,
};

enum class Cell_Alignment { Left, Centre };

struct Result_Grid {
    std::array<std::array<QString, Post_Grid_Columns>, Post_Grid_Rows> cells;
    int current_row = 0;
    int current_column = 0;
    bool operator==(const Result_Grid&) const = default;
};

// Units the result texts are shown in: the unit cells of rows 1, 3, 6 and 7.
struct Result_Units {
    QString stress = QStringLiteral("MPa");    // bending and shear stress
    QString distance = QStringLiteral("mm");   // deflection
    QString moment = QStringLiteral("N-mm");   // moments, reaction moment
    QString force = QStringLiteral("N");       // shear force, reaction force
};

// Headings, item names and the fixed result units; no values.
Result_Grid SetUpResultGrid();

// Writes the extremes into the value column in the fixed result units (and puts those
// units back into the unit column, so a value never stands beside another unit), empties
// the remarks and makes row 1, column 3 the current cell.
void FillResultGrid(Result_Grid& grid, const ResultExtremes& extremes);

Cell_Alignment Post_Grid_Alignment(int row, int column);

Result_Units Grid_Result_Units(const Result_Grid& grid);
