#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

#include "analysis/node_table.h"
#include "model/beam_model.h"
#include "results/result_grid.h"
#include "results/result_set.h"

// The node-by-node export table shared by the CSV file and the workbook: 22 columns of
// position and loading, support flags, results, and the material and section values,
// each in the unit the user currently sees.

inline constexpr int Export_Columns = 22;

// Units chosen in the material and section panels, in the order of columns 15 to 22.
struct Property_Units {
    QString area;                    // Area_UnitCombo
    QString section_modulus;         // DanmenKeisu_UnitCombo
    QString second_moment;           // Danmen2ji_UnitCombo
    QString unit_mass;               // TanniM_UnitCombo
    QString youngs_modulus;          // Youngs_modulus_UnitCombo
    QString allowable_stress;        // Allwble_Tns_Stress_UnitCombo
    QString allowable_shear_stress;  // Allwble_Shr_Stress_UnitCombo
    QString density;                 // Density_UnitCombo
};

struct Export_Units {
    QString length;        // Length_UnitCombo
    Result_Units results;  // the unit cells of Post_Grid
    Property_Units properties;
};

// The panels' units as a material and a section record carry them.
Property_Units Property_Units_Of(const MaterialRecord& material, const SectionRecord& section);

// Header row and unit row, 22 texts each.
const QStringList& Export_Headers();
QStringList Export_Unit_Row(const Export_Units& units);

using Export_Row = std::array<double, Export_Columns>;

// One row per node: the node number, then columns 2 to 22 converted to the given units.
// Nothing when the results do not cover every node of the mesh (no results yet, or
// results of another mesh).
std::optional<std::vector<Export_Row>> Export_Table_Rows(const NodeTable& nodes, const ResultSet& results,
                                                         const Export_Units& units);
