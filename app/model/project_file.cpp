#include "model/project_file.h"

#include "model/beam_length.h"
#include "model/date_time_text.h"
#include "model/number_text.h"
#include "model/recent_files.h"
#include "model/record_text.h"
#include "model/text_file.h"

#include <QCoreApplication>
#include <QDir>

#include <QHash>

#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int Label_Width = 20;
constexpr qint64 Max_Project_Bytes = 16 * 1024 * 1024;

const QString Version_Label = QStringLiteral("Application Ver.   :");
const QString Saved_Label = QStringLiteral("Saved              :");
const QString Length_Label = QStringLiteral("Beam Length        :");
const QString Step_Label = QStringLiteral("Minimum Step       :");
const QString Weight_Label = QStringLiteral("Cnsdr. OwnWeight   :");
const QString Prop_Label = QStringLiteral("Prop.No.           :");
const QString Portion_Label = QStringLiteral(" Portion           :");
const QString Refs_Label = QStringLiteral(" Material/SectProp :");
const QString Material_Label = QStringLiteral("Material.No.       :");
const QString Name_Label = QStringLiteral("  Name             :");
const QString E_Label = QStringLiteral("  E                :");
const QString St_Label = QStringLiteral("  St               :");
const QString Ss_Label = QStringLiteral("  Ss               :");
const QString Dens_Label = QStringLiteral("  Dens             :");
const QString Section_Label = QStringLiteral("Sect.Prop.No.      :");
const QString Area_Label = QStringLiteral("  Area             :");
const QString Z_Label = QStringLiteral("  Z                :");
const QString I_Label = QStringLiteral("  I                :");
const QString Wl_Label = QStringLiteral("  wl               :");

const QString Load_Begin = QStringLiteral("<Load>");
const QString Load_End = QStringLiteral("<Load End>");
const QString Constraint_Begin = QStringLiteral("<Constraint>");
const QString Constraint_End = QStringLiteral("<Constraint End>");

const QString Comma = QStringLiteral(",");
const QString Semicolon = QStringLiteral(";");

const QString Read_Failed = QStringLiteral("プロジェクトファイルを読み込めませんでした。\n");
const QString Save_Failed = QStringLiteral("プロジェクトファイルを保存できませんでした。\n");

QString Pair(const QString& value, const QString& unit)
{
    return value + Comma + unit;
}

// The number of a "MAT" n or "SCT" n reference as the file writes it: the prefix removed.
QString Reference_Number(const QString& reference, const QString& prefix)
{
    return reference.startsWith(prefix) ? reference.mid(prefix.size()) : reference;
}

// ---------------------------------------------------------------- writing

// What keeps the model from being read back as it stands, or "" when nothing does.
QString Unsavable_Text(const BeamModel& model)
{
    const auto is_field = [](const QString& text) { return Clean_Field(text) == text; };
    const auto is_cell = [](const QString& text) {
        return !text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('\r'))
            && !text.contains(QLatin1Char('\n'));
    };
    if (!is_field(model.length) || !is_field(model.length_unit) || !is_field(model.element_count))
        return QStringLiteral("the beam length, its unit or the element count holds a separator or line break");
    for (int i = 0; i < model.ranges.size(); ++i) {
        const PropertyRange& range = model.ranges.at(i);
        if (!is_field(range.start) || !is_field(range.end) || !is_field(range.material) || !is_field(range.section))
            return QStringLiteral("property range %1 holds a separator or line break").arg(i + 1);
    }
    for (int i = 0; i < model.materials.size(); ++i) {
        if (!(Clean_Material(model.materials.at(i)) == model.materials.at(i)))
            return QStringLiteral("material %1 holds a separator or line break").arg(i + 1);
    }
    for (int i = 0; i < model.sections.size(); ++i) {
        if (!(Clean_Section(model.sections.at(i)) == model.sections.at(i)))
            return QStringLiteral("section %1 holds a separator or line break").arg(i + 1);
    }
    for (int i = 0; i < model.loads.size(); ++i) {
        const LoadRecord& load = model.loads.at(i);
        if (!is_cell(load.kind) || !is_cell(load.position) || !is_cell(load.value))
            return QStringLiteral("load %1 holds a \";\" or line break").arg(i + 1);
    }
    for (int i = 0; i < model.constraints.size(); ++i) {
        const ConstraintRecord& constraint = model.constraints.at(i);
        if (!is_cell(constraint.kind) || !is_cell(constraint.position))
            return QStringLiteral("constraint %1 holds a \";\" or line break").arg(i + 1);
    }
    return {};
}

// ---------------------------------------------------------------- reading

const QStringList& Record_Keys()
{
    static const QStringList keys = {Prop_Label, Material_Label, Section_Label};
    return keys;
}

// A record number or reference: decimal digits only. (QString::toInt alone would stop
// at an embedded NUL and take "1\0junk" for 1.)
std::optional<int> Plain_Number(const QString& text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}

struct Failure {
    int line = 0;                   // from 1; 0 when no line is to blame
    QString reason;
};

class Project_Reader {
public:
    Project_Reader(const QStringList& lines, BeamModel model) : lines_(lines), model_(std::move(model)) {}

    std::optional<Failure> Run()
    {
        if (lines_.isEmpty() || lines_.first() != Project_Header)
            return Failure{1, QStringLiteral("the file does not start with the project file header")};
        // The decoder marks bytes outside code page 932 with U+FFFD or U+001A.
        for (int i = 0; i < lines_.size(); ++i) {
            const QString& line = lines_.at(i);
            if (line.contains(QChar::ReplacementCharacter) || line.contains(QChar(0x1A)))
                return Failure{i + 1, QStringLiteral("the line holds bytes that are not code page 932 text")};
            if (line.contains(QLatin1Char('\r')))
                return Failure{i + 1, QStringLiteral("the line holds a carriage return of its own")};
        }
        for (next_ = 1; next_ < lines_.size();) {
            if (auto failure = Read_Line())
                return failure;
        }
        return Check_Whole();
    }

    const BeamModel& Model() const { return model_; }

private:
    std::optional<Failure> Read_Line()
    {
        const int at = next_++;
        const QString& line = lines_.at(at);
        if (line == Load_Begin)
            return Read_Loads();
        if (line == Constraint_Begin)
            return Read_Constraints();
        const QString key = line.left(Label_Width);
        const QString value = line.mid(Label_Width);
        if (key == Length_Label)
            return Read_Length(at, value);
        if (key == Step_Label)
            return Read_Step(at, value);
        if (key == Weight_Label)
            return Read_Weight(at, value);
        if (key == Prop_Label)
            return Read_Range(at, value);
        if (key == Material_Label)
            return Read_Material(at, value);
        if (key == Section_Label)
            return Read_Section(at, value);
        return std::nullopt;
    }

    std::optional<Failure> Read_Length(int at, const QString& value)
    {
        const QStringList fields = value.split(Comma);
        if (fields.size() != 2)
            return Failure{at + 1, QStringLiteral("the beam length is not written as length \",\" unit")};
        const double length = Leading_Number(fields.at(0));
        if (!Is_Numeric(fields.at(0)) || !std::isfinite(length) || length <= 0)
            return Failure{at + 1, QStringLiteral("the beam length is not a number above 0")};
        Set_Beam_Length(model_, Decimal_Text(length));
        model_.length_unit = Clean_Field(fields.at(1));
        return std::nullopt;
    }

    std::optional<Failure> Read_Step(int at, const QString& value)
    {
        const double count = Leading_Number(value);
        if (!Is_Numeric(value) || !std::isfinite(count))
            return Failure{at + 1, QStringLiteral("the minimum element count is not a number")};
        model_.element_count = Decimal_Text(count);
        return std::nullopt;
    }

    std::optional<Failure> Read_Weight(int at, const QString& value)
    {
        const double flag = Is_Numeric(value) ? Round_Half_Even(Leading_Number(value), 0) : -1;
        if (flag != 0 && flag != 1)
            return Failure{at + 1, QStringLiteral("the self-weight flag is neither 0 nor 1")};
        model_.self_weight = flag == 1;
        return std::nullopt;
    }

    // The record number n of a record start: it must continue the numbering of its
    // table within this file.
    std::optional<Failure> Check_Number(int at, const QString& value, int& read_so_far)
    {
        const auto number = Plain_Number(value.trimmed());
        if (!number || *number != read_so_far + 1 || *number > Max_Record_Number)
            return Failure{at + 1, QStringLiteral("record number \"%1\" where %2 was due").arg(value).arg(read_so_far + 1)};
        ++read_so_far;
        return std::nullopt;
    }

    // The values of the `count` lines that follow a record start.
    std::optional<Failure> Take_Values(int count, QStringList& values)
    {
        for (int k = 0; k < count; ++k) {
            const int at = next_;
            if (at >= lines_.size())
                return Failure{at, QStringLiteral("the record is cut off by the end of the file")};
            const QString& line = lines_.at(at);
            if (line.size() < Label_Width)
                return Failure{at + 1, QStringLiteral("the line is shorter than its %1-character label").arg(Label_Width)};
            if (line.startsWith(QLatin1Char('<')) || Record_Keys().contains(line.left(Label_Width)))
                return Failure{at + 1, QStringLiteral("another record or block starts inside a record")};
            values << line.mid(Label_Width);
            ++next_;
        }
        return std::nullopt;
    }

    // A value "," unit pair of a record line.
    static std::optional<Failure> Split_Pair(int at, const QString& value, QString& first, QString& second)
    {
        const QStringList fields = value.split(Comma);
        if (fields.size() != 2)
            return Failure{at + 1, QStringLiteral("\"%1\" is not two fields joined by \",\"").arg(value)};
        first = fields.at(0);
        second = fields.at(1);
        return std::nullopt;
    }

    std::optional<Failure> Read_Range(int at, const QString& value)
    {
        if (auto failure = Check_Number(at, value, ranges_read_))
            return failure;
        QStringList values;
        if (auto failure = Take_Values(2, values))
            return failure;
        PropertyRange range;
        QString material, section;
        if (auto failure = Split_Pair(at + 1, values.at(0), range.start, range.end))
            return failure;
        range.start = Clean_Field(range.start);
        range.end = Clean_Field(range.end);
        if (auto failure = Split_Pair(at + 2, values.at(1), material, section))
            return failure;
        range.material = material.isEmpty() ? QString() : Material_Prefix + material;
        range.section = section.isEmpty() ? QString() : Section_Prefix + section;
        reference_lines_ << at + 3;
        model_.ranges.resize(ranges_read_ - 1);
        model_.ranges.append(range);
        return std::nullopt;
    }

    // The five value lines of a material or section: the name, then four pairs.
    std::optional<Failure> Read_Five(int at, std::array<QString*, 9> targets)
    {
        QStringList values;
        if (auto failure = Take_Values(5, values))
            return failure;
        *targets[0] = values.at(0);
        for (int k = 1; k < 5; ++k) {
            if (auto failure = Split_Pair(at + 1 + k, values.at(k), *targets[2 * k - 1], *targets[2 * k]))
                return failure;
        }
        return std::nullopt;
    }

    std::optional<Failure> Read_Material(int at, const QString& value)
    {
        if (auto failure = Check_Number(at, value, materials_read_))
            return failure;
        MaterialRecord r;
        if (auto failure = Read_Five(at, {&r.name, &r.youngs_modulus, &r.youngs_modulus_unit, &r.tensile_stress,
                                          &r.tensile_stress_unit, &r.shear_stress, &r.shear_stress_unit,
                                          &r.density, &r.density_unit}))
            return failure;
        model_.materials.resize(materials_read_ - 1);
        model_.materials.append(Clean_Material(r));
        return std::nullopt;
    }

    std::optional<Failure> Read_Section(int at, const QString& value)
    {
        if (auto failure = Check_Number(at, value, sections_read_))
            return failure;
        SectionRecord r;
        if (auto failure = Read_Five(at, {&r.name, &r.area, &r.area_unit, &r.section_modulus, &r.section_modulus_unit,
                                          &r.second_moment, &r.second_moment_unit, &r.unit_mass, &r.unit_mass_unit}))
            return failure;
        model_.sections.resize(sections_read_ - 1);
        model_.sections.append(Clean_Section(r));
        return std::nullopt;
    }

    // The position text of a load or constraint: reference end, numbers, unit and, for a
    // user-defined constraint, its three flags.
    static QString Position_Fault(const QString& position, Position_Form form)
    {
        const QStringList fields = position.split(Comma);
        const int wanted = form == Position_Form::Distributed ? 4 : form == Position_Form::User_Defined ? 6 : 3;
        if (fields.size() != wanted)
            return QStringLiteral("the position \"%1\" does not have %2 fields").arg(position).arg(wanted);
        if (fields.at(0) != Left_End && fields.at(0) != Right_End)
            return QStringLiteral("the position \"%1\" is measured from neither LFT nor RHT").arg(position);
        if (form == Position_Form::User_Defined) {
            const QStringList flags = {QStringLiteral("Tx"), QStringLiteral("Ty"), QStringLiteral("Rt")};
            for (int k = 0; k < 3; ++k) {
                if (fields.at(3 + k) != flags.at(k) && fields.at(3 + k) != QStringLiteral("-"))
                    return QStringLiteral("the restraint flags of \"%1\" are not %2 or -").arg(position, flags.at(k));
            }
        }
        return {};
    }

    // The lines of a load or constraint block up to its end marker; each is checked by
    // `take`, which returns "" or what is wrong with the line.
    template <typename Take>
    std::optional<Failure> Read_Block(const QString& end_marker, Take take)
    {
        const int begin = next_ - 1;
        for (int count = 0;; ++count) {
            if (next_ >= lines_.size())
                return Failure{begin + 1, QStringLiteral("the block has no \"%1\" line").arg(end_marker)};
            const int at = next_++;
            if (lines_.at(at) == end_marker)
                return std::nullopt;
            if (const QString fault = take(lines_.at(at), count); !fault.isEmpty())
                return Failure{at + 1, fault};
        }
    }

    std::optional<Failure> Read_Loads()
    {
        QHash<int, int> per_kind;
        return Read_Block(Load_End, [this, &per_kind](const QString& line, int count) -> QString {
            const QStringList cells = line.split(Semicolon);
            if (cells.size() != 3)
                return QStringLiteral("a load line is not kind \";\" position \";\" value");
            const auto kind = Load_Kind_Of(cells.at(0));
            if (!kind)
                return QStringLiteral("\"%1\" is not a load kind").arg(cells.at(0));
            if (++per_kind[static_cast<int>(*kind)] > Max_Entries_Per_Kind)
                return QStringLiteral("more than %1 loads of the kind \"%2\"").arg(Max_Entries_Per_Kind).arg(cells.at(0));
            if (const QString fault = Position_Fault(cells.at(1), Position_Form_Of(*kind)); !fault.isEmpty())
                return fault;
            if (cells.at(2).split(Comma).size() != 2)
                return QStringLiteral("the load value \"%1\" is not value \",\" unit").arg(cells.at(2));
            model_.loads.resize(count);
            model_.loads.append({cells.at(0), cells.at(1), cells.at(2)});
            return {};
        });
    }

    std::optional<Failure> Read_Constraints()
    {
        QHash<int, int> per_kind;
        return Read_Block(Constraint_End, [this, &per_kind](const QString& line, int count) -> QString {
            const QStringList cells = line.split(Semicolon);
            if (cells.size() != 2)
                return QStringLiteral("a constraint line is not kind \";\" position");
            const auto kind = Constraint_Kind_Of(cells.at(0));
            if (!kind)
                return QStringLiteral("\"%1\" is not a constraint kind").arg(cells.at(0));
            if (++per_kind[static_cast<int>(*kind)] > Max_Entries_Per_Kind)
                return QStringLiteral("more than %1 constraints of the kind \"%2\"").arg(Max_Entries_Per_Kind).arg(cells.at(0));
            if (const QString fault = Position_Fault(cells.at(1), Position_Form_Of(*kind)); !fault.isEmpty())
                return fault;
            model_.constraints.resize(count);
            model_.constraints.append({cells.at(0), cells.at(1)});
            return {};
        });
    }

    // A reference is empty or names an existing record.
    static bool Refers_To(const QString& reference, const QString& prefix, int count)
    {
        if (reference.isEmpty())
            return true;
        const auto number = Plain_Number(reference.mid(prefix.size()));
        return number && *number >= 1 && *number <= count;
    }

    std::optional<Failure> Check_Whole() const
    {
        if (model_.ranges.isEmpty() || model_.materials.isEmpty() || model_.sections.isEmpty())
            return Failure{0, QStringLiteral("the file lacks property range 1, material 1 or section 1")};
        for (int i = 0; i < model_.ranges.size(); ++i) {
            const PropertyRange& range = model_.ranges.at(i);
            // Ranges kept from before this file have no line in it.
            const int line = ranges_read_ > 0 ? reference_lines_.at(i) : 0;
            if (!Refers_To(range.material, Material_Prefix, model_.materials.size()))
                return Failure{line, QStringLiteral("property range %1 uses a material that does not exist").arg(i + 1)};
            if (!Refers_To(range.section, Section_Prefix, model_.sections.size()))
                return Failure{line, QStringLiteral("property range %1 uses a section that does not exist").arg(i + 1)};
        }
        return std::nullopt;
    }

    const QStringList& lines_;
    BeamModel model_;
    int next_ = 0;
    int ranges_read_ = 0;
    int materials_read_ = 0;
    int sections_read_ = 0;
    QVector<int> reference_lines_;  // line of each range's references, by range
};

// What went wrong reading the file, or "" when the model now holds it.
QString Read_Into(const QStringList& lines, const QString& file_name, BeamModel& model)
{
    Project_Reader reader(lines, model);
    if (const auto failure = reader.Run()) {
        return failure->line > 0 ? QStringLiteral("%1, line %2: %3").arg(file_name).arg(failure->line).arg(failure->reason)
                                 : QStringLiteral("%1: %2").arg(file_name, failure->reason);
    }
    model = reader.Model();
    return {};
}

QString Read_File_Into(const QString& path, BeamModel& model)
{
    const Text_Lines_Result file = Read_Text_Lines(path, Max_Project_Bytes);
    if (!file.ok)
        return file.error;
    return Read_Into(file.lines, path, model);
}

} // namespace

Project_Stamp Current_Project_Stamp()
{
    return {QCoreApplication::applicationVersion(), QDateTime::currentDateTime()};
}

QStringList Project_Lines(const BeamModel& model, const Project_Stamp& stamp)
{
    QStringList lines = {
        Project_Header,
        Version_Label + stamp.version,
        Saved_Label + General_Date_Time_Text(stamp.saved),
        Length_Label + Pair(model.length, model.length_unit),
        Step_Label + model.element_count,
        Weight_Label + (model.self_weight ? QStringLiteral("1") : QStringLiteral("0")),
        QString(),
        QStringLiteral("<Prop>"),
    };
    for (int i = 0; i < model.ranges.size(); ++i) {
        const PropertyRange& range = model.ranges.at(i);
        lines << Prop_Label + QString::number(i + 1) << Portion_Label + Pair(range.start, range.end)
              << Refs_Label + Pair(Reference_Number(range.material, Material_Prefix),
                                   Reference_Number(range.section, Section_Prefix))
              << QString();
    }
    lines << QStringLiteral("<Prop End>") << QString() << QStringLiteral("<Material>");
    for (int i = 0; i < model.materials.size(); ++i) {
        const MaterialRecord& r = model.materials.at(i);
        lines << Material_Label + QString::number(i + 1) << Name_Label + r.name
              << E_Label + Pair(r.youngs_modulus, r.youngs_modulus_unit)
              << St_Label + Pair(r.tensile_stress, r.tensile_stress_unit)
              << Ss_Label + Pair(r.shear_stress, r.shear_stress_unit)
              << Dens_Label + Pair(r.density, r.density_unit) << QString();
    }
    lines << QStringLiteral("<Material End>") << QString() << QStringLiteral("<Sect.Prop>");
    for (int i = 0; i < model.sections.size(); ++i) {
        const SectionRecord& r = model.sections.at(i);
        lines << Section_Label + QString::number(i + 1) << Name_Label + r.name
              << Area_Label + Pair(r.area, r.area_unit)
              << Z_Label + Pair(r.section_modulus, r.section_modulus_unit)
              << I_Label + Pair(r.second_moment, r.second_moment_unit)
              << Wl_Label + Pair(r.unit_mass, r.unit_mass_unit) << QString();
    }
    lines << QStringLiteral("<Sect.Prop End>") << QString() << Load_Begin;
    for (const LoadRecord& load : model.loads)
        lines << QStringList{load.kind, load.position, load.value}.join(Semicolon);
    lines << Load_End << QString() << Constraint_Begin;
    for (const ConstraintRecord& constraint : model.constraints)
        lines << constraint.kind + Semicolon + constraint.position;
    lines << Constraint_End;
    return lines;
}

QString File_Save(const QString& path, const BeamModel& model, const Project_Stamp& stamp)
{
    if (const QString fault = Unsavable_Text(model); !fault.isEmpty())
        return Save_Failed + QStringLiteral("%1: %2").arg(path, fault);
    if (const QString error = Write_Text_Lines(path, Project_Lines(model, stamp)); !error.isEmpty())
        return Save_Failed + error;
    return {};
}

QString Read_Project(const QString& path, BeamModel& model)
{
    const QString error = Read_File_Into(path, model);
    return error.isEmpty() ? error : Read_Failed + error;
}

QString Read_Project_Lines(const QStringList& lines, const QString& file_name, BeamModel& model)
{
    const QString error = Read_Into(lines, file_name, model);
    return error.isEmpty() ? error : Read_Failed + error;
}

QString Reset_To_Default(const QString& program_dir, BeamModel& model)
{
    BeamModel fresh;
    const QString error = Read_File_Into(QDir(program_dir).filePath(QStringLiteral("Dflt_Data.kvxd")), fresh);
    if (!error.isEmpty()) {
        model = Default_Beam_Model();
        return QStringLiteral("既定データファイルを読み込めませんでした。組み込みの既定値を使います。\n") + error;
    }
    model = fresh;
    return {};
}

QStringList Reset_New(Project_Session& session, const QString& program_dir)
{
    QStringList messages;
    if (const QString message = Reset_To_Default(program_dir, session.model); !message.isEmpty())
        messages << message;
    session.current_path.clear();
    return messages;
}

QStringList Open_Project(Project_Session& session, const QString& program_dir, const QString& path,
                         bool add_to_recent)
{
    session.current_path = path;
    if (path.isEmpty())
        return {};
    QStringList messages;
    if (const QString message = Reset_To_Default(program_dir, session.model); !message.isEmpty())
        messages << message;
    if (const QString message = Read_Project(path, session.model); !message.isEmpty()) {
        messages << message;
        session.current_path.clear();
        return messages;
    }
    if (add_to_recent)
        Add_Recent(program_dir, path);
    return messages;
}

bool Save_Needs_Name(const Project_Session& session)
{
    return session.current_path.isEmpty();
}

QString Save_Project(const Project_Session& session)
{
    if (Save_Needs_Name(session))
        return Save_Failed + QStringLiteral("no file name has been chosen");
    return File_Save(session.current_path, session.model);
}

QString Save_Project_As(Project_Session& session, const QString& program_dir, const QString& path)
{
    session.current_path.clear();
    if (path.isEmpty())
        return {};
    const QString error = File_Save(path, session.model);
    if (!error.isEmpty())
        return error;
    session.current_path = path;
    Add_Recent(program_dir, path);
    return {};
}
