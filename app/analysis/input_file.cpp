#include "analysis/input_file.h"

#include "analysis/mesh.h"
#include "analysis/nodal_loads.h"
#include "analysis/range_properties.h"
#include "model/number_text.h"
#include "model/text_file.h"

#include <QDir>

namespace {

QString Record(const QString& name, std::initializer_list<QString> fields)
{
    QString line = name;
    for (const QString& field : fields)
        line += QLatin1Char(',') + field;
    return line;
}

QString Integer(int value)
{
    return QString::number(value);
}

} // namespace

QStringList Input_File_Lines(const BeamModel& model, const NodeTable& table, const Project_Stamp& stamp)
{
    const QString zero = QStringLiteral("0");
    const QString one = QStringLiteral("1");
    QStringList lines;
    lines << QStringLiteral("$ **************<<<<<<Trabex(FEM) 計算用出力ファイルヘッダ>>>>***************");
    lines << Project_Lines(model, stamp);
    lines << QString();
    lines << QStringLiteral("$ ****************<<<<<<Trabex(FEM) 計算用出力データ>>>>*****************")
          << QStringLiteral("$") << QStringLiteral("START BULK") << QStringLiteral("$");

    lines << QStringLiteral("$Material_Info,Material_Num,E[kgf/mm2],Ix[mm4],Iy[mm4],Zx[mm3],Zy[mm3],A[mm2],ε[-]");
    for (int r = 0; r < model.ranges.size(); ++r) {
        const Range_Properties p = Read_Range_Properties(model, r);
        lines << Record(QStringLiteral("MAT"), {Integer(r + 1), Decimal_Text(p.E), Decimal_Text(p.I), zero,
                                                Decimal_Text(p.Z), zero, Decimal_Text(p.A), zero});
    }
    lines << QStringLiteral("$");

    lines << QStringLiteral("$Force_Info,Node_Num,Fx[kgf],Fy[kgf],Fz[kgf],Mx[kgf-mm],My[kgf-mm],Mz[kgf-mm]");
    for (int i = 0; i < table.Node_Count(); ++i) {
        const Node& n = table.nodes[i];
        if (n.F != 0 || n.M != 0)
            lines << Record(QStringLiteral("FORCE"),
                            {Integer(i + 1), zero, Decimal_Text(n.F), zero, zero, zero, Decimal_Text(n.M)});
    }
    lines << QStringLiteral("$");

    lines << QStringLiteral("$Constraint_Info,Node_Num,Trans-X,Trans-Y,Trans-Z,Rotate-X,Rotate-Y,Rotate-Z");
    for (int i = 0; i < table.Node_Count(); ++i) {
        const Node& n = table.nodes[i];
        if (n.Tx != 0 || n.Ty != 0 || n.Rt != 0)
            lines << Record(QStringLiteral("CONST"), {Integer(i + 1), Decimal_Text(n.Tx), Decimal_Text(n.Ty), one,
                                                      one, one, Decimal_Text(n.Rt)});
    }
    lines << QStringLiteral("$");

    lines << QStringLiteral("$Node_Info,Node_Num,X[mm],Y[mm],Z[mm]");
    for (int i = 0; i < table.Node_Count(); ++i)
        lines << Record(QStringLiteral("GRID"), {Integer(i + 1), Decimal_Text(table.nodes[i].x), zero, zero});
    lines << QStringLiteral("$");

    lines << QStringLiteral("$Element_Inf,No.,Node1 No.,Node2 No.,Material No.");
    for (int i = 0; i < table.Element_Count(); ++i)
        lines << Record(QStringLiteral("ELEM_B"),
                        {Integer(i + 1), Integer(i + 1), Integer(i + 2), Integer(table.nodes[i].range)});
    return lines;
}

void Write_Input_File(const BeamModel& model, const NodeTable& table, const QString& path, Run_Log& log,
                      const Project_Stamp& stamp)
{
    const QString error = Write_Text_Lines(path, Input_File_Lines(model, table, stamp));
    if (!error.isEmpty())
        log.Fail(QStringLiteral("解析入力ファイルを書き込めませんでした。(%1)\n%2")
                     .arg(QDir::toNativeSeparators(path), error));
}

NodeTable Write_Analysis_Input(const BeamModel& model, const QString& path, Run_Log& log,
                               const Project_Stamp& stamp)
{
    NodeTable table;
    if (!Read_Beam_Scalars(model, table, log))
        return table;
    std::vector<double> positions = Build_Nodes(model, table);
    Sort_Positions(positions);
    Merge_Positions(positions, table);
    Assign_Properties(model, table, log);
    Build_Loads(model, table, log);
    Build_Supports(model, table, log);
    Write_Input_File(model, table, path, log, stamp);
    return table;
}
