#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using Conversion = double (*)(double, const QString&, const QString&);

// One unit of a conversion table with the operations written out as in the table, so
// every row is checked bit for bit in both directions.
struct Unit_Case {
    Conversion convert;
    const char* base;
    const char* unit;
    std::function<double(double)> to_base;
    std::function<double(double)> from_base;
};

const double in2 = std::pow(25.4, 2);
const double in3 = std::pow(25.4, 3);
const double in4 = std::pow(25.4, 4);

const Unit_Case unit_cases[] = {
    {Conv_Stress, "MPa", "GPa", [](double v) { return v * 1000; }, [](double v) { return v / 1000; }},
    {Conv_Stress, "MPa", "MPa", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Stress, "MPa", "N/mm^2", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Stress, "MPa", "N/cm^2", [](double v) { return v / 100; }, [](double v) { return v * 100; }},
    {Conv_Stress, "MPa", "kg/cm^2", [](double v) { return v * 0.0980665; }, [](double v) { return v * 10.1972; }},
    {Conv_Stress, "MPa", "kg/mm^2", [](double v) { return v * 9.80665; }, [](double v) { return v * 0.101972; }},
    {Conv_Stress, "MPa", "psi", [](double v) { return v * 0.00689476; }, [](double v) { return v * 145.038; }},
    {Conv_Stress, "MPa", "ksi", [](double v) { return v * 6.89476; }, [](double v) { return v * 0.145038; }},

    {Conv_Length, "mm", "m", [](double v) { return v * 1000; }, [](double v) { return v / 1000; }},
    {Conv_Length, "mm", "cm", [](double v) { return v * 10; }, [](double v) { return v / 10; }},
    {Conv_Length, "mm", "mm", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Length, "mm", "in", [](double v) { return v * 25.4; }, [](double v) { return v / 25.4; }},

    {Conv_Moment, "N-mm", "N-mm", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Moment, "N-mm", "N-cm", [](double v) { return v * 10; }, [](double v) { return v / 10; }},
    {Conv_Moment, "N-mm", "N-m", [](double v) { return v * 1000; }, [](double v) { return v / 1000; }},
    {Conv_Moment, "N-mm", "kg-mm", [](double v) { return v * 9.806659; }, [](double v) { return v / 9.806659; }},
    {Conv_Moment, "N-mm", "kg-cm", [](double v) { return v * 9.806659 * 10; }, [](double v) { return v / 10 / 9.806659; }},
    {Conv_Moment, "N-mm", "kg-m", [](double v) { return v * 9.806659 * 1000; }, [](double v) { return v / 1000 / 9.806659; }},
    {Conv_Moment, "N-mm", "lb-in", [](double v) { return v * 1000 / 8.85075; }, [](double v) { return v / 1000 * 8.85075; }},

    {Conv_Force, "N", "N", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Force, "N", "kg", [](double v) { return v * 9.806659; }, [](double v) { return v / 9.806659; }},
    {Conv_Force, "N", "ton", [](double v) { return v * 9.806659 * 1000; }, [](double v) { return v / 9.806659 / 1000; }},
    {Conv_Force, "N", "lb", [](double v) { return v * 4.44822; }, [](double v) { return v / 4.44822; }},

    {Conv_Inertia, "mm^4", "cm^4", [](double v) { return v * 10000; }, [](double v) { return v / 10000; }},
    {Conv_Inertia, "mm^4", "mm^4", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Inertia, "mm^4", "in^4", [](double v) { return v * in4; }, [](double v) { return v / in4; }},

    {Conv_Modulus, "mm^3", "cm^3", [](double v) { return v * 1000; }, [](double v) { return v / 1000; }},
    {Conv_Modulus, "mm^3", "mm^3", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Modulus, "mm^3", "in^3", [](double v) { return v * in3; }, [](double v) { return v / in3; }},

    {Conv_Area, "mm^2", "m^2", [](double v) { return v * 1000000; }, [](double v) { return v / 1000000; }},
    {Conv_Area, "mm^2", "cm^2", [](double v) { return v * 100; }, [](double v) { return v / 100; }},
    {Conv_Area, "mm^2", "mm^2", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Area, "mm^2", "in^2", [](double v) { return v * in2; }, [](double v) { return v / in2; }},

    {Conv_Density, "kg/mm^3", "g/cm^3", [](double v) { return v / 1000000; }, [](double v) { return v * 1000000; }},
    {Conv_Density, "kg/mm^3", "kg/mm^3", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Density, "kg/mm^3", "kg/cm^3", [](double v) { return v / 1000; }, [](double v) { return v * 1000; }},
    {Conv_Density, "kg/mm^3", "kg/m^3", [](double v) { return v / 1000000000; }, [](double v) { return v * 1000000000; }},
    {Conv_Density, "kg/mm^3", "lb/in^3", [](double v) { return v * 0.4536 / in3; }, [](double v) { return v * in3 / 0.4536; }},

    {Conv_Per_Length, "kg/mm", "kg/m", [](double v) { return v / 1000; }, [](double v) { return v * 1000; }},
    {Conv_Per_Length, "kg/mm", "kg/cm", [](double v) { return v / 10; }, [](double v) { return v * 10; }},
    {Conv_Per_Length, "kg/mm", "kg/mm", [](double v) { return v; }, [](double v) { return v; }},
    {Conv_Per_Length, "kg/mm", "N/m", [](double v) { return v / 1000 / 9.80665; }, [](double v) { return v * 1000 * 9.80665; }},
    {Conv_Per_Length, "kg/mm", "N/cm", [](double v) { return v / 10 / 9.80665; }, [](double v) { return v * 10 * 9.80665; }},
    {Conv_Per_Length, "kg/mm", "N/mm", [](double v) { return v / 9.80665; }, [](double v) { return v * 9.80665; }},
    {Conv_Per_Length, "kg/mm", "lb/in", [](double v) { return v * 0.4536 / 25.4; }, [](double v) { return v / 0.4536 * 25.4; }},
};

TEST(Units, EveryTableRowConvertsBothWaysWithItsOwnConstants)
{
    for (const Unit_Case& c : unit_cases) {
        for (const double value : {1.0, 206.0, -3.7, 0.00123}) {
            EXPECT_EQ(c.convert(value, c.unit, c.base), c.to_base(value)) << c.unit << " -> " << c.base;
            EXPECT_EQ(c.convert(value, c.base, c.unit), c.from_base(value)) << c.base << " -> " << c.unit;
        }
    }
}

TEST(Units, ConvertsBetweenTwoUnitsThroughTheBase)
{
    for (const Unit_Case& from : unit_cases) {
        for (const Unit_Case& to : unit_cases) {
            if (from.convert != to.convert) continue;
            EXPECT_EQ(from.convert(2.5, from.unit, to.unit), to.from_base(from.to_base(2.5))) << from.unit << " -> " << to.unit;
        }
    }
}

TEST(Units, KnownValues)
{
    // The constant of the target's own row, not the inverse of the source's.
    EXPECT_EQ(Conv_Stress(206, "GPa", "kg/mm^2"), 206.0 * 1000 * 0.101972);
    EXPECT_NE(Conv_Stress(206, "GPa", "kg/mm^2"), 206.0 * 1000 / 9.80665);
    EXPECT_NE(Conv_Stress(Conv_Stress(1, "kg/mm^2", "MPa"), "MPa", "kg/mm^2"), 1.0);
    EXPECT_DOUBLE_EQ(Conv_Length(1, "in", "cm"), 2.54);
    EXPECT_NEAR(Conv_Force(1, "ton", "kg"), 1000, 1e-9);
    EXPECT_DOUBLE_EQ(Conv_Per_Length(6.92, "kg/m", "kg/mm"), 0.00692);
    EXPECT_NEAR(Conv_Moment(1, "lb-in", "N-mm"), 112.98, 0.005);
    EXPECT_EQ(Conv_Area(1, "m^2", "mm^2"), 1e6);
    // Forces and moments use 9.806659, per-length loads 9.80665.
    EXPECT_EQ(Conv_Force(1, "kg", "N"), 9.806659);
    EXPECT_EQ(Conv_Per_Length(1, "kg/mm", "N/mm"), 9.80665);
}

TEST(Units, UnknownOrMiswrittenUnitGivesZero)
{
    EXPECT_EQ(Conv_Area(5, "mm^2", "ft^2"), 0);
    EXPECT_EQ(Conv_Area(5, "MM^2", "mm^2"), 0);
    EXPECT_EQ(Conv_Area(5, "mm^2 ", "mm^2"), 0);
    EXPECT_EQ(Conv_Length(5, "", "mm"), 0);
    EXPECT_EQ(Conv_Length(5, "mm", ""), 0);
    EXPECT_EQ(Conv_Length(5, "kg", "mm"), 0);       // a unit of another quantity
    EXPECT_EQ(Conv_Stress(5, "kg/mm", "MPa"), 0);
    EXPECT_EQ(Conv_Modulus(5, "m^3", "mm^3"), 0);   // only area accepts metres
    EXPECT_EQ(Conv_Force(5, "Kg", "N"), 0);
}

struct List_Case {
    const QStringList& units;
    QStringList expected;
    Conversion convert;
};

TEST(Units, SelectorListsInOrderAndAllConvertible)
{
    const List_Case cases[] = {
        {Length_Units(), {"m", "cm", "mm", "in"}, Conv_Length},
        {Position_Units(), {"mm", "cm", "m", "in"}, Conv_Length},
        {Distance_Units(), {"mm", "cm", "m", "in"}, Conv_Length},
        {Stress_Units(), {"GPa", "MPa", "N/mm^2", "N/cm^2", "kg/cm^2", "kg/mm^2", "psi", "ksi"}, Conv_Stress},
        {Result_Stress_Units(), {"MPa", "N/mm^2", "N/cm^2", "kg/cm^2", "kg/mm^2", "psi", "ksi"}, Conv_Stress},
        {Density_Units(), {"g/cm^3", "kg/mm^3", "kg/cm^3", "kg/m^3", "lb/in^3"}, Conv_Density},
        {Area_Units(), {"mm^2", "cm^2", "in^2"}, Conv_Area},
        {Modulus_Units(), {"mm^3", "cm^3", "in^3"}, Conv_Modulus},
        {Inertia_Units(), {"mm^4", "cm^4", "in^4"}, Conv_Inertia},
        {Unit_Mass_Units(), {"kg/m", "kg/cm", "kg/mm", "lb/in"}, Conv_Per_Length},
        {Force_Units(), {"N", "kg", "ton", "lb"}, Conv_Force},
        {Moment_Units(), {"N-mm", "N-cm", "N-m", "kg-mm", "kg-cm", "kg-m", "lb-in"}, Conv_Moment},
        {Press_Units(), {"N/mm", "N/cm", "N/m", "kg/mm", "kg/cm", "kg/m", "lb/in"}, Conv_Per_Length},
    };
    for (const List_Case& c : cases) {
        EXPECT_EQ(c.units, c.expected);
        for (const QString& unit : c.units) {
            EXPECT_NE(c.convert(1, unit, c.units.front()), 0) << unit.toStdString();
        }
    }
}

TEST(Units, DefaultsAreOnTheirLists)
{
    EXPECT_TRUE(Length_Units().contains(Default_Length_Unit));
    EXPECT_TRUE(Position_Units().contains(Default_Position_Unit));
    EXPECT_EQ(Default_Modulus_Of_Elasticity_Unit, "GPa");
    EXPECT_EQ(Default_Allowable_Stress_Unit, "MPa");
    EXPECT_TRUE(Density_Units().contains(Default_Density_Unit));
    EXPECT_TRUE(Area_Units().contains(Default_Area_Unit));
    EXPECT_TRUE(Modulus_Units().contains(Default_Modulus_Unit));
    EXPECT_TRUE(Inertia_Units().contains(Default_Inertia_Unit));
    EXPECT_TRUE(Unit_Mass_Units().contains(Default_Unit_Mass_Unit));
}

} // namespace
