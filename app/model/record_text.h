#pragma once

#include "model/beam_model.h"

#include <QString>

#include <optional>

// The text forms of the model's records, as the grids show them and the project file
// stores them. The forms have no escape, so the encoders first remove every character
// that would split a field wrongly; decoding never fails (missing fields read as empty).

// A name without ":", CR or LF and without characters code page 932 cannot hold.
QString Clean_Name(const QString& text);
// A number or unit text: as Clean_Name, and also without "," and ";".
QString Clean_Field(const QString& text);

MaterialRecord Clean_Material(const MaterialRecord& record);
SectionRecord Clean_Section(const SectionRecord& record);

// "MAT" + n, "SCT" + n.
QString Record_Label(const QString& prefix, int number);
// The number of a label: the prefix removed and the rest read as a number; a label
// without the prefix or without a number gives 0.
int Label_Number(const QString& label, const QString& prefix);

// name ":" E "," unit ":" σa "," unit ":" τa "," unit ":" ρ "," unit
QString Material_All_Data(const MaterialRecord& record);
MaterialRecord Material_From_All_Data(const QString& all_data);
// name ":" A "," unit ":" Z "," unit ":" I "," unit ":" w "," unit
QString Section_All_Data(const SectionRecord& record);
SectionRecord Section_From_All_Data(const QString& all_data);

// Column 2 of the material and section grids: E (or Z) immediately followed by its unit.
QString Material_Grid_Modulus(const MaterialRecord& record);
QString Section_Grid_Modulus(const SectionRecord& record);
// The four cells of a grid row: label, name, column 2, All_Data.
QStringList Material_Row_Texts(const MaterialRecord& record, int number);
QStringList Section_Row_Texts(const SectionRecord& record, int number);

enum class Position_Form { Single, Distributed, User_Defined };
Position_Form Position_Form_Of(LoadKind kind);
Position_Form Position_Form_Of(ConstraintKind kind);

struct Position_Fields {
    bool from_right = false;        // "RHT" when set, "LFT" otherwise
    QString start;                  // x, or x1 of a distributed load
    QString end;                    // x2 of a distributed load
    QString unit = QStringLiteral("mm");
    Restraint flags;                // user-defined constraint only
    bool operator==(const Position_Fields&) const = default;
};

// REF "," x "," unit; REF "," x1 "," x2 "," unit; REF "," x "," unit "," Tx|- "," Ty|- "," Rt|-
QString Position_Text(const Position_Fields& fields, Position_Form form);
// The form is told by the field count: 4 distributed, 6 user-defined, else single.
Position_Fields Split_Position(const QString& position_text);

struct Value_Fields {
    QString value;
    QString unit;
    bool operator==(const Value_Fields&) const = default;
};
QString Value_Text(const Value_Fields& fields);   // value "," unit
Value_Fields Split_Value(const QString& value_text);

// kind ";" position ";" value, and kind ";" position.
QString Load_All_Data(const LoadRecord& record);
QString Constraint_All_Data(const ConstraintRecord& record);
LoadRecord Load_From_All_Data(const QString& all_data);
ConstraintRecord Constraint_From_All_Data(const QString& all_data);

// What the load and constraint dialogs edit; the records are built from these only.
struct Load_Entry {
    LoadKind kind = LoadKind::Force_Plus;
    Position_Fields position;
    Value_Fields value;
    bool operator==(const Load_Entry&) const = default;
};
struct Constraint_Entry {
    ConstraintKind kind = ConstraintKind::Simple;
    Position_Fields position;
    bool operator==(const Constraint_Entry&) const = default;
};
LoadRecord Load_Record_Of(const Load_Entry& entry);
ConstraintRecord Constraint_Record_Of(const Constraint_Entry& entry);
// Empty when the kind text is not one of the kinds.
std::optional<Load_Entry> Load_Entry_Of(const LoadRecord& record);
std::optional<Constraint_Entry> Constraint_Entry_Of(const ConstraintRecord& record);

// The restraints a constraint applies: fixed by its kind, or its flags when user-defined.
Restraint Constraint_Restraint(const ConstraintRecord& record);

// The position text in millimetres without its unit: LFT,15,cm -> LFT,150;
// RHT,1,2,in -> RHT,25.4,50.8; the flags of a user-defined constraint are dropped.
QString Locate_To_mm(const QString& position_text);
