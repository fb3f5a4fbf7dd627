#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>

#include "cantilever_fixture.h"
#include "model/settings_file.h"
#include "results/csv_export.h"
#include "results/import_results.h"

namespace {

// Units other than the stored ones in every column, so each conversion shows.
Export_Units Chosen_Units()
{
    Export_Units units;
    units.length = QStringLiteral("m");
    units.results.stress = QStringLiteral("kg/mm^2");
    units.results.distance = QStringLiteral("m");
    units.results.moment = QStringLiteral("kg-mm");
    units.results.force = QStringLiteral("kg");
    units.properties = {QStringLiteral("cm^2"), QStringLiteral("cm^3"), QStringLiteral("cm^4"),
                        QStringLiteral("kg/m"), QStringLiteral("GPa"),  QStringLiteral("MPa"),
                        QStringLiteral("psi"),  QStringLiteral("kg/mm^3")};
    return units;
}

ResultSet Cantilever_Results()
{
    return *ReadResultFile(Cantilever_Result_Path(), Cantilever_Mesh(), Settings{});
}

TEST(Csv_Export_Test, CantileverTableMatchesTheGoldenFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("result.csv"));
    const Csv_Export_Outcome outcome = ExportResultsToCsv(path, Cantilever_Mesh(), Cantilever_Results(), Chosen_Units());
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message, QStringLiteral("保存しました。"));
    EXPECT_EQ(File_Bytes(path), File_Bytes(QStringLiteral(TEST_DATA_DIR "/cantilever_export.csv")));
}

TEST(Csv_Export_Test, UnitRowFollowsTheGridAndPanelUnitsColumnByColumn)
{
    Result_Grid grid = SetUpResultGrid();
    grid.cells[Row_Max_Bending_Stress][Column_Unit] = QStringLiteral("kg/mm^2");
    grid.cells[Row_Max_Shear_Stress][Column_Unit] = QStringLiteral("ksi");  // row 2 has no column of its own
    Export_Units units;
    units.length = QStringLiteral("mm");
    units.results = Grid_Result_Units(grid);
    MaterialRecord material = Default_Material();
    material.youngs_modulus_unit = QStringLiteral("GPa");
    material.tensile_stress_unit = QStringLiteral("MPa");
    material.shear_stress_unit = QStringLiteral("ksi");
    material.density_unit = QStringLiteral("kg/m^3");
    SectionRecord section = Default_Section();
    section.area_unit = QStringLiteral("mm^2");
    section.section_modulus_unit = QStringLiteral("cm^3");
    section.second_moment_unit = QStringLiteral("in^4");
    section.unit_mass_unit = QStringLiteral("kg/mm");
    units.properties = Property_Units_Of(material, section);

    EXPECT_EQ(Export_Unit_Row(units).join(','),
              QStringLiteral("Unit.,mm,N,N-mm,(1/0),(1/0),(1/0),kg/mm^2,kg/mm^2,mm,N-mm,N,N,N-mm,"
                             "mm^2,cm^3,in^4,kg/mm,GPa,MPa,ksi,kg/m^3"));
}

TEST(Csv_Export_Test, WithoutResultsForTheMeshNothingIsWrittenAndTheFailureIsReported)
{
    using Edit = std::function<void(NodeTable&, ResultSet&)>;
    struct Case {
        const char* name;
        Edit edit;
    };
    const Case cases[]{
        {"no results yet", [](NodeTable&, ResultSet& results) { results = ResultSet{}; }},
        {"results of a smaller mesh", [](NodeTable& mesh, ResultSet&) { mesh.nodes.push_back(mesh.nodes.back()); }},
        {"an empty mesh",
         [](NodeTable& mesh, ResultSet& results) {
             mesh.nodes.clear();
             results = ResultSet{};
         }},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.csv"));
    const QStringList earlier{QStringLiteral("an earlier export")};
    ASSERT_EQ(Write_Text_Lines(path, earlier), QString());
    const QByteArray earlier_bytes = File_Bytes(path);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NodeTable mesh = Cantilever_Mesh();
        ResultSet results = Cantilever_Results();
        c.edit(mesh, results);
        const Csv_Export_Outcome outcome = ExportResultsToCsv(path, mesh, results, Chosen_Units());
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message, QStringLiteral("エラーにより正常に出力が出来なかった可能性があります。"));
        EXPECT_EQ(File_Bytes(path), earlier_bytes);
    }

    const Csv_Export_Outcome unwritable = ExportResultsToCsv(
        dir.filePath(QStringLiteral("no such folder/result.csv")), Cantilever_Mesh(), Cantilever_Results(), Chosen_Units());
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.message, QStringLiteral("エラーにより正常に出力が出来なかった可能性があります。"));
}

} // namespace
