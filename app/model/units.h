#pragma once

#include <QString>
#include <QStringList>

// Unit conversions. Each goes from the source unit to the quantity's base unit and on
// to the target unit, with the constants of the unit tables (the two directions of a
// unit are not always exact inverses). Unit texts are case-sensitive; a unit outside a
// function's table makes the result 0.
double Conv_Stress(double value, const QString& from_unit, const QString& to_unit);     // base "MPa"
double Conv_Length(double value, const QString& from_unit, const QString& to_unit);     // base "mm"
double Conv_Moment(double value, const QString& from_unit, const QString& to_unit);     // base "N-mm"
double Conv_Force(double value, const QString& from_unit, const QString& to_unit);      // base "N"
double Conv_Inertia(double value, const QString& from_unit, const QString& to_unit);    // base "mm^4"
double Conv_Modulus(double value, const QString& from_unit, const QString& to_unit);    // base "mm^3"
double Conv_Area(double value, const QString& from_unit, const QString& to_unit);       // base "mm^2"
double Conv_Density(double value, const QString& from_unit, const QString& to_unit);    // base "kg/mm^3"
double Conv_Per_Length(double value, const QString& from_unit, const QString& to_unit); // base "kg/mm"

// Unit lists of the selectors, in the order offered.
const QStringList& Length_Units();        // beam length: "m","cm","mm","in"
const QStringList& Position_Units();      // load/constraint position: "mm","cm","m","in"
const QStringList& Distance_Units();      // result distance: "mm","cm","m","in"
const QStringList& Stress_Units();        // E, allowable stresses: the eight from "GPa"
const QStringList& Result_Stress_Units(); // result stress: the seven from "MPa"
const QStringList& Density_Units();
const QStringList& Area_Units();
const QStringList& Modulus_Units();       // section modulus
const QStringList& Inertia_Units();       // second moment of area
const QStringList& Unit_Mass_Units();
const QStringList& Force_Units();         // concentrated force, result force
const QStringList& Moment_Units();        // moment value, result moment
const QStringList& Press_Units();         // distributed load value

// Default selections where the selectors have one.
inline const QString Default_Length_Unit = QStringLiteral("mm");
inline const QString Default_Position_Unit = QStringLiteral("mm");
inline const QString Default_Modulus_Of_Elasticity_Unit = QStringLiteral("GPa");
inline const QString Default_Allowable_Stress_Unit = QStringLiteral("MPa");
inline const QString Default_Density_Unit = QStringLiteral("kg/m^3");
inline const QString Default_Area_Unit = QStringLiteral("mm^2");
inline const QString Default_Modulus_Unit = QStringLiteral("mm^3");
inline const QString Default_Inertia_Unit = QStringLiteral("mm^4");
inline const QString Default_Unit_Mass_Unit = QStringLiteral("kg/mm");
