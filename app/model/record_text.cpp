#include "model/record_text.h"

#include "model/field_text.h"
#include "model/number_text.h"
#include "model/text_file.h"
#include "model/units.h"

#include <cmath>

namespace {

// Removes every character of `separators` and every character code page 932 cannot
// hold (checked per code point, so a surrogate pair stays or goes as one).
QString Remove_Unsafe(const QString& text, const QString& separators)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (!separators.contains(c))
            kept.append(c);
    if (Is_Cp932_Representable(kept))
        return kept;
    QString held;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const qsizetype length = kept[i].isHighSurrogate() && i + 1 < kept.size() ? 2 : 1;
        const QString one = kept.mid(i, length);
        if (Is_Cp932_Representable(one))
            held.append(one);
        i += length - 1;
    }
    return held;
}

const QString Line_Breaks = QStringLiteral("\r\n");
const QString Name_Unsafe = QStringLiteral(":") + Line_Breaks;
const QString Field_Unsafe = QStringLiteral(":,;") + Line_Breaks;
const QString Cell_Unsafe = QStringLiteral(";") + Line_Breaks;

QString Joined_Value(const QString& value, const QString& unit)
{
    return Clean_Field(value) + QLatin1Char(',') + Clean_Field(unit);
}

// The name and the four value fields of a material or section All_Data. Only names can
// have held a ":" (written before names were cleaned), so surplus fields belong to it.
struct Five_Fields {
    QString name;
    Value_Fields values[4];
};

Five_Fields Split_Five(const QString& all_data)
{
    QStringList parts = all_data.split(QLatin1Char(':'));
    while (parts.size() < 5)
        parts.append(QString());
    Five_Fields fields;
    const qsizetype name_parts = parts.size() - 4;
    fields.name = parts.mid(0, name_parts).join(QLatin1Char(':'));
    for (int i = 0; i < 4; ++i)
        fields.values[i] = Split_Value(parts[name_parts + i]);
    return fields;
}

// Materials and sections share their layout: a name, then four values with their units.
template <typename Record>
Record Record_From_All_Data(const QString& all_data)
{
    const Five_Fields f = Split_Five(all_data);
    return {f.name,
            f.values[0].value, f.values[0].unit,
            f.values[1].value, f.values[1].unit,
            f.values[2].value, f.values[2].unit,
            f.values[3].value, f.values[3].unit};
}

QString Flag_Text(bool set, const char* name)
{
    return set ? QString::fromLatin1(name) : QStringLiteral("-");
}

QString Millimetre_Text(const QString& position_text, qint16 value_index, qint16 unit_index)
{
    const double value = Leading_Number(Field(position_text, QStringLiteral(","), value_index));
    const QString unit = Field(position_text, QStringLiteral(","), unit_index);
    return Decimal_Text(Conv_Length(value, unit, QStringLiteral("mm")));
}

} // namespace

QString Clean_Name(const QString& text)
{
    return Remove_Unsafe(text, Name_Unsafe);
}

QString Clean_Field(const QString& text)
{
    return Remove_Unsafe(text, Field_Unsafe);
}

MaterialRecord Clean_Material(const MaterialRecord& record)
{
    return {Clean_Name(record.name),
            Clean_Field(record.youngs_modulus), Clean_Field(record.youngs_modulus_unit),
            Clean_Field(record.tensile_stress), Clean_Field(record.tensile_stress_unit),
            Clean_Field(record.shear_stress), Clean_Field(record.shear_stress_unit),
            Clean_Field(record.density), Clean_Field(record.density_unit)};
}

SectionRecord Clean_Section(const SectionRecord& record)
{
    return {Clean_Name(record.name),
            Clean_Field(record.area), Clean_Field(record.area_unit),
            Clean_Field(record.section_modulus), Clean_Field(record.section_modulus_unit),
            Clean_Field(record.second_moment), Clean_Field(record.second_moment_unit),
            Clean_Field(record.unit_mass), Clean_Field(record.unit_mass_unit)};
}

QString Record_Label(const QString& prefix, int number)
{
    return prefix + QString::number(number);
}

int Label_Number(const QString& label, const QString& prefix)
{
    if (!label.startsWith(prefix))
        return 0;
    const double number = Leading_Number(label.mid(prefix.size()));
    if (!(std::fabs(number) <= Max_Record_Number))
        return 0;
    return static_cast<int>(number);
}

QString Material_All_Data(const MaterialRecord& record)
{
    return QStringList{Clean_Name(record.name),
                       Joined_Value(record.youngs_modulus, record.youngs_modulus_unit),
                       Joined_Value(record.tensile_stress, record.tensile_stress_unit),
                       Joined_Value(record.shear_stress, record.shear_stress_unit),
                       Joined_Value(record.density, record.density_unit)}
        .join(QLatin1Char(':'));
}

MaterialRecord Material_From_All_Data(const QString& all_data)
{
    return Record_From_All_Data<MaterialRecord>(all_data);
}

QString Section_All_Data(const SectionRecord& record)
{
    return QStringList{Clean_Name(record.name),
                       Joined_Value(record.area, record.area_unit),
                       Joined_Value(record.section_modulus, record.section_modulus_unit),
                       Joined_Value(record.second_moment, record.second_moment_unit),
                       Joined_Value(record.unit_mass, record.unit_mass_unit)}
        .join(QLatin1Char(':'));
}

SectionRecord Section_From_All_Data(const QString& all_data)
{
    return Record_From_All_Data<SectionRecord>(all_data);
}

QString Material_Grid_Modulus(const MaterialRecord& record)
{
    return record.youngs_modulus + record.youngs_modulus_unit;
}

QString Section_Grid_Modulus(const SectionRecord& record)
{
    return record.section_modulus + record.section_modulus_unit;
}

QStringList Material_Row_Texts(const MaterialRecord& record, int number)
{
    return {Record_Label(Material_Prefix, number), record.name, Material_Grid_Modulus(record),
            Material_All_Data(record)};
}

QStringList Section_Row_Texts(const SectionRecord& record, int number)
{
    return {Record_Label(Section_Prefix, number), record.name, Section_Grid_Modulus(record),
            Section_All_Data(record)};
}

Position_Form Position_Form_Of(LoadKind kind)
{
    return Is_Distributed(kind) ? Position_Form::Distributed : Position_Form::Single;
}

Position_Form Position_Form_Of(ConstraintKind kind)
{
    return kind == ConstraintKind::User_Defined ? Position_Form::User_Defined : Position_Form::Single;
}

QString Position_Text(const Position_Fields& fields, Position_Form form)
{
    QStringList parts{fields.from_right ? Right_End : Left_End, Clean_Field(fields.start)};
    if (form == Position_Form::Distributed)
        parts.append(Clean_Field(fields.end));
    parts.append(Clean_Field(fields.unit));
    if (form == Position_Form::User_Defined)
        parts << Flag_Text(fields.flags.tx, "Tx") << Flag_Text(fields.flags.ty, "Ty")
              << Flag_Text(fields.flags.rt, "Rt");
    return parts.join(QLatin1Char(','));
}

Position_Fields Split_Position(const QString& position_text)
{
    const QStringList parts = position_text.split(QLatin1Char(','));
    Position_Fields fields;
    fields.from_right = parts.value(0) == Right_End;
    fields.start = parts.value(1);
    if (parts.size() == 4) {
        fields.end = parts.value(2);
        fields.unit = parts.value(3);
        return fields;
    }
    fields.unit = parts.value(2);
    if (parts.size() == 6)
        fields.flags = {parts[3] == QLatin1String("Tx"), parts[4] == QLatin1String("Ty"),
                        parts[5] == QLatin1String("Rt")};
    return fields;
}

QString Value_Text(const Value_Fields& fields)
{
    return Joined_Value(fields.value, fields.unit);
}

Value_Fields Split_Value(const QString& value_text)
{
    const QStringList parts = value_text.split(QLatin1Char(','));
    return {parts.value(0), parts.value(1)};
}

QString Load_All_Data(const LoadRecord& record)
{
    return QStringList{Remove_Unsafe(record.kind, Cell_Unsafe), Remove_Unsafe(record.position, Cell_Unsafe),
                       Remove_Unsafe(record.value, Cell_Unsafe)}
        .join(QLatin1Char(';'));
}

QString Constraint_All_Data(const ConstraintRecord& record)
{
    return QStringList{Remove_Unsafe(record.kind, Cell_Unsafe), Remove_Unsafe(record.position, Cell_Unsafe)}
        .join(QLatin1Char(';'));
}

LoadRecord Load_From_All_Data(const QString& all_data)
{
    const QStringList parts = all_data.split(QLatin1Char(';'));
    return {parts.value(0), parts.value(1), parts.value(2)};
}

ConstraintRecord Constraint_From_All_Data(const QString& all_data)
{
    const QStringList parts = all_data.split(QLatin1Char(';'));
    return {parts.value(0), parts.value(1)};
}

LoadRecord Load_Record_Of(const Load_Entry& entry)
{
    return {Load_Kind_Text(entry.kind), Position_Text(entry.position, Position_Form_Of(entry.kind)),
            Value_Text(entry.value)};
}

ConstraintRecord Constraint_Record_Of(const Constraint_Entry& entry)
{
    return {Constraint_Kind_Text(entry.kind), Position_Text(entry.position, Position_Form_Of(entry.kind))};
}

std::optional<Load_Entry> Load_Entry_Of(const LoadRecord& record)
{
    const std::optional<LoadKind> kind = Load_Kind_Of(record.kind);
    if (!kind)
        return std::nullopt;
    return Load_Entry{*kind, Split_Position(record.position), Split_Value(record.value)};
}

std::optional<Constraint_Entry> Constraint_Entry_Of(const ConstraintRecord& record)
{
    const std::optional<ConstraintKind> kind = Constraint_Kind_Of(record.kind);
    if (!kind)
        return std::nullopt;
    return Constraint_Entry{*kind, Split_Position(record.position)};
}

Restraint Constraint_Restraint(const ConstraintRecord& record)
{
    const std::optional<ConstraintKind> kind = Constraint_Kind_Of(record.kind);
    if (!kind)
        return {};
    if (*kind == ConstraintKind::User_Defined)
        return Split_Position(record.position).flags;
    return Standard_Restraint(*kind);
}

QString Locate_To_mm(const QString& position_text)
{
    const qsizetype count = position_text.split(QLatin1Char(',')).size();
    const QString reference = Field(position_text, QStringLiteral(","), 0);
    if (count == 3 || count == 6)
        return reference + QLatin1Char(',') + Millimetre_Text(position_text, 1, 2);
    return reference + QLatin1Char(',') + Millimetre_Text(position_text, 1, 3) + QLatin1Char(',')
        + Millimetre_Text(position_text, 2, 3);
}
