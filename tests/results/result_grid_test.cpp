#include <gtest/gtest.h>

#include <QStringList>

#include "results/result_grid.h"

namespace {

TEST(Result_Grid_Test, SetUpGivesHeadingsItemsAndBaseUnitsWithoutValues)
{
    const Result_Grid grid = SetUpResultGrid();
    const std::array<std::array<QString, Post_Grid_Columns>, Post_Grid_Rows> expected{{
        {"項目", "値", "単位", "備考"},
        {"最大曲げ応力", "", "MPa", ""},
        {"最大剪断応力", "", "MPa", ""},
        {"最大変位", "", "mm", ""},
        {"最小曲げ安全率", "", "-", ""},
        {"最小剪断安全率", "", "-", ""},
        {"最大モーメント", "", "N-mm", ""},
        {"最大剪断力", "", "N", ""},
    }};
    EXPECT_EQ(grid.cells, expected);
}

TEST(Result_Grid_Test, FillFormatsEachRowAndPutsItsValueBesideTheBaseUnit)
{
    Result_Grid grid = SetUpResultGrid();
    // Units a user picked for an earlier result must not stay beside values in base units.
    grid.cells[Row_Max_Bending_Stress][Column_Unit] = QStringLiteral("ksi");
    grid.cells[Row_Max_Moment][Column_Unit] = QStringLiteral("kg-m");
    grid.cells[Row_Max_Deflection][Column_Remark] = QStringLiteral("old");

    ResultExtremes extremes;
    extremes.max_bending_stress = 123.45;
    extremes.max_shear_stress = 0.005;
    extremes.max_deflection = 0;
    extremes.min_bending_safety = 2.71828;
    extremes.min_shear_safety = 1E+20;
    extremes.max_moment = 1234567.0;
    extremes.max_shear_force = 999999.7;
    FillResultGrid(grid, extremes);

    Result_Grid expected = SetUpResultGrid();
    const QStringList values{"1.23450e+2", "5.00000e-3", "0.00000e+0", "2.718",
                             "100000000000000000000.000", "1.23457e+6", "1.00000e+6"};
    for (int row = 1; row < Post_Grid_Rows; ++row)
        expected.cells[row][Column_Value] = values[row - 1];
    expected.current_row = 1;
    expected.current_column = 3;
    EXPECT_EQ(grid, expected);
}

TEST(Result_Grid_Test, ResultUnitsAreTheUnitCellsOfTheStressDeflectionMomentAndForceRows)
{
    Result_Grid grid = SetUpResultGrid();
    const Result_Units base = Grid_Result_Units(grid);
    EXPECT_EQ(base.stress, "MPa");
    EXPECT_EQ(base.distance, "mm");
    EXPECT_EQ(base.moment, "N-mm");
    EXPECT_EQ(base.force, "N");

    grid.cells[Row_Max_Bending_Stress][Column_Unit] = QStringLiteral("kg/mm^2");
    grid.cells[Row_Max_Shear_Stress][Column_Unit] = QStringLiteral("ksi");
    grid.cells[Row_Max_Deflection][Column_Unit] = QStringLiteral("in");
    grid.cells[Row_Max_Moment][Column_Unit] = QStringLiteral("kg-m");
    grid.cells[Row_Max_Shear_Force][Column_Unit] = QStringLiteral("lb");
    const Result_Units chosen = Grid_Result_Units(grid);
    EXPECT_EQ(chosen.stress, "kg/mm^2");  // row 1; row 2's unit is its own
    EXPECT_EQ(chosen.distance, "in");
    EXPECT_EQ(chosen.moment, "kg-m");
    EXPECT_EQ(chosen.force, "lb");
}

} // namespace
