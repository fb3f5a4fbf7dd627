#include "analysis/mesh.h"

#include "analysis_fixture.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Mesh, supports_and_a_point_load_give_exactly_these_nodes)
{
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("10"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
    const Analysis_Run run = Analyse(model);
    EXPECT_EQ(Positions(run.table), QStringList({"0", "5", "100", "200", "300", "400", "495", "500", "505", "600",
                                                 "700", "800", "900", "995", "1000"}));
    EXPECT_EQ(run.table.Element_Count(), 14);
}

TEST(Mesh, where_extra_nodes_appear)
{
    struct Case {
        const char* name;
        QVector<LoadRecord> loads;
        QVector<ConstraintRecord> constraints;
        QStringList extra;  // nodes beyond the uniform 0, 100, ..., 1000
    };
    const Case cases[] = {
        {"a load at the left end adds nothing",
         {Load(LoadKind::Force_Plus, QStringLiteral("LFT,0,mm"), QStringLiteral("1,kg"))},
         {},
         {}},
        {"a load at the right end adds nothing",
         {Load(LoadKind::Moment_Plus, QStringLiteral("RHT,0,mm"), QStringLiteral("1,kg-mm"))},
         {},
         {}},
        {"a support at the left end adds its right neighbour",
         {},
         {Support(ConstraintKind::Fixed, QStringLiteral("LFT,0,mm"))},
         {"5"}},
        {"a support at the right end adds its left neighbour",
         {},
         {Support(ConstraintKind::Roller, QStringLiteral("RHT,0,mm"))},
         {"995"}},
        {"a distributed load adds its ends' neighbours",
         {Load(LoadKind::Press_Plus, QStringLiteral("LFT,200,300,mm"), QStringLiteral("2,kg/mm"))},
         {},
         {"195", "205", "295", "305"}},
        {"measured from the right end, in cm",
         {Load(LoadKind::Force_Minus, QStringLiteral("RHT,25,cm"), QStringLiteral("1,kg"))},
         {},
         {"745", "750", "755"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamModel model = Beam(QStringLiteral("1000"), QStringLiteral("10"));
        model.loads = c.loads;
        model.constraints = c.constraints;
        QStringList expected = c.extra;
        for (int i = 0; i <= 10; ++i)
            expected << QString::number(i * 100);
        std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return a.toDouble() < b.toDouble();
        });
        EXPECT_EQ(Positions(Analyse(model).table), expected);
    }
}

TEST(Mesh, neighbour_distance_is_five_percent_of_the_uniform_step)
{
    BeamModel model = Beam(QStringLiteral("1000"), QStringLiteral("200"));
    model.constraints = {Support(ConstraintKind::Fixed, QStringLiteral("LFT,333,mm"))};
    const NodeTable table = Analyse(model).table;
    EXPECT_GE(Node_At(table, QStringLiteral("332.75")), 0);
    EXPECT_GE(Node_At(table, QStringLiteral("333.25")), 0);
}

// 1000 / 30 * 30 is 1000.0000000000001: the last uniform node and a support at the
// right end (1000) are one place in the input file and must be one node.
TEST(Mesh, positions_written_alike_are_one_node)
{
    const BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("30"));
    const NodeTable table = Analyse(model).table;
    const QStringList texts = Positions(table);
    EXPECT_EQ(std::set<QString>(texts.begin(), texts.end()).size(), static_cast<size_t>(texts.size()));
    EXPECT_EQ(texts.last(), QStringLiteral("1000"));
    EXPECT_EQ(table.nodes.back().x, 1000.0);  // the first of the merged positions is kept
    EXPECT_EQ(table.nodes.back().Ty, 1);
    EXPECT_EQ(table.Node_Count(), 31 + 2);
}

TEST(Mesh, positions_differing_in_the_16th_digit_are_one_node)
{
    // The uniform node 1000 / 3 = 333.33333333333331 and a load typed with 15 digits.
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("3"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,333.333333333333,mm"), QStringLiteral("10,kg"))};
    const NodeTable table = Analyse(model).table;
    EXPECT_EQ(Positions(table).count(QStringLiteral("333.333333333333")), 1);
    const int node = Node_At(table, QStringLiteral("333.333333333333"));
    EXPECT_EQ(table.nodes[node].F, 10);
}

TEST(Mesh, override_range_takes_its_boundary_nodes_and_elements)
{
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("3"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("10,kg"))};
    SectionRecord thick = Default_Section();
    thick.area = QStringLiteral("2");
    thick.area_unit = QStringLiteral("cm^2");
    model.sections.append(thick);
    model.ranges.append({QStringLiteral("250"), QStringLiteral("400"), QStringLiteral("MAT1"), QStringLiteral("SCT2")});
    const NodeTable table = Analyse(model).table;
    for (const Node& node : table.nodes) {
        SCOPED_TRACE(node.x);
        const bool inside = node.x >= 250 && node.x <= 400;
        EXPECT_EQ(node.range, inside ? 2 : 1);
        EXPECT_EQ(node.A, inside ? 200 : 881.8);
        EXPECT_EQ(node.E, Conv_Stress(206, QStringLiteral("GPa"), QStringLiteral("kg/mm^2")));
        EXPECT_EQ(node.w, 0.00692);
    }
    EXPECT_GE(Node_At(table, QStringLiteral("250")), 0);
    EXPECT_GE(Node_At(table, QStringLiteral("400")), 0);
}

// A range start a rounding error above a uniform node merges into that node, and the
// node stays on the range's stretch.
TEST(Mesh, range_start_merged_into_a_nearby_node_still_covers_it)
{
    // With count 76 the uniform node 19 is 249.99999999999997; the range starts at 250.
    BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("76"));
    model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("10,kg"))};
    model.ranges.append({QStringLiteral("250"), QStringLiteral("400"), QStringLiteral("MAT1"), QStringLiteral("SCT1")});
    const NodeTable table = Analyse(model).table;
    const int node = Node_At(table, QStringLiteral("250"));
    ASSERT_GE(node, 0);
    ASSERT_LT(table.nodes[node].x, 250.0);
    EXPECT_EQ(Positions(table).count(QStringLiteral("250")), 1);
    EXPECT_EQ(table.nodes[node].range, 2);
    EXPECT_EQ(table.nodes[node - 1].range, 1);
}

} // namespace
