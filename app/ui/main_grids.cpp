#include "ui/main_grids.h"

#include "model/record_text.h"
#include "ui/merged_header_view.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace {

Text_Table_Model::Alignment_Of By_Column(QVector<Qt::Alignment> columns)
{
    return [columns](int, int column) { return columns.value(column, Qt::AlignLeft); };
}

Qt::Alignment Qt_Alignment(Cell_Alignment alignment)
{
    return alignment == Cell_Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

} // namespace

const Grid_Layout& Prop_Set_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("Prop_Set_Grid"),
        {QStringLiteral("Prop.No."), QStringLiteral("適用範囲"), QStringLiteral("適用範囲"),
         QStringLiteral("材料No."), QStringLiteral("断面No.")},
        {840, 800, 800, 1150, 1150},
        [](int, int) { return Qt::Alignment(Qt::AlignHCenter); },
        1,
        2};
    return layout;
}

const Grid_Layout& MaterialList_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("MaterialList_Grid"),
        {QStringLiteral("材料No."), QStringLiteral("名称"), QStringLiteral("ヤング率"), QStringLiteral("All_Data")},
        {750, 2500, 950, 3000},
        By_Column({Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft})};
    return layout;
}

const Grid_Layout& SectPropList_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("SectPropList_Grid"),
        {QStringLiteral("断面No."), QStringLiteral("名称"), QStringLiteral("断面係数"), QString()},
        {750, 2500, 950, 3000},
        By_Column({Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft})};
    return layout;
}

const Grid_Layout& FMSet_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("FMSet_Grid"),
        {QStringLiteral("種類"), QStringLiteral("位置"), QStringLiteral("値")},
        {1300, 1415, 1420},
        By_Column({})};
    return layout;
}

const Grid_Layout& CsrtSet_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("CsrtSet_Grid"),
        {QStringLiteral("種類"), QStringLiteral("位置")},
        {1200, 2755},
        By_Column({})};
    return layout;
}

const Grid_Layout& Post_Grid_Layout()
{
    static const Grid_Layout layout{
        QStringLiteral("Post_Grid"),
        Result_Headers(SetUpResultGrid()),
        {Post_Grid_Column_Widths.begin(), Post_Grid_Column_Widths.end()},
        [](int row, int column) { return Qt_Alignment(Post_Grid_Alignment(row, column)); }};
    return layout;
}

QVector<QStringList> Range_Rows(const BeamModel& model)
{
    QVector<QStringList> rows;
    for (qsizetype i = 0; i < model.ranges.size(); ++i) {
        const PropertyRange& range = model.ranges[i];
        rows << QStringList{QString::number(i + 1), range.start, range.end, range.material, range.section};
    }
    return rows;
}

QVector<QStringList> Material_Rows(const BeamModel& model)
{
    QVector<QStringList> rows;
    for (qsizetype i = 0; i < model.materials.size(); ++i)
        rows << Material_Row_Texts(model.materials[i], static_cast<int>(i + 1));
    return rows;
}

QVector<QStringList> Section_Rows(const BeamModel& model)
{
    QVector<QStringList> rows;
    for (qsizetype i = 0; i < model.sections.size(); ++i)
        rows << Section_Row_Texts(model.sections[i], static_cast<int>(i + 1));
    return rows;
}

QVector<QStringList> Load_Rows(const BeamModel& model)
{
    QVector<QStringList> rows;
    for (const LoadRecord& load : model.loads)
        rows << QStringList{load.kind, load.position, load.value};
    rows << QStringList{};
    return rows;
}

QVector<QStringList> Constraint_Rows(const BeamModel& model)
{
    QVector<QStringList> rows;
    for (const ConstraintRecord& constraint : model.constraints)
        rows << QStringList{constraint.kind, constraint.position};
    rows << QStringList{};
    return rows;
}

QVector<QStringList> Result_Rows(const Result_Grid& grid)
{
    QVector<QStringList> rows;
    for (int row = 1; row < Post_Grid_Rows; ++row)
        rows << QStringList(grid.cells[row].begin(), grid.cells[row].end());
    return rows;
}

QStringList Result_Headers(const Result_Grid& grid)
{
    return QStringList(grid.cells[0].begin(), grid.cells[0].end());
}

Text_Table_Model* Set_Up_Grid(QTableView& view, const Grid_Layout& layout, Text_Table_Model::Row_Source source)
{
    view.setObjectName(layout.name);
    auto* header = new Merged_Header_View(&view);
    view.setHorizontalHeader(header);
    if (layout.merge_first >= 0)
        header->Merge_Sections(layout.merge_first, layout.merge_last);
    auto* model = new Text_Table_Model(layout.headers, std::move(source), layout.alignment, &view);
    view.setModel(model);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setWordWrap(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < layout.widths_twips.size(); ++column)
        view.setColumnWidth(column, Twips_To_Pixels_X(layout.widths_twips[column], view));
    // However small the window, a grid shows its header and three rows; it scrolls sideways
    // rather than hide rows.
    const int scroll_bar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    view.setMinimumHeight(header->sizeHint().height() + 3 * view.verticalHeader()->defaultSectionSize() +
                          scroll_bar + 2 * view.frameWidth());
    return model;
}

int Width_Of_All_Columns(const QTableView& view)
{
    int width = 0;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        width += view.columnWidth(column);
    const int scroll_bar = view.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                               ? 0
                               : view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    return width + scroll_bar + 2 * view.frameWidth();
}
