#include "analysis/check_data.h"

#include "analysis/position_mm.h"
#include "model/number_text.h"
#include "model/units.h"

#include <cmath>

namespace {

const QString Range_Outside = QStringLiteral("エラー(材料･断面特性定義範囲が梁寸法の外に配置されています。");
const QString Load_Outside = QStringLiteral("エラー(荷重点が梁寸法の外に配置されています。");
const QString Support_Outside = QStringLiteral("エラー(拘束点が梁寸法の外に配置されています。");

bool Outside(double x, double length_mm)
{
    return x < 0 || x > length_mm;
}

QString Placement_Message(const QString& text, const QString& value)
{
    return text + value + QStringLiteral("mm)");
}

// A range end that is empty or not a number cannot be placed at all; it is reported
// with the text as typed.
bool Check_Range_End(const QString& cell, const BeamModel& model, double length_mm, Run_Log& log)
{
    if (!Is_Numeric(cell)) {
        log.Fail(Placement_Message(Range_Outside, cell));
        return false;
    }
    const double x = Conv_Length(Leading_Number(cell), model.length_unit, QStringLiteral("mm"));
    if (Outside(x, length_mm)) {
        log.Fail(Placement_Message(Range_Outside, Decimal_Text(x)));
        return false;
    }
    return true;
}

bool Check_Point(const QString& text, double x, double length_mm, Run_Log& log)
{
    if (Outside(x, length_mm)) {
        log.Fail(Placement_Message(text, Decimal_Text(x)));
        return false;
    }
    return true;
}

bool Check_Load(const LoadRecord& load, double length_mm, Run_Log& log)
{
    const Position_Mm p = Position_In_mm(load.position);
    if (p.reference != Right_End)
        return Check_Point(Load_Outside, p.first, length_mm, log)
            && Check_Point(Load_Outside, p.second, length_mm, log);
    // From the right end a distance of 0 is the end itself and is not checked.
    return (p.first == 0 || Check_Point(Load_Outside, length_mm - p.first, length_mm, log))
        && (p.second == 0 || Check_Point(Load_Outside, length_mm - p.second, length_mm, log));
}

} // namespace

Editing_Tab Check_Data(const BeamModel& model, Run_Log& log)
{
    const double length_mm = Conv_Length(Leading_Number(model.length), model.length_unit, QStringLiteral("mm"));
    for (const PropertyRange& range : model.ranges) {
        if (!Check_Range_End(range.start, model, length_mm, log) || !Check_Range_End(range.end, model, length_mm, log))
            return Editing_Tab::Material_Section;
    }
    for (const LoadRecord& load : model.loads) {
        if (!Check_Load(load, length_mm, log))
            return Editing_Tab::Constraint_Load;
    }
    for (const ConstraintRecord& constraint : model.constraints) {
        const Position_Mm p = Position_In_mm(constraint.position);
        if (!Check_Point(Support_Outside, From_Left(p.reference, p.first, length_mm), length_mm, log))
            return Editing_Tab::Constraint_Load;
    }
    return Editing_Tab::None;
}

QString Scalar_Check_Message(double length_mm, double count)
{
    // Only one box is shown; the element count's message wins. Lengths and counts that
    // are not finite, and counts no solver run can take, are refused like zero.
    if (count == 0 || !std::isfinite(count) || count > Max_Element_Count)
        return QStringLiteral("入力エラー(最小要素分割数)");
    if (length_mm == 0 || !std::isfinite(length_mm))
        return QStringLiteral("入力エラー(長さ)");
    return {};
}

QString Property_Check_Message(const Property_Values& values, bool self_weight)
{
    // A value that is not finite would reach the solver as text it cannot read.
    const auto bad = [](double v) { return v == 0 || !std::isfinite(v); };
    QString message;
    if (bad(values.E))
        message = QStringLiteral("入力エラー(ヤング率)");
    if (bad(values.A))
        message = QStringLiteral("入力エラー(断面積)");
    if (bad(values.Z))
        message = QStringLiteral("入力エラー(断面係数)");
    if (bad(values.I))
        message = QStringLiteral("入力エラー(断面2次モーメント)");
    const double weight = values.w != 0 ? values.w : values.rho;
    if (self_weight && bad(weight))
        message = QStringLiteral("入力エラー(単位質量)");
    return message;
}

QString Support_Check_Message(const Restraint_Counts& counts)
{
    if (counts.nY == 0)
        return QStringLiteral("少なくとも1個以上の拘束条件が必要です。(横滑り防止)");
    if (counts.nY < 2 && counts.nR == 0)
        return QStringLiteral("少なくとも2個以上の単純支持又はローラー支持、又は1個以上の完全拘束が必要です。(回転防止)");
    if (counts.nX < 1)
        return QStringLiteral("少なくとも1個以上の単純支持又は完全拘束が必要です。(横滑り防止)");
    return {};
}
