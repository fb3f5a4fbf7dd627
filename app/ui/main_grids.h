// The grids of the main window: the five tables of the beam model and the result table,
// each a read-only view of a Text_Table_Model with the headers, column widths (twips)
// and alignment of its table.
#pragma once

#include "model/beam_model.h"
#include "results/result_grid.h"
#include "ui/text_table_model.h"

#include <QStringList>
#include <QVector>

class QTableView;

struct Grid_Layout {
    QString name;                   // object name of the view
    QStringList headers;
    QVector<int> widths_twips;
    Text_Table_Model::Alignment_Of alignment;  // by row (1 = first data row) and column
    int merge_first = -1;           // header sections drawn as one cell
    int merge_last = -1;
};

const Grid_Layout& Prop_Set_Grid_Layout();
const Grid_Layout& MaterialList_Grid_Layout();
const Grid_Layout& SectPropList_Grid_Layout();
const Grid_Layout& FMSet_Grid_Layout();
const Grid_Layout& CsrtSet_Grid_Layout();
const Grid_Layout& Post_Grid_Layout();

// The cells of the data rows. The load and constraint grids end with a blank row, where
// a new entry is added.
QVector<QStringList> Range_Rows(const BeamModel& model);
QVector<QStringList> Material_Rows(const BeamModel& model);
QVector<QStringList> Section_Rows(const BeamModel& model);
QVector<QStringList> Load_Rows(const BeamModel& model);
QVector<QStringList> Constraint_Rows(const BeamModel& model);
// Rows 1 .. 7 of the result table.
QVector<QStringList> Result_Rows(const Result_Grid& grid);
QStringList Result_Headers(const Result_Grid& grid);

// Lays the view out as `layout` and makes it show `source`; the model belongs to the view.
Text_Table_Model* Set_Up_Grid(QTableView& view, const Grid_Layout& layout, Text_Table_Model::Row_Source source);

// The width that shows every column, beside the vertical scroll bar if the view has one.
int Width_Of_All_Columns(const QTableView& view);
