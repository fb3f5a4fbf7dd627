// The two worked examples, run through the built solver as Trabex would run it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "solver_fixture.h"

using namespace kelvane_test;

namespace {

double Field(const std::map<int, std::vector<std::string>>& records, int node, int field)
{
    return std::stod(records.at(node).at(static_cast<std::size_t>(field)));
}

Beam Simply_Supported()
{
    Beam beam;
    for (double x : {0., 5., 100., 200., 300., 400., 495., 500., 505., 600., 700., 800., 900., 995., 1000.})
        beam.nodes.push_back({x});
    beam.nodes.front().tx = beam.nodes.front().ty = true;
    beam.nodes.back().ty = true;
    beam.nodes[7].fy = 100;
    return beam;
}

}  // namespace

TEST(Worked_Examples, Simply_Supported_Beam_With_Central_Load)
{
    const Program_Dir dir;
    const Solver_Run run = dir.Solve(Input_Text(Simply_Supported()));
    ASSERT_EQ(run.exit_status, 0);
    ASSERT_TRUE(run.result_exists);

    const auto def = Records(run.result, "DEF");
    const auto shear = Records(run.result, "SHEAR");
    const auto moment = Records(run.result, "MOMENT");
    const auto stress = Records(run.result, "STRESS");
    const auto reaction = Records(run.result, "RE_FORCE");
    ASSERT_EQ(def.size(), 15u);
    ASSERT_EQ(stress.size(), 15u);

    const double deflection = Field(def, 8, 3);
    EXPECT_NEAR(deflection, -0.0992063, 0.00000005);
    // The penalty of the supports leaves a relative error of about 1E-10.
    EXPECT_NEAR(deflection, -100 * 1E+09 / (48 * 21000 * 1E+06), 1E-9);
    EXPECT_NEAR(Field(moment, 8, 4), 25000, 1E-4);
    EXPECT_NEAR(Field(stress, 8, 2), 2.5, 1E-8);
    for (int node = 2; node <= 7; ++node)
        EXPECT_NEAR(Field(shear, node, 3), 50, 1E-6) << "node " << node;
    for (int node = 8; node <= 14; ++node)
        EXPECT_NEAR(Field(shear, node, 3), -50, 1E-6) << "node " << node;
    for (int node : {1, 15}) {
        EXPECT_EQ(shear.at(node)[3], "0") << "node " << node;
        EXPECT_EQ(moment.at(node)[4], "0") << "node " << node;
    }

    ASSERT_EQ(reaction.size(), 2u);
    EXPECT_NEAR(Field(reaction, 1, 3), -50, 1E-6);
    EXPECT_NEAR(Field(reaction, 15, 3), -50, 1E-6);
    EXPECT_EQ(reaction.at(15)[2], "0");  // a roller reports no axial reaction
    EXPECT_EQ(reaction.at(15)[4], "0");
    EXPECT_EQ(run.result.substr(run.result.size() - 2), "\r\n");
    EXPECT_EQ(run.result.rfind("RE_FORCE,15,", run.result.size() - 1), run.result.rfind("\r\n", run.result.size() - 3) + 2);
}

TEST(Worked_Examples, Cantilever_With_End_Load)
{
    Beam beam;
    for (double x : {0., 10., 200., 400., 600., 800., 990., 1000.})
        beam.nodes.push_back({x});
    beam.nodes.front().tx = beam.nodes.front().ty = beam.nodes.front().rz = true;
    beam.nodes.back().fy = 100;

    const Program_Dir dir;
    const Solver_Run run = dir.Solve(Input_Text(beam));
    ASSERT_EQ(run.exit_status, 0);
    const auto reaction = Records(run.result, "RE_FORCE");
    ASSERT_EQ(reaction.size(), 1u);
    EXPECT_NEAR(Field(reaction, 1, 3), -100, 1E-6);
    EXPECT_NEAR(Field(reaction, 1, 4), -99000, 1E-4);
    EXPECT_EQ(Records(run.result, "SHEAR").at(1)[3], "0");
    EXPECT_EQ(Records(run.result, "MOMENT").at(1)[4], "0");
    // Tip deflection P L^3 / 3 E I.
    EXPECT_NEAR(std::stod(Records(run.result, "DEF").at(8)[3]), -100 * 1E+09 / (3 * 21000 * 1E+06), 1E-9);
}
