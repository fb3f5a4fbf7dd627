#include "results/result_grid.h"

#include "model/number_text.h"

namespace {

struct Row_Layout {
    Post_Grid_Row row;
    const char* item;
    const char* unit;
    const char* pattern;
    double ResultExtremes::*extreme;
};

const std::array<Row_Layout, Post_Grid_Rows - 1>& Row_Layouts()
{
    static const std::array<Row_Layout, Post_Grid_Rows - 1> layouts{{
        {Row_Max_Bending_Stress, "最大曲げ応力", "MPa", "0.00000e+#", &ResultExtremes::max_bending_stress},
        {Row_Max_Shear_Stress, "最大剪断応力", "MPa", "0.00000e+#", &ResultExtremes::max_shear_stress},
        {Row_Max_Deflection, "最大変位", "mm", "0.00000e+#", &ResultExtremes::max_deflection},
        {Row_Min_Bending_Safety, "最小曲げ安全率", "-", "0.000", &ResultExtremes::min_bending_safety},
        {Row_Min_Shear_Safety, "最小剪断安全率", "-", "0.000", &ResultExtremes::min_shear_safety},
        {Row_Max_Moment, "最大モーメント", "N-mm", "0.00000e+#", &ResultExtremes::max_moment},
        {Row_Max_Shear_Force, "最大剪断力", "N", "0.00000e+#", &ResultExtremes::max_shear_force},
    }};
    return layouts;
}

} // namespace

Result_Grid SetUpResultGrid()
{
    Result_Grid grid;
    grid.cells[0] = {QStringLiteral("項目"), QStringLiteral("値"), QStringLiteral("単位"),
                     QStringLiteral("備考")};
    for (const Row_Layout& layout : Row_Layouts()) {
        grid.cells[layout.row][Column_Item] = QString::fromUtf8(layout.item);
        grid.cells[layout.row][Column_Unit] = QString::fromUtf8(layout.unit);
    }
    return grid;
}

void FillResultGrid(Result_Grid& grid, const ResultExtremes& extremes)
{
    for (const Row_Layout& layout : Row_Layouts()) {
        auto& cells = grid.cells[layout.row];
        cells[Column_Value] = Format_Number(extremes.*layout.extreme, QString::fromLatin1(layout.pattern));
        cells[Column_Unit] = QString::fromUtf8(layout.unit);
        cells[Column_Remark].clear();
    }
    grid.current_row = Row_Max_Bending_Stress;
    grid.current_column = Column_Remark;
}

Cell_Alignment Post_Grid_Alignment(int row, int column)
{
    return row > 0 && column == Column_Item ? Cell_Alignment::Left : Cell_Alignment::Centre;
}

Result_Units Grid_Result_Units(const Result_Grid& grid)
{
    return {grid.cells[Row_Max_Bending_Stress][Column_Unit], grid.cells[Row_Max_Deflection][Column_Unit],
            grid.cells[Row_Max_Moment][Column_Unit], grid.cells[Row_Max_Shear_Force][Column_Unit]};
}
