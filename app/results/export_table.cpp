#include "results/export_table.h"

#include "model/units.h"

Property_Units Property_Units_Of(const MaterialRecord& material, const SectionRecord& section)
{
    return {section.area_unit,         section.section_modulus_unit, section.second_moment_unit,
            section.unit_mass_unit,    material.youngs_modulus_unit, material.tensile_stress_unit,
            material.shear_stress_unit, material.density_unit};
}

const QStringList& Export_Headers()
{
    static const QStringList headers{
        QStringLiteral("No."),          QStringLiteral("左端からの位置"),     QStringLiteral("荷重"),
        QStringLiteral("モーメント"),   QStringLiteral("拘束(Tx)"),           QStringLiteral("拘束(Ty)"),
        QStringLiteral("拘束(Mz)"),     QStringLiteral("曲げ応力"),           QStringLiteral("剪断応力"),
        QStringLiteral("変位"),         QStringLiteral("モーメント"),         QStringLiteral("剪断力"),
        QStringLiteral("拘束反力(Fy)"), QStringLiteral("拘束反力(Mz)"),       QStringLiteral("断面積(A)"),
        QStringLiteral("断面係数(Zx)"), QStringLiteral("断面2次モーメント(Ix)"), QStringLiteral("単位質量(w)"),
        QStringLiteral("ヤング率(E)"),  QStringLiteral("許容応力(σa)"),       QStringLiteral("許容せん断応力(τa)"),
        QStringLiteral("密度(ρ)"),
    };
    return headers;
}

QStringList Export_Unit_Row(const Export_Units& units)
{
    const Result_Units& result = units.results;
    const Property_Units& property = units.properties;
    const QString flag = QStringLiteral("(1/0)");
    return {QStringLiteral("Unit."),    units.length,
            result.force,               result.moment,
            flag,                       flag,
            flag,                       result.stress,
            result.stress,              result.distance,
            result.moment,              result.force,
            result.force,               result.moment,
            property.area,              property.section_modulus,
            property.second_moment,     property.unit_mass,
            property.youngs_modulus,    property.allowable_stress,
            property.allowable_shear_stress, property.density};
}

std::optional<std::vector<Export_Row>> Export_Table_Rows(const NodeTable& nodes, const ResultSet& results,
                                                         const Export_Units& units)
{
    const auto count = nodes.nodes.size();
    for (const std::vector<double>* values :
         {&results.deflection, &results.shear_force, &results.bending_moment, &results.bending_stress,
          &results.shear_stress, &results.reaction_force, &results.reaction_moment}) {
        if (values->size() != count)
            return std::nullopt;
    }
    if (count == 0)
        return std::nullopt;

    const Result_Units& result = units.results;
    const Property_Units& property = units.properties;
    std::vector<Export_Row> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Node& node = nodes.nodes[i];
        rows.push_back({
            static_cast<double>(i + 1),
            Conv_Length(node.x, QStringLiteral("mm"), units.length),
            Conv_Force(node.F, QStringLiteral("kg"), result.force),
            Conv_Moment(node.M, QStringLiteral("kg-mm"), result.moment),
            node.Tx,
            node.Ty,
            node.Rt,
            Conv_Stress(results.bending_stress[i], QStringLiteral("MPa"), result.stress),
            Conv_Stress(results.shear_stress[i], QStringLiteral("MPa"), result.stress),
            Conv_Length(results.deflection[i], QStringLiteral("mm"), result.distance),
            Conv_Moment(results.bending_moment[i], QStringLiteral("N-mm"), result.moment),
            Conv_Force(results.shear_force[i], QStringLiteral("N"), result.force),
            Conv_Force(results.reaction_force[i], QStringLiteral("N"), result.force),
            Conv_Moment(results.reaction_moment[i], QStringLiteral("N-mm"), result.moment),
            Conv_Area(node.A, QStringLiteral("mm^2"), property.area),
            Conv_Modulus(node.Z, QStringLiteral("mm^3"), property.section_modulus),
            Conv_Inertia(node.I, QStringLiteral("mm^4"), property.second_moment),
            Conv_Per_Length(node.w, QStringLiteral("kg/mm"), property.unit_mass),
            Conv_Stress(node.E, QStringLiteral("kg/mm^2"), property.youngs_modulus),
            Conv_Stress(node.sigma_a, QStringLiteral("kg/mm^2"), property.allowable_stress),
            Conv_Stress(node.tau_a, QStringLiteral("kg/mm^2"), property.allowable_shear_stress),
            Conv_Density(node.rho, QStringLiteral("kg/mm^3"), property.density),
        });
    }
    return rows;
}
