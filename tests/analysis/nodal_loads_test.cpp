#include "analysis/nodal_loads.h"

#include "analysis_fixture.h"

#include <gtest/gtest.h>

namespace {

// The nodal forces of the nodes written as the given texts.
std::vector<double> Forces_At(const NodeTable& table, const QStringList& places)
{
    std::vector<double> forces;
    for (const QString& place : places) {
        const int node = Node_At(table, place);
        forces.push_back(node < 0 ? std::nan("") : table.nodes[node].F);
    }
    return forces;
}

double Total_Force(const NodeTable& table)
{
    double total = 0;
    for (const Node& node : table.nodes)
        total += node.F;
    return total;
}

BeamModel Loaded_Beam(const QVector<LoadRecord>& loads)
{
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("10"));
    model.loads = loads;
    return model;
}

TEST(Nodal_Loads, point_forces_and_moments_by_sense_and_unit)
{
    struct Case {
        const char* name;
        QVector<LoadRecord> loads;
        double F;
        double M;
    };
    const QString at_500 = QStringLiteral("LFT,500,mm");
    const Case cases[] = {
        {"(+) as typed", {Load(LoadKind::Force_Plus, at_500, QStringLiteral("100,kg"))}, 100, 0},
        {"(-) negated", {Load(LoadKind::Force_Minus, at_500, QStringLiteral("100,kg"))}, -100, 0},
        {"both cancel",
         {Load(LoadKind::Force_Plus, at_500, QStringLiteral("100,kg")),
          Load(LoadKind::Force_Minus, at_500, QStringLiteral("100,kg"))},
         0, 0},
        {"two rows at one point add up",
         {Load(LoadKind::Force_Plus, at_500, QStringLiteral("1,ton")),
          Load(LoadKind::Force_Plus, QStringLiteral("RHT,50,cm"), QStringLiteral("20,kg"))},
         1020, 0},
        {"a moment in kg-m", {Load(LoadKind::Moment_Minus, at_500, QStringLiteral("2,kg-m"))}, 0, -2000},
        {"an unknown kind is skipped", {{QStringLiteral("集中荷重"), at_500, QStringLiteral("100,kg")}}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NodeTable table = Analyse(Loaded_Beam(c.loads)).table;
        const Node& node = table.nodes[Node_At(table, QStringLiteral("500"))];
        EXPECT_DOUBLE_EQ(node.F, c.F);
        EXPECT_DOUBLE_EQ(node.M, c.M);
        EXPECT_DOUBLE_EQ(Total_Force(table), c.F);
    }
}

TEST(Nodal_Loads, distributed_load_is_lumped_by_tributary_lengths_from_either_end)
{
    const QStringList places{"195", "200", "205", "295", "300", "305"};
    const std::vector<double> expected{0, 5, 95, 95, 5, 0};
    for (const char* position : {"LFT,200,300,mm", "RHT,800,700,mm", "LFT,30,20,cm"}) {
        SCOPED_TRACE(position);
        const NodeTable table = Analyse(Loaded_Beam(
            {Load(LoadKind::Press_Plus, QString::fromUtf8(position), QStringLiteral("2,kg/mm"))})).table;
        EXPECT_EQ(Forces_At(table, places), expected);
        EXPECT_DOUBLE_EQ(Total_Force(table), 200);
    }
    const NodeTable minus = Analyse(Loaded_Beam(
        {Load(LoadKind::Press_Minus, QStringLiteral("LFT,200,300,mm"), QStringLiteral("2,kg/mm"))})).table;
    EXPECT_EQ(Forces_At(minus, places), std::vector<double>({0, -5, -95, -95, -5, 0}));
}

NodeTable Nodes_At(std::initializer_list<double> positions)
{
    NodeTable table;
    for (const double x : positions) {
        Node node;
        node.x = x;
        table.nodes.push_back(node);
    }
    return table;
}

TEST(Nodal_Loads, loads_that_carry_nothing_or_miss_every_node_change_nothing)
{
    NodeTable table = Nodes_At({0, 100, 200});
    const Node_Finder finder(table);
    Add_Distributed_Load(table, finder, 100, 100, 5);               // zero length
    Add_Distributed_Load(table, finder, 200, 200.00000000000003, 5); // one place, at the last node
    Add_Point_Force(table, finder, 50, 7);
    Add_Point_Moment(table, finder, 150, 7);
    Set_Support(table, finder, 250, 1, 1, 1);
    for (const Node& node : table.nodes) {
        EXPECT_EQ(node.F, 0);
        EXPECT_EQ(node.M, 0);
        EXPECT_EQ(node.Tx + node.Ty + node.Rt, 0);
    }
}

TEST(Nodal_Loads, self_weight_by_area_and_density_or_by_unit_mass)
{
    struct Case {
        const char* name;
        const char* unit_mass;
        double node_force;  // of a node with 100 mm elements on both sides
    };
    for (const Case c : {Case{"area x density", "0", 0.78}, Case{"unit mass first", "0.00692", 0.692}}) {
        SCOPED_TRACE(c.name);
        BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("10"));
        model.self_weight = true;
        model.sections[0].area = QStringLiteral("1000");
        model.sections[0].unit_mass = QString::fromUtf8(c.unit_mass);
        model.materials[0].density = QStringLiteral("7.8E-06");
        model.materials[0].density_unit = QStringLiteral("kg/mm^3");
        model.constraints = {Support(ConstraintKind::Fixed, QStringLiteral("LFT,500,mm"))};
        const Analysis_Run run = Analyse(model);
        EXPECT_TRUE(run.log.messages.isEmpty()) << run.log.messages.join(QStringLiteral("\n")).toStdString();
        // Uniform nodes only, apart from the support's neighbours at 495 and 505.
        const std::vector<double> forces = Forces_At(run.table, {"0", "100", "495", "500", "505", "1000"});
        const double q = c.node_force / 100;
        EXPECT_DOUBLE_EQ(forces[0], 50 * q);
        EXPECT_DOUBLE_EQ(forces[1], 100 * q);
        EXPECT_DOUBLE_EQ(forces[2], 50 * q);
        EXPECT_DOUBLE_EQ(forces[3], 5 * q);
        EXPECT_DOUBLE_EQ(forces[4], 50 * q);
        EXPECT_DOUBLE_EQ(forces[5], 50 * q);
        EXPECT_NEAR(Total_Force(run.table), 1000 * q, 1e-12);
    }
}

TEST(Nodal_Loads, self_weight_of_each_half_element_uses_the_element_s_first_node)
{
    NodeTable table = Nodes_At({0, 100, 300});
    table.nodes[0].w = 1;
    table.nodes[1].w = 2;
    table.nodes[2].A = 10;
    table.nodes[2].rho = 0.5;  // the last node weighs its own half with 5
    Add_Self_Weight(table);
    EXPECT_EQ(table.nodes[0].F, 50);
    EXPECT_EQ(table.nodes[1].F, 50 * 1 + 100 * 2);
    EXPECT_EQ(table.nodes[2].F, 100 * 5);
}

TEST(Nodal_Loads, supports_at_one_node_combine)
{
    BeamModel model = Beam(QStringLiteral("1000"), QStringLiteral("10"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
    model.constraints = {Support(ConstraintKind::Simple, QStringLiteral("LFT,0,mm")),
                         Support(ConstraintKind::User_Defined, QStringLiteral("RHT,0,mm,Tx,-,Rt")),
                         Support(ConstraintKind::Roller, QStringLiteral("LFT,1,m"))};
    const NodeTable table = Analyse(model).table;
    const auto flags = [&](const char* place) {
        const Node& n = table.nodes[Node_At(table, QString::fromUtf8(place))];
        return std::vector<double>{n.Tx, n.Ty, n.Rt};
    };
    EXPECT_EQ(flags("0"), std::vector<double>({1, 1, 0}));
    EXPECT_EQ(flags("1000"), std::vector<double>({1, 1, 1}));
    EXPECT_EQ(flags("500"), std::vector<double>({0, 0, 0}));
}

} // namespace
