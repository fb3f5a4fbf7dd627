#include "model/model_edit.h"

#include "model/number_text.h"

#include <algorithm>
#include <array>

namespace {

const QString Add_Limit_Message = QStringLiteral("これ以上追加できません。");
const QString Kind_Limit_Message =
    QStringLiteral("エラー(要素が1種類当たり64個を超えた場合にこのエラーが発生する可能性があります。)");
const QString Zero_Load_Message = QStringLiteral("荷重ゼロは入力できません。");

// What tells the material table from the section table.
template <class Record>
struct Table {
    QVector<Record> BeamModel::*records;
    QString PropertyRange::*reference;
    QString prefix;
    std::array<QString Record::*, 4> values;
    Record (*clean)(const Record&);
    QString first_refusal;
    QString used_refusal;
    QString question_head;
};

const Table<MaterialRecord>& Materials()
{
    static const Table<MaterialRecord> table{
        &BeamModel::materials, &PropertyRange::material, Material_Prefix,
        {&MaterialRecord::youngs_modulus, &MaterialRecord::tensile_stress, &MaterialRecord::shear_stress,
         &MaterialRecord::density},
        &Clean_Material,
        QStringLiteral("材料No.= MAT1 は削除できません。"),
        QStringLiteral("プロパティ設定にて使用中の材料No.は削除できません。"),
        QStringLiteral("材料No.= MAT")};
    return table;
}

const Table<SectionRecord>& Sections()
{
    static const Table<SectionRecord> table{
        &BeamModel::sections, &PropertyRange::section, Section_Prefix,
        {&SectionRecord::area, &SectionRecord::section_modulus, &SectionRecord::second_moment,
         &SectionRecord::unit_mass},
        &Clean_Section,
        QStringLiteral("断面No.= SCT1 は削除できません。"),
        QStringLiteral("プロパティ設定にて使用中の断面No.は削除できません。"),
        QStringLiteral("断面No.= SCT")};
    return table;
}

Edit_Result Refused(const QString& message)
{
    Edit_Result result;
    result.messages.append(message);
    return result;
}

Edit_Result Done(int number, bool altered = false)
{
    Edit_Result result;
    result.done = true;
    result.number = static_cast<qint16>(number);
    result.altered = altered;
    return result;
}

template <class Record>
Edit_Result Add_Record(BeamModel& model, const Table<Record>& table, const Record& panel)
{
    QVector<Record>& records = model.*table.records;
    if (records.size() >= Max_Record_Number)
        return Refused(Add_Limit_Message);
    const int n = static_cast<int>(records.size()) + 1;
    Record record = table.clean(panel);
    record.name = QStringLiteral("Untitled") + QString::number(n) + QStringLiteral("...");
    for (QString Record::*value : table.values)
        (record.*value).clear();
    records.append(record);
    return Done(n);
}

template <class Record>
Edit_Result Store_Record(BeamModel& model, const Table<Record>& table, qint16 n, const Record& panel)
{
    QVector<Record>& records = model.*table.records;
    if (n < 1 || n > records.size())
        return {};
    records[n - 1] = table.clean(panel);
    return Done(n, !(records[n - 1] == panel));
}

template <class Record>
Delete_Plan Plan_Delete(const BeamModel& model, const Table<Record>& table, qint16 n)
{
    Delete_Plan plan;
    if (n <= 1) {
        plan.refusal = table.first_refusal;
        return plan;
    }
    if (n > (model.*table.records).size())
        return plan;
    const QString label = Record_Label(table.prefix, n);
    const bool used = std::any_of(model.ranges.cbegin(), model.ranges.cend(),
                                  [&](const PropertyRange& range) { return range.*table.reference == label; });
    if (used)
        plan.refusal = table.used_refusal;
    else
        plan.question = table.question_head + QString::number(n) + QStringLiteral("を削除しますか？");
    return plan;
}

template <class Record>
Edit_Result Delete_Record(BeamModel& model, const Table<Record>& table, qint16 n)
{
    const Delete_Plan plan = Plan_Delete(model, table, n);
    if (!plan.Allowed())
        return plan.refusal.isEmpty() ? Edit_Result{} : Refused(plan.refusal);
    (model.*table.records).removeAt(n - 1);
    for (PropertyRange& range : model.ranges) {
        QString& reference = range.*table.reference;
        const int k = Label_Number(reference, table.prefix);
        if (k > n)
            reference = Record_Label(table.prefix, k - 1);
    }
    return Done(1);
}

template <class Record>
Edit_Result Set_Range_Reference(BeamModel& model, const Table<Record>& table, qint16 r, const QString& label)
{
    if (r < 1 || r > model.ranges.size())
        return {};
    const int k = Label_Number(label, table.prefix);
    const bool existing = k >= 1 && k <= (model.*table.records).size() && label == Record_Label(table.prefix, k);
    if (!label.isEmpty() && !existing)
        return {};
    model.ranges[r - 1].*table.reference = label;
    return Done(r);
}

// row 0 appends; a record joining a kind that already holds the most it may is refused.
template <class Record>
Edit_Result Put_Record(QVector<Record>& records, int row, const Record& record, int kind_count, bool altered)
{
    if (row != 0 && (row < 1 || row > records.size()))
        return {};
    const bool joins_kind = row == 0 || records[row - 1].kind != record.kind;
    if (joins_kind && kind_count >= Max_Entries_Per_Kind)
        return Refused(Kind_Limit_Message);
    if (row == 0) {
        records.append(record);
        row = static_cast<int>(records.size());
    } else {
        records[row - 1] = record;
    }
    return Done(row, altered);
}

template <class Record>
Edit_Result Remove_Row(QVector<Record>& records, int row)
{
    if (row < 1 || row > records.size())
        return {};
    records.removeAt(row - 1);
    return Done(0);
}

bool Any_Altered(const QStringList& texts)
{
    return std::any_of(texts.cbegin(), texts.cend(), [](const QString& text) { return Clean_Field(text) != text; });
}

QStringList Position_Texts(const Position_Fields& position, Position_Form form)
{
    QStringList texts{position.start, position.unit};
    if (form == Position_Form::Distributed)
        texts.append(position.end);
    return texts;
}

Edit_Result Put_Load(BeamModel& model, int row, const Load_Entry& entry)
{
    const LoadRecord record = Load_Record_Of(entry);
    if (Leading_Number(Split_Value(record.value).value) == 0)
        return Refused(Zero_Load_Message);
    const bool altered = Any_Altered(Position_Texts(entry.position, Position_Form_Of(entry.kind))
                                     << entry.value.value << entry.value.unit);
    return Put_Record(model.loads, row, record, Count_Of_Kind(model, entry.kind), altered);
}

Edit_Result Put_Constraint(BeamModel& model, int row, const Constraint_Entry& entry)
{
    const ConstraintRecord record = Constraint_Record_Of(entry);
    const bool altered = Any_Altered(Position_Texts(entry.position, Position_Form_Of(entry.kind)));
    return Put_Record(model.constraints, row, record, Count_Of_Kind(model, entry.kind), altered);
}

template <class Record>
int Count_Of_Kind_Text(const QVector<Record>& records, const QString& kind)
{
    return static_cast<int>(std::count_if(records.cbegin(), records.cend(),
                                          [&](const Record& record) { return record.kind == kind; }));
}

} // namespace

Edit_Result Add_Material(BeamModel& model, const MaterialRecord& panel)
{
    return Add_Record(model, Materials(), panel);
}

Edit_Result Store_Material(BeamModel& model, qint16 n, const MaterialRecord& panel)
{
    return Store_Record(model, Materials(), n, panel);
}

Delete_Plan Plan_Delete_Material(const BeamModel& model, qint16 n)
{
    return Plan_Delete(model, Materials(), n);
}

Edit_Result Delete_Material(BeamModel& model, qint16 n)
{
    return Delete_Record(model, Materials(), n);
}

Edit_Result Add_Section(BeamModel& model, const SectionRecord& panel)
{
    return Add_Record(model, Sections(), panel);
}

Edit_Result Store_Section(BeamModel& model, qint16 n, const SectionRecord& panel)
{
    return Store_Record(model, Sections(), n, panel);
}

Delete_Plan Plan_Delete_Section(const BeamModel& model, qint16 n)
{
    return Plan_Delete(model, Sections(), n);
}

Edit_Result Delete_Section(BeamModel& model, qint16 n)
{
    return Delete_Record(model, Sections(), n);
}

Edit_Result Add_Range(BeamModel& model)
{
    if (model.ranges.size() >= Max_Record_Number)
        return Refused(Add_Limit_Message);
    model.ranges.append(PropertyRange{});
    return Done(static_cast<int>(model.ranges.size()));
}

Edit_Result Set_Range_Stretch(BeamModel& model, qint16 r, Range_End which, const QString& text)
{
    if (r == 1)
        return Refused(QStringLiteral("No.= 1 の範囲は変更できません。"));
    if (r < 1 || r > model.ranges.size())
        return {};
    const QString stretch = Clean_Field(text);
    const QString length = model.ranges.first().end;
    const double v = Leading_Number(stretch);
    if (!(v >= 0 && v <= Leading_Number(length)))
        return Refused(QStringLiteral("梁長さ 0～") + length + QStringLiteral(" の範囲で入力して下さい。"));
    PropertyRange& range = model.ranges[r - 1];
    (which == Range_End::Start ? range.start : range.end) = stretch;
    return Done(r, stretch != text);
}

Edit_Result Set_Range_Material(BeamModel& model, qint16 r, const QString& label)
{
    return Set_Range_Reference(model, Materials(), r, label);
}

Edit_Result Set_Range_Section(BeamModel& model, qint16 r, const QString& label)
{
    return Set_Range_Reference(model, Sections(), r, label);
}

Edit_Result Delete_Range(BeamModel& model, qint16 r)
{
    if (r <= 1)
        return Refused(QStringLiteral("プロパティNo.= 1 は削除できません。"));
    if (r > model.ranges.size())
        return {};
    model.ranges.removeAt(r - 1);
    return Done(1);
}

Edit_Result Append_Load(BeamModel& model, const Load_Entry& entry)
{
    return Put_Load(model, 0, entry);
}

Edit_Result Replace_Load(BeamModel& model, int row, const Load_Entry& entry)
{
    if (row < 1)
        return {};
    return Put_Load(model, row, entry);
}

Edit_Result Delete_Load(BeamModel& model, int row)
{
    return Remove_Row(model.loads, row);
}

QString Delete_Load_Question(const LoadRecord& record)
{
    return record.kind + QStringLiteral("  ") + record.position + QStringLiteral("  ") + record.value
        + QStringLiteral("を削除しますか？");
}

Edit_Result Append_Constraint(BeamModel& model, const Constraint_Entry& entry)
{
    return Put_Constraint(model, 0, entry);
}

Edit_Result Replace_Constraint(BeamModel& model, int row, const Constraint_Entry& entry)
{
    if (row < 1)
        return {};
    return Put_Constraint(model, row, entry);
}

Edit_Result Delete_Constraint(BeamModel& model, int row)
{
    return Remove_Row(model.constraints, row);
}

QString Delete_Constraint_Question(const ConstraintRecord& record)
{
    return record.kind + QStringLiteral("  ") + record.position + QStringLiteral("を削除しますか？");
}

int Count_Of_Kind(const BeamModel& model, LoadKind kind)
{
    return Count_Of_Kind_Text(model.loads, Load_Kind_Text(kind));
}

int Count_Of_Kind(const BeamModel& model, ConstraintKind kind)
{
    return Count_Of_Kind_Text(model.constraints, Constraint_Kind_Text(kind));
}
