#include "analysis/nodal_loads.h"

#include "analysis/check_data.h"
#include "analysis/position_mm.h"
#include "model/field_text.h"
#include "model/number_text.h"
#include "model/record_text.h"
#include "model/units.h"

#include <cmath>

namespace {

const QString Comma = QStringLiteral(",");

// The signed value of a load row in analysis units.
double Load_Value(const LoadRecord& load, LoadKind kind)
{
    double value = Leading_Number(Field(load.value, Comma, 0));
    const QString unit = Field(load.value, Comma, 1);
    if (kind == LoadKind::Force_Minus || kind == LoadKind::Moment_Minus || kind == LoadKind::Press_Minus)
        value = -value;
    switch (Load_Group_Of(kind)) {
    case LoadGroup::Force:
        return Conv_Force(value, unit, QStringLiteral("kg"));
    case LoadGroup::Moment:
        return Conv_Moment(value, unit, QStringLiteral("kg-mm"));
    case LoadGroup::Press:
        break;
    }
    return Conv_Per_Length(value, unit, QStringLiteral("kg/mm"));
}

} // namespace

void Add_Point_Force(NodeTable& table, const Node_Finder& finder, double x, double P)
{
    if (const auto i = finder.First_At(x))
        table.nodes[*i].F += P;
}

void Add_Point_Moment(NodeTable& table, const Node_Finder& finder, double x, double Q)
{
    if (const auto i = finder.First_At(x))
        table.nodes[*i].M += Q;
}

void Add_Distributed_Load(NodeTable& table, const Node_Finder& finder, double x1, double x2, double q)
{
    if (x1 > x2)
        std::swap(x1, x2);
    const double c = std::abs(x2 - x1);
    const double total = c * q;
    const int j1 = finder.Last_At(x1).value_or(0);
    const int j2 = finder.Last_At(x2).value_or(0);
    // Start and end on one node (c is 0 or below the written precision): nothing to
    // share, and the shares below would divide by c.
    if (j1 >= j2)
        return;
    const std::vector<Node>& n = table.nodes;
    for (int j = j1; j <= j2; ++j) {
        const double left = j == j1 ? n[j].x : (n[j - 1].x + n[j].x) / 2;
        const double right = j == j2 ? n[j].x : (n[j].x + n[j + 1].x) / 2;
        table.nodes[j].F += (right - left) * total / c;
    }
}

void Add_Self_Weight(NodeTable& table)
{
    std::vector<Node>& n = table.nodes;
    if (n.size() < 2)
        return;
    const auto q = [&n](size_t i) { return n[i].w != 0 ? n[i].w : n[i].A * n[i].rho; };
    const size_t last = n.size() - 1;
    // Each term reads only positions and properties, so updating F in place is safe.
    n[0].F += n[1].x / 2 * q(0);
    for (size_t i = 1; i < last; ++i)
        n[i].F += (n[i].x - n[i - 1].x) / 2 * q(i - 1) + (n[i + 1].x - n[i].x) / 2 * q(i);
    n[last].F += (n[last].x - n[last - 1].x) / 2 * q(last);
}

void Build_Loads(const BeamModel& model, NodeTable& table, Run_Log& log)
{
    for (Node& node : table.nodes) {
        node.F = 0;
        node.M = 0;
    }
    int counted = 0;
    if (table.self_weight == 1) {
        Add_Self_Weight(table);
        counted = 1;
    }
    const Node_Finder finder(table);
    const double L = table.length_mm;
    for (const LoadRecord& load : model.loads) {
        const std::optional<LoadKind> kind = Load_Kind_Of(load.kind);
        if (!kind)
            continue;
        const Position_Mm p = Position_In_mm(load.position);
        const double value = Load_Value(load, *kind);
        switch (Load_Group_Of(*kind)) {
        case LoadGroup::Force:
            Add_Point_Force(table, finder, From_Left(p.reference, p.first, L), value);
            break;
        case LoadGroup::Moment:
            Add_Point_Moment(table, finder, From_Left(p.reference, p.first, L), value);
            break;
        case LoadGroup::Press:
            Add_Distributed_Load(table, finder, From_Left(p.reference, p.first, L),
                                 From_Left(p.reference, p.second, L), value);
            break;
        }
        if (value != 0)
            ++counted;
    }
    if (counted == 0)
        log.Fail(No_Load_Message);
}

void Set_Support(NodeTable& table, const Node_Finder& finder, double x, qint16 tx, qint16 ty, qint16 rt)
{
    const auto i = finder.First_At(x);
    if (!i)
        return;
    Node& node = table.nodes[*i];
    const auto combine = [](double flag, qint16 arg) { return flag == 1 || arg == 1 ? 1.0 : 0.0; };
    node.Tx = combine(node.Tx, tx);
    node.Ty = combine(node.Ty, ty);
    node.Rt = combine(node.Rt, rt);
}

void Build_Supports(const BeamModel& model, NodeTable& table, Run_Log& log)
{
    for (Node& node : table.nodes) {
        node.Tx = 0;
        node.Ty = 0;
        node.Rt = 0;
    }
    const Node_Finder finder(table);
    Restraint_Counts counts;
    for (const ConstraintRecord& constraint : model.constraints) {
        // A row of an unknown kind restrains nothing and counts for nothing.
        const Restraint r = Constraint_Restraint(constraint);
        const Position_Mm p = Position_In_mm(constraint.position);
        Set_Support(table, finder, From_Left(p.reference, p.first, table.length_mm), r.tx, r.ty, r.rt);
        counts.nX += r.tx;
        counts.nY += r.ty;
        counts.nR += r.rt;
    }
    const QString message = Support_Check_Message(counts);
    if (!message.isEmpty())
        log.Fail(message);
}
