#include "model/units.h"

#include <cmath>
#include <vector>

namespace {

// One step of a conversion: multiply or divide by a constant. Each unit keeps its own
// steps for both directions, in the order of the unit tables, so the rounding of every
// intermediate product is the same as in the tables.
struct Step {
    bool divide = false;
    double factor = 1;
};

constexpr Step Mul(double factor) { return {false, factor}; }
constexpr Step Div(double factor) { return {true, factor}; }

struct Unit_Row {
    QString unit;
    std::vector<Step> to_base;
    std::vector<Step> from_base;
};

using Unit_Table = std::vector<Unit_Row>;

double Apply(double value, const std::vector<Step>& steps)
{
    for (const Step& step : steps) value = step.divide ? value / step.factor : value * step.factor;
    return value;
}

const Unit_Row* Find(const Unit_Table& table, const QString& unit)
{
    for (const Unit_Row& row : table) {
        if (row.unit == unit) return &row;
    }
    return nullptr;
}

double Convert(const Unit_Table& table, double value, const QString& from_unit, const QString& to_unit)
{
    const Unit_Row* from = Find(table, from_unit);
    const Unit_Row* to = Find(table, to_unit);
    if (!from || !to) return 0;
    return Apply(Apply(value, from->to_base), to->from_base);
}

// Kilogram-force in newtons: forces and moments use one constant, stresses and
// per-length quantities another.
constexpr double kgf_force = 9.806659;
constexpr double kgf_stress = 9.80665;
constexpr double inch = 25.4;
constexpr double pound = 0.4536;

double Inch_Power(int power) { return std::pow(inch, power); }

} // namespace

double Conv_Stress(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"GPa", {Mul(1000)}, {Div(1000)}},
        {"MPa", {Mul(1)}, {Mul(1)}},
        {"N/mm^2", {Mul(1)}, {Mul(1)}},
        {"N/cm^2", {Div(100)}, {Mul(100)}},
        {"kg/cm^2", {Mul(0.0980665)}, {Mul(10.1972)}},
        {"kg/mm^2", {Mul(9.80665)}, {Mul(0.101972)}},
        {"psi", {Mul(0.00689476)}, {Mul(145.038)}},
        {"ksi", {Mul(6.89476)}, {Mul(0.145038)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Length(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"m", {Mul(1000)}, {Div(1000)}},
        {"cm", {Mul(10)}, {Div(10)}},
        {"mm", {Mul(1)}, {Mul(1)}},
        {"in", {Mul(inch)}, {Div(inch)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Moment(double value, const QString& from_unit, const QString& to_unit)
{
    // 8.85075 lb-in make one N-m.
    static const Unit_Table table{
        {"N-mm", {Mul(1)}, {Mul(1)}},
        {"N-cm", {Mul(10)}, {Div(10)}},
        {"N-m", {Mul(1000)}, {Div(1000)}},
        {"kg-mm", {Mul(kgf_force)}, {Div(kgf_force)}},
        {"kg-cm", {Mul(kgf_force), Mul(10)}, {Div(10), Div(kgf_force)}},
        {"kg-m", {Mul(kgf_force), Mul(1000)}, {Div(1000), Div(kgf_force)}},
        {"lb-in", {Mul(1000), Div(8.85075)}, {Div(1000), Mul(8.85075)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Force(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"N", {Mul(1)}, {Mul(1)}},
        {"kg", {Mul(kgf_force)}, {Div(kgf_force)}},
        {"ton", {Mul(kgf_force), Mul(1000)}, {Div(kgf_force), Div(1000)}},
        {"lb", {Mul(4.44822)}, {Div(4.44822)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Inertia(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"cm^4", {Mul(10000)}, {Div(10000)}},
        {"mm^4", {Mul(1)}, {Mul(1)}},
        {"in^4", {Mul(Inch_Power(4))}, {Div(Inch_Power(4))}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Modulus(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"cm^3", {Mul(1000)}, {Div(1000)}},
        {"mm^3", {Mul(1)}, {Mul(1)}},
        {"in^3", {Mul(Inch_Power(3))}, {Div(Inch_Power(3))}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Area(double value, const QString& from_unit, const QString& to_unit)
{
    // "m^2" is read although no selector offers it.
    static const Unit_Table table{
        {"m^2", {Mul(1000000)}, {Div(1000000)}},
        {"cm^2", {Mul(100)}, {Div(100)}},
        {"mm^2", {Mul(1)}, {Mul(1)}},
        {"in^2", {Mul(Inch_Power(2))}, {Div(Inch_Power(2))}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Density(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"g/cm^3", {Div(1000000)}, {Mul(1000000)}},
        {"kg/mm^3", {Mul(1)}, {Mul(1)}},
        {"kg/cm^3", {Div(1000)}, {Mul(1000)}},
        {"kg/m^3", {Div(1000000000)}, {Mul(1000000000)}},
        {"lb/in^3", {Mul(pound), Div(Inch_Power(3))}, {Mul(Inch_Power(3)), Div(pound)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

double Conv_Per_Length(double value, const QString& from_unit, const QString& to_unit)
{
    static const Unit_Table table{
        {"kg/m", {Div(1000)}, {Mul(1000)}},
        {"kg/cm", {Div(10)}, {Mul(10)}},
        {"kg/mm", {Mul(1)}, {Mul(1)}},
        {"N/m", {Div(1000), Div(kgf_stress)}, {Mul(1000), Mul(kgf_stress)}},
        {"N/cm", {Div(10), Div(kgf_stress)}, {Mul(10), Mul(kgf_stress)}},
        {"N/mm", {Div(kgf_stress)}, {Mul(kgf_stress)}},
        {"lb/in", {Mul(pound), Div(inch)}, {Div(pound), Mul(inch)}},
    };
    return Convert(table, value, from_unit, to_unit);
}

const QStringList& Length_Units()
{
    static const QStringList units{"m", "cm", "mm", "in"};
    return units;
}

const QStringList& Position_Units()
{
    static const QStringList units{"mm", "cm", "m", "in"};
    return units;
}

const QStringList& Distance_Units()
{
    return Position_Units();
}

const QStringList& Stress_Units()
{
    static const QStringList units{"GPa", "MPa", "N/mm^2", "N/cm^2", "kg/cm^2", "kg/mm^2", "psi", "ksi"};
    return units;
}

const QStringList& Result_Stress_Units()
{
    static const QStringList units = Stress_Units().mid(1);
    return units;
}

const QStringList& Density_Units()
{
    static const QStringList units{"g/cm^3", "kg/mm^3", "kg/cm^3", "kg/m^3", "lb/in^3"};
    return units;
}

const QStringList& Area_Units()
{
    static const QStringList units{"mm^2", "cm^2", "in^2"};
    return units;
}

const QStringList& Modulus_Units()
{
    static const QStringList units{"mm^3", "cm^3", "in^3"};
    return units;
}

const QStringList& Inertia_Units()
{
    static const QStringList units{"mm^4", "cm^4", "in^4"};
    return units;
}

const QStringList& Unit_Mass_Units()
{
    static const QStringList units{"kg/m", "kg/cm", "kg/mm", "lb/in"};
    return units;
}

const QStringList& Force_Units()
{
    static const QStringList units{"N", "kg", "ton", "lb"};
    return units;
}

const QStringList& Moment_Units()
{
    static const QStringList units{"N-mm", "N-cm", "N-m", "kg-mm", "kg-cm", "kg-m", "lb-in"};
    return units;
}

const QStringList& Press_Units()
{
    static const QStringList units{"N/mm", "N/cm", "N/m", "kg/mm", "kg/cm", "kg/m", "lb/in"};
    return units;
}
