#include "analysis/mesh.h"

#include "analysis/check_data.h"
#include "analysis/position_mm.h"
#include "analysis/range_properties.h"
#include "model/number_text.h"
#include "model/units.h"

#include <algorithm>

bool Read_Beam_Scalars(const BeamModel& model, NodeTable& table, Run_Log& log)
{
    table.length_mm = Conv_Length(Leading_Number(model.length), model.length_unit, QStringLiteral("mm"));
    table.count = Leading_Number(model.element_count);
    table.self_weight = model.self_weight ? 1 : 0;
    const QString message = Scalar_Check_Message(table.length_mm, table.count);
    if (message.isEmpty())
        return true;
    log.Fail(message);
    return false;
}

void Add_Node(std::vector<double>& positions, double v, bool neighbours, const NodeTable& table)
{
    positions.push_back(v);
    if (!neighbours)
        return;
    const double d = table.length_mm * 0.05 / table.count;
    if (v - d > 0)
        positions.push_back(v - d);
    if (v + d < table.length_mm)
        positions.push_back(v + d);
}

std::vector<double> Build_Nodes(const BeamModel& model, const NodeTable& table)
{
    const double L = table.length_mm;
    std::vector<double> positions;
    const double h = L / table.count;
    for (double i = 0; i <= table.count; ++i)
        positions.push_back(h * i);

    for (const LoadRecord& load : model.loads) {
        const Position_Mm p = Position_In_mm(load.position);
        if (p.first != 0)
            Add_Node(positions, Text_Rounded(From_Left(p.reference, p.first, L)), true, table);
        if (p.second != 0)
            Add_Node(positions, Text_Rounded(From_Left(p.reference, p.second, L)), true, table);
    }
    for (const ConstraintRecord& constraint : model.constraints) {
        const Position_Mm p = Position_In_mm(constraint.position);
        Add_Node(positions, Text_Rounded(From_Left(p.reference, p.first, L)), true, table);
    }
    if (model.ranges.size() > 1) {
        for (int r = 0; r < model.ranges.size(); ++r) {
            const Range_Properties range = Read_Range_Properties(model, r);
            Add_Node(positions, range.start, false, table);
            Add_Node(positions, range.end, false, table);
        }
    }
    return positions;
}

void Sort_Positions(std::vector<double>& positions)
{
    std::sort(positions.begin(), positions.end());
}

void Merge_Positions(const std::vector<double>& sorted, NodeTable& table)
{
    table.nodes.clear();
    QString last_text;
    for (const double x : sorted) {
        QString text = Decimal_Text(x);
        if (!table.nodes.empty() && text == last_text)
            continue;
        Node node;
        node.x = x;
        table.nodes.push_back(node);
        last_text = std::move(text);
    }
}

void Assign_Properties(const BeamModel& model, NodeTable& table, Run_Log& log)
{
    // Compared as written places, so a range end merged into a node a rounding error
    // away still covers that node.
    std::vector<double> places;
    places.reserve(table.nodes.size());
    for (const Node& node : table.nodes)
        places.push_back(Text_Rounded(node.x));

    QString remembered;
    for (int r = 0; r < model.ranges.size(); ++r) {
        const Range_Properties p = Read_Range_Properties(model, r);
        const double start = Text_Rounded(p.start);
        const double end = Text_Rounded(p.end);
        const Property_Values values{p.E, p.A, p.Z, p.I, p.w, p.rho};
        const QString message = Property_Check_Message(values, table.self_weight == 1);
        auto i = static_cast<size_t>(std::lower_bound(places.begin(), places.end(), start) - places.begin());
        for (; i < places.size() && places[i] <= end; ++i) {
            Node& node = table.nodes[i];
            node.range = static_cast<qint16>(r + 1);
            node.E = p.E;
            node.sigma_a = p.sigma_a;
            node.tau_a = p.tau_a;
            node.rho = p.rho;
            node.A = p.A;
            node.Z = p.Z;
            node.I = p.I;
            node.w = p.w;
            if (!message.isEmpty())
                remembered = message;
        }
    }
    if (!remembered.isEmpty())
        log.Fail(remembered);
}
