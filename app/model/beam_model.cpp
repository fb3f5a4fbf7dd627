#include "model/beam_model.h"

#include <array>

namespace {

struct Load_Kind_Info {
    LoadKind kind;
    const char* text;
    LoadGroup group;
};

const std::array<Load_Kind_Info, 6>& Load_Kind_Table()
{
    static const std::array<Load_Kind_Info, 6> table{{
        {LoadKind::Force_Plus, "集中荷重(+)", LoadGroup::Force},
        {LoadKind::Force_Minus, "集中荷重(-)", LoadGroup::Force},
        {LoadKind::Moment_Plus, "モーメント(+)", LoadGroup::Moment},
        {LoadKind::Moment_Minus, "モーメント(-)", LoadGroup::Moment},
        {LoadKind::Press_Plus, "分布荷重(+)", LoadGroup::Press},
        {LoadKind::Press_Minus, "分布荷重(-)", LoadGroup::Press},
    }};
    return table;
}

struct Constraint_Kind_Info {
    ConstraintKind kind;
    const char* text;
    Restraint restraint;
};

const std::array<Constraint_Kind_Info, 4>& Constraint_Kind_Table()
{
    static const std::array<Constraint_Kind_Info, 4> table{{
        {ConstraintKind::Simple, "単純支持", {true, true, false}},
        {ConstraintKind::Roller, "ローラー支持", {false, true, false}},
        {ConstraintKind::Fixed, "完全拘束", {true, true, true}},
        {ConstraintKind::User_Defined, "ユーザ定義", {false, false, false}},
    }};
    return table;
}

const Load_Kind_Info& Info_Of(LoadKind kind)
{
    return Load_Kind_Table()[static_cast<std::size_t>(kind)];
}

const Constraint_Kind_Info& Info_Of(ConstraintKind kind)
{
    return Constraint_Kind_Table()[static_cast<std::size_t>(kind)];
}

} // namespace

const QVector<LoadKind>& All_Load_Kinds()
{
    static const QVector<LoadKind> kinds = [] {
        QVector<LoadKind> list;
        for (const auto& info : Load_Kind_Table())
            list.append(info.kind);
        return list;
    }();
    return kinds;
}

const QVector<ConstraintKind>& All_Constraint_Kinds()
{
    static const QVector<ConstraintKind> kinds = [] {
        QVector<ConstraintKind> list;
        for (const auto& info : Constraint_Kind_Table())
            list.append(info.kind);
        return list;
    }();
    return kinds;
}

QString Load_Kind_Text(LoadKind kind)
{
    return QString::fromUtf8(Info_Of(kind).text);
}

std::optional<LoadKind> Load_Kind_Of(const QString& text)
{
    for (const auto& info : Load_Kind_Table())
        if (text == QString::fromUtf8(info.text))
            return info.kind;
    return std::nullopt;
}

LoadGroup Load_Group_Of(LoadKind kind)
{
    return Info_Of(kind).group;
}

QString Load_Group_Text(LoadGroup group)
{
    switch (group) {
    case LoadGroup::Force:
        return QStringLiteral("Force");
    case LoadGroup::Moment:
        return QStringLiteral("Moment");
    case LoadGroup::Press:
        return QStringLiteral("Press");
    }
    return {};
}

bool Is_Distributed(LoadKind kind)
{
    return Load_Group_Of(kind) == LoadGroup::Press;
}

QString Constraint_Kind_Text(ConstraintKind kind)
{
    return QString::fromUtf8(Info_Of(kind).text);
}

std::optional<ConstraintKind> Constraint_Kind_Of(const QString& text)
{
    for (const auto& info : Constraint_Kind_Table())
        if (text == QString::fromUtf8(info.text))
            return info.kind;
    return std::nullopt;
}

Restraint Standard_Restraint(ConstraintKind kind)
{
    return Info_Of(kind).restraint;
}

const QStringList& Element_Count_Choices()
{
    static const QStringList choices{"30",  "50",  "100", "150", "200", "250", "300", "400",
                                     "500", "600", "700", "800", "900", "1000", "1500"};
    return choices;
}

MaterialRecord Default_Material()
{
    return {QStringLiteral("SS材,SS400(-t16),(降伏)"),
            QStringLiteral("206"), QStringLiteral("GPa"),
            QStringLiteral("245"), QStringLiteral("MPa"),
            QStringLiteral("141.45"), QStringLiteral("MPa"),
            QStringLiteral("7800"), QStringLiteral("kg/m^3")};
}

SectionRecord Default_Section()
{
    return {QStringLiteral("[規格材]JIS G3192 溝形鋼,75×40,(縦)"),
            QStringLiteral("881.8"), QStringLiteral("mm^2"),
            QStringLiteral("20100"), QStringLiteral("mm^3"),
            QStringLiteral("753000"), QStringLiteral("mm^4"),
            QStringLiteral("0.00692"), QStringLiteral("kg/mm")};
}

BeamModel Default_Beam_Model()
{
    BeamModel model;
    model.ranges.append({QStringLiteral("0"), model.length, QStringLiteral("MAT1"), QStringLiteral("SCT1")});
    model.materials.append(Default_Material());
    model.sections.append(Default_Section());
    return model;
}
