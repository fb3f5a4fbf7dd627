#include "analysis/range_properties.h"

#include "model/number_text.h"
#include "model/record_text.h"
#include "model/units.h"

namespace {

// The record that "MAT"n or "SCT"n names, or an empty record.
template <typename Record>
Record Labelled_Record(const QVector<Record>& records, const QString& label, const QString& prefix)
{
    const int n = Label_Number(label, prefix);
    if (n >= 1 && n <= records.size())
        return records[n - 1];
    return {};
}

} // namespace

Range_Properties Read_Range_Properties(const BeamModel& model, int index)
{
    const PropertyRange& range = model.ranges[index];
    const MaterialRecord m = Labelled_Record(model.materials, range.material, Material_Prefix);
    const SectionRecord s = Labelled_Record(model.sections, range.section, Section_Prefix);
    const QString mm = QStringLiteral("mm");
    const QString kg_mm2 = QStringLiteral("kg/mm^2");
    Range_Properties p;
    p.start = Conv_Length(Leading_Number(range.start), model.length_unit, mm);
    p.end = Conv_Length(Leading_Number(range.end), model.length_unit, mm);
    p.E = Conv_Stress(Leading_Number(m.youngs_modulus), m.youngs_modulus_unit, kg_mm2);
    p.sigma_a = Conv_Stress(Leading_Number(m.tensile_stress), m.tensile_stress_unit, kg_mm2);
    p.tau_a = Conv_Stress(Leading_Number(m.shear_stress), m.shear_stress_unit, kg_mm2);
    p.rho = Conv_Density(Leading_Number(m.density), m.density_unit, QStringLiteral("kg/mm^3"));
    p.A = Conv_Area(Leading_Number(s.area), s.area_unit, QStringLiteral("mm^2"));
    p.Z = Conv_Modulus(Leading_Number(s.section_modulus), s.section_modulus_unit, QStringLiteral("mm^3"));
    p.I = Conv_Inertia(Leading_Number(s.second_moment), s.second_moment_unit, QStringLiteral("mm^4"));
    p.w = Conv_Per_Length(Leading_Number(s.unit_mass), s.unit_mass_unit, QStringLiteral("kg/mm"));
    return p;
}
