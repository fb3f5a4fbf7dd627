#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <optional>

// The one beam being designed. Every value is kept as the text the user typed, next to
// the unit text the user chose; numbers are parsed only where they are used. Record n
// of a table (MAT n, SCT n, Prop.No. n, load row n) is element n-1 of its vector.

struct MaterialRecord {
    QString name;
    QString youngs_modulus;         // E
    QString youngs_modulus_unit;
    QString tensile_stress;         // allowable stress (bending safety factor)
    QString tensile_stress_unit;
    QString shear_stress;           // allowable shear stress (shear safety factor)
    QString shear_stress_unit;
    QString density;                // self weight when the section has no unit mass
    QString density_unit;
    bool operator==(const MaterialRecord&) const = default;
};

struct SectionRecord {
    QString name;
    QString area;                   // A
    QString area_unit;
    QString section_modulus;        // Z
    QString section_modulus_unit;
    QString second_moment;          // I
    QString second_moment_unit;
    QString unit_mass;              // w, takes precedence over density x area
    QString unit_mass_unit;
    bool operator==(const SectionRecord&) const = default;
};

struct PropertyRange {
    QString start;                  // in the beam's length unit, from the left end
    QString end;
    QString material;               // "MAT" n, or empty until assigned
    QString section;                // "SCT" n, or empty until assigned
    bool operator==(const PropertyRange&) const = default;
};

// The three cells of a load row: kind text, position text, value text.
struct LoadRecord {
    QString kind;
    QString position;
    QString value;
    bool operator==(const LoadRecord&) const = default;
};

// The two cells of a constraint row: kind text, position text.
struct ConstraintRecord {
    QString kind;
    QString position;
    bool operator==(const ConstraintRecord&) const = default;
};

struct BeamModel {
    QString length = QStringLiteral("300");
    QString length_unit = QStringLiteral("mm");
    QString element_count = QStringLiteral("200");
    bool self_weight = false;
    QVector<PropertyRange> ranges;  // ranges[0] is the base range 0 .. length
    QVector<MaterialRecord> materials;
    QVector<SectionRecord> sections;
    QVector<LoadRecord> loads;
    QVector<ConstraintRecord> constraints;
    bool operator==(const BeamModel&) const = default;
};

enum class LoadKind { Force_Plus, Force_Minus, Moment_Plus, Moment_Minus, Press_Plus, Press_Minus };
enum class LoadGroup { Force, Moment, Press };
enum class ConstraintKind { Simple, Roller, Fixed, User_Defined };

// Kinds in the order of the dialogs' tabs and of the schematic's icon tables.
const QVector<LoadKind>& All_Load_Kinds();
const QVector<ConstraintKind>& All_Constraint_Kinds();

QString Load_Kind_Text(LoadKind kind);                  // "集中荷重(+)" ...
std::optional<LoadKind> Load_Kind_Of(const QString& text);
LoadGroup Load_Group_Of(LoadKind kind);
QString Load_Group_Text(LoadGroup group);               // "Force", "Moment", "Press"
bool Is_Distributed(LoadKind kind);

QString Constraint_Kind_Text(ConstraintKind kind);      // "単純支持" ...
std::optional<ConstraintKind> Constraint_Kind_Of(const QString& text);

struct Restraint {
    bool tx = false;                // translation along the beam
    bool ty = false;                // translation across the beam
    bool rt = false;                // rotation
    bool operator==(const Restraint&) const = default;
};
// The fixed restraints of the standard kinds; User_Defined gives none (its record says).
Restraint Standard_Restraint(ConstraintKind kind);

// Entries of one load kind or one constraint kind the schematic can show.
inline constexpr int Max_Entries_Per_Kind = 64;
// Record numbers are 16-bit.
inline constexpr int Max_Record_Number = 32767;

inline const QString Material_Prefix = QStringLiteral("MAT");
inline const QString Section_Prefix = QStringLiteral("SCT");
inline const QString Left_End = QStringLiteral("LFT");
inline const QString Right_End = QStringLiteral("RHT");

// The choices of the minimum element count selector.
const QStringList& Element_Count_Choices();

// The panels' contents before any data file is read.
MaterialRecord Default_Material();
SectionRecord Default_Section();
// A complete model from those defaults: base range 0..300 with MAT1 and SCT1.
BeamModel Default_Beam_Model();
