#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <vector>

#include "cantilever_fixture.h"
#include "model/text_file.h"
#include "results/import_results.h"

namespace {

void Expect_Values(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(actual[i], expected[i]) << what << " at node index " << i;
}

class Import_Results_Test : public ::testing::Test {
protected:
    QString Write_Result_File(const QStringList& lines)
    {
        const QString path = dir_.filePath(QStringLiteral("kvanpst.dat"));
        EXPECT_EQ(Write_Text_Lines(path, lines), QString());
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(Import_Results_Test, CantileverFileGivesConvertedResultsDerivedQuantitiesAndGridTexts)
{
    Result_State state;
    Result_Grid grid = SetUpResultGrid();
    qint16 flag = 0;
    ASSERT_TRUE(ImportResults(Cantilever_Result_Path(), Cantilever_Mesh(), Settings{}, state, grid, flag));
    EXPECT_EQ(flag, 0);

    const ResultSet& r = state.results;
    Expect_Values(r.deflection, {0, -0.13640873015873, -0.496031746031746, -1.00446428571429, -1.58730158730159},
                  "deflection");
    Expect_Values(r.shear_force, {0, 980.6659, 980.6659, 980.6659, 0}, "shear force");
    Expect_Values(r.shear_stress, {0, 0.9806659, 0.9806659, 1.9613318, 0}, "shear stress");
    Expect_Values(r.shear_safety, {0, 49.999954112812524, 49.999954112812524, 19.99998164512501, 0}, "shear safety");
    Expect_Values(r.bending_moment, {0, -735499.425, -490332.95, -245166.475, 0}, "bending moment");
    Expect_Values(r.bending_stress, {0, -73.549875, -49.03325, -24.516625, 0}, "bending stress");
    // Stress 0 at the ends and no σa on range 2: no factor there, even with σa given.
    Expect_Values(r.bending_safety, {0, 1.3333333333333333, 2, 0, 0}, "bending safety");
    Expect_Values(r.reaction_force, {-980.6659, 0, 0, 0, 0}, "reaction force");
    Expect_Values(r.reaction_moment, {-735499.425, 0, 0, 0, 0}, "reaction moment");

    const ResultExtremes& e = state.extremes;
    EXPECT_DOUBLE_EQ(e.max_deflection, 1.58730158730159);
    EXPECT_DOUBLE_EQ(e.max_shear_force, 980.6659);
    EXPECT_DOUBLE_EQ(e.max_moment, 735499.425);
    EXPECT_DOUBLE_EQ(e.max_bending_stress, 73.549875);
    EXPECT_DOUBLE_EQ(e.max_shear_stress, 1.9613318);
    EXPECT_DOUBLE_EQ(e.min_bending_safety, 1.3333333333333333);
    EXPECT_DOUBLE_EQ(e.min_shear_safety, 19.99998164512501);

    const QStringList values{"7.35499e+1", "1.96133e+0", "1.58730e+0", "1.333", "20.000", "7.35499e+5", "9.80666e+2"};
    const QStringList units{"MPa", "MPa", "mm", "-", "-", "N-mm", "N"};
    for (int row = 1; row < Post_Grid_Rows; ++row) {
        EXPECT_EQ(grid.cells[row][Column_Value], values[row - 1]) << "row " << row;
        EXPECT_EQ(grid.cells[row][Column_Unit], units[row - 1]) << "row " << row;
        EXPECT_EQ(grid.cells[row][Column_Remark], QString()) << "row " << row;
    }
    EXPECT_EQ(grid.current_row, 1);
    EXPECT_EQ(grid.current_column, 3);
}

TEST_F(Import_Results_Test, SignsOfTheSettingsTurnOnlyMomentsShearForcesAndShearStress)
{
    const ResultSet plain = *ReadResultFile(Cantilever_Result_Path(), Cantilever_Mesh(), Settings{});
    const auto negated = [](std::vector<double> values) {
        for (double& value : values)
            value = -value;
        return values;
    };
    struct Case {
        qint16 moment_sign;
        qint16 shear_sign;
        bool moments_turned;
        bool shear_turned;
    };
    // A sign other than 1 counts as -1, as the settings dialog reads it.
    for (const Case c : {Case{-1, 1, true, false}, Case{1, -1, false, true}, Case{-1, -1, true, true},
                         Case{0, 1, true, false}}) {
        SCOPED_TRACE(testing::Message() << "moment sign " << c.moment_sign << ", shear sign " << c.shear_sign);
        Settings settings;
        settings.moment_sign = c.moment_sign;
        settings.shear_sign = c.shear_sign;
        const std::optional<ResultSet> signed_results = ReadResultFile(Cantilever_Result_Path(), Cantilever_Mesh(), settings);
        ASSERT_TRUE(signed_results);
        ResultSet expected = plain;
        if (c.moments_turned)
            expected.bending_moment = negated(plain.bending_moment);
        if (c.shear_turned) {
            expected.shear_force = negated(plain.shear_force);
            expected.shear_stress = negated(plain.shear_stress);
        }
        EXPECT_EQ(*signed_results, expected);
        EXPECT_EQ(ComputeExtremes(*signed_results), ComputeExtremes(plain));
    }
}

TEST_F(Import_Results_Test, NoAllowableStressesLeaveTheMinimumSafetyFactorsAt1E20)
{
    NodeTable mesh = Cantilever_Mesh();
    for (Node& node : mesh.nodes)
        node.sigma_a = node.tau_a = 0;
    Result_State state;
    Result_Grid grid = SetUpResultGrid();
    qint16 flag = 0;
    ASSERT_TRUE(ImportResults(Cantilever_Result_Path(), mesh, Settings{}, state, grid, flag));

    EXPECT_EQ(state.results.bending_safety, std::vector<double>(5, 0.0));
    EXPECT_EQ(state.results.shear_safety, std::vector<double>(5, 0.0));
    EXPECT_EQ(state.extremes.min_bending_safety, 1E+20);
    EXPECT_EQ(state.extremes.min_shear_safety, 1E+20);
    EXPECT_EQ(grid.cells[Row_Min_Bending_Safety][Column_Value], QStringLiteral("100000000000000000000.000"));
    EXPECT_EQ(grid.cells[Row_Min_Shear_Safety][Column_Value], QStringLiteral("100000000000000000000.000"));
}

TEST_F(Import_Results_Test, BlankLinesAnywhereAreSkipped)
{
    const ResultSet plain = *ReadResultFile(Cantilever_Result_Path(), Cantilever_Mesh(), Settings{});
    QStringList lines = Cantilever_Result_Lines();
    lines.insert(lines.indexOf(QStringLiteral("DEF,3,0,-0.496031746031746,0")), QString());
    lines.insert(lines.indexOf(QStringLiteral("$STRESS_Inf,Node No.,Stress[kgf/mm2]")), QString());
    lines.prepend(QString());
    lines << QString() << QString();

    const std::optional<ResultSet> results = ReadResultFile(Write_Result_File(lines), Cantilever_Mesh(), Settings{});
    ASSERT_TRUE(results);
    EXPECT_EQ(*results, plain);
}

TEST_F(Import_Results_Test, EveryFailureSetsTheFlagSilentlyAndKeepsTheEarlierResults)
{
    using Edit = std::function<void(QStringList&, NodeTable&)>;
    const auto replace = [](const char* from, const char* to) -> Edit {
        return [from, to](QStringList& lines, NodeTable&) {
            const qsizetype at = lines.indexOf(QString::fromUtf8(from));
            ASSERT_GE(at, 0) << from;
            lines[at] = QString::fromUtf8(to);
        };
    };
    const auto append = [](const char* line) -> Edit {
        return [line](QStringList& lines, NodeTable&) { lines.append(QString::fromUtf8(line)); };
    };
    struct Case {
        const char* name;
        Edit edit;
    };
    const std::vector<Case> cases{
        {"error file instead of results",
         [](QStringList& lines, NodeTable&) {
             lines = lines.mid(0, lines.indexOf(QStringLiteral("ELEM_B,4,4,5,2")) + 1);
             lines << "$Error Message" << "$PLS CODE:4"
                   << "Please check condition. Constrain or Force may be insufficiency." << "$Error CODE:0";
         }},
        {"node 2 before node 1",
         [](QStringList& lines, NodeTable&) {
             const qsizetype first = lines.indexOf(QStringLiteral("DEF,1,0,0,0"));
             lines.swapItemsAt(first, first + 1);
         }},
        {"a node given twice, another missing", replace("MOMENT,2,0,0,-75000", "MOMENT,1,0,0,-75000")},
        {"one stress record too few", replace("STRESS,5,0", "$")},
        {"one shear record too many", append("SHEAR,6,0,0,0")},
        {"reaction beyond the last node", append("RE_FORCE,6,0,-100,0")},
        {"reaction of node 0", append("RE_FORCE,0,0,-100,0")},
        {"zero area at a node", [](QStringList&, NodeTable& mesh) { mesh.nodes[2].A = 0; }},
        {"results of a mesh with another node count",
         [](QStringList&, NodeTable& mesh) { mesh.nodes.push_back(mesh.nodes.back()); }},
        {"an error file for an empty mesh",
         [](QStringList& lines, NodeTable& mesh) {
             lines = lines.mid(0, lines.indexOf(QStringLiteral("$DEF_Inf,Node No.,dx[mm],dy[mm],dz[mm]")));
             lines << "$Error Message" << "$PLS CODE:1" << "File read error." << "$Error CODE:0";
             mesh.nodes.clear();
         }},
    };

    Result_State earlier;
    Result_Grid earlier_grid = SetUpResultGrid();
    qint16 flag = 0;
    ASSERT_TRUE(ImportResults(Cantilever_Result_Path(), Cantilever_Mesh(), Settings{}, earlier, earlier_grid, flag));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = Cantilever_Result_Lines();
        NodeTable mesh = Cantilever_Mesh();
        c.edit(lines, mesh);
        Result_State state = earlier;
        Result_Grid grid = earlier_grid;
        flag = 0;
        EXPECT_FALSE(ImportResults(Write_Result_File(lines), mesh, Settings{}, state, grid, flag));
        EXPECT_EQ(flag, -1);
        EXPECT_EQ(state, earlier);
        EXPECT_EQ(grid, earlier_grid);
    }

    Result_State state = earlier;
    flag = 0;
    EXPECT_FALSE(ImportResults(dir_.filePath(QStringLiteral("missing.dat")), Cantilever_Mesh(), Settings{}, state,
                               earlier_grid, flag));
    EXPECT_EQ(flag, -1);
    EXPECT_EQ(state, earlier);
}

} // namespace
