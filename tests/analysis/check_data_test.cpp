#include "analysis/check_data.h"

#include "analysis_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Range_Outside = QStringLiteral("エラー(材料･断面特性定義範囲が梁寸法の外に配置されています。");
const QString Load_Outside = QStringLiteral("エラー(荷重点が梁寸法の外に配置されています。");
const QString Support_Outside = QStringLiteral("エラー(拘束点が梁寸法の外に配置されています。");

struct Placement_Case {
    const char* name;
    std::function<void(BeamModel&)> edit;
    QString message;  // empty: passes
    Editing_Tab tab;
};

TEST(Check_Data, placement_of_ranges_loads_and_supports)
{
    const auto add_load = [](LoadKind kind, const char* position) {
        return [=](BeamModel& m) { m.loads.append(Load(kind, QString::fromUtf8(position), QStringLiteral("100,kg"))); };
    };
    const auto add_support = [](const char* position) {
        return [=](BeamModel& m) {
            m.constraints.append(Support(ConstraintKind::Simple, QString::fromUtf8(position)));
        };
    };
    const auto set_range = [](const char* start, const char* end) {
        return [=](BeamModel& m) {
            m.ranges.append({QString::fromUtf8(start), QString::fromUtf8(end), QStringLiteral("MAT1"),
                             QStringLiteral("SCT1")});
        };
    };
    const Placement_Case cases[] = {
        {"range from 0 to exactly L", set_range("0", "1000"), {}, Editing_Tab::None},
        {"range ending 0.001 mm beyond L", set_range("0", "1000.001"), Range_Outside + "1000.001mm)",
         Editing_Tab::Material_Section},
        {"start checked before end", set_range("-5", "2000"), Range_Outside + "-5mm)", Editing_Tab::Material_Section},
        {"new range with empty cells", set_range("", ""), Range_Outside + "mm)", Editing_Tab::Material_Section},
        {"range end that is no number", set_range("0", "abc"), Range_Outside + "abcmm)",
         Editing_Tab::Material_Section},
        {"range values in the beam's unit, message in mm",
         [](BeamModel& m) {
             m.length = QStringLiteral("100");
             m.length_unit = QStringLiteral("cm");
             m.ranges[0].end = QStringLiteral("100");
             m.ranges.append({QStringLiteral("10"), QStringLiteral("100.5"), QStringLiteral("MAT1"),
                              QStringLiteral("SCT1")});
         },
         Range_Outside + "1005mm)", Editing_Tab::Material_Section},
        {"load beyond the right end", add_load(LoadKind::Force_Plus, "LFT,1200,mm"), Load_Outside + "1200mm)",
         Editing_Tab::Constraint_Load},
        {"load from the right end beyond the beam", add_load(LoadKind::Force_Minus, "RHT,1200,mm"),
         Load_Outside + "-200mm)", Editing_Tab::Constraint_Load},
        {"load position in its own unit", add_load(LoadKind::Moment_Plus, "LFT,1.5,m"), Load_Outside + "1500mm)",
         Editing_Tab::Constraint_Load},
        {"load at the right end is not checked", add_load(LoadKind::Force_Plus, "RHT,0,mm"), {}, Editing_Tab::None},
        {"second distance of a distributed load", add_load(LoadKind::Press_Plus, "LFT,200,1100,mm"),
         Load_Outside + "1100mm)", Editing_Tab::Constraint_Load},
        {"right-end distributed load: 0 skipped, the other checked", add_load(LoadKind::Press_Minus, "RHT,0,1100,mm"),
         Load_Outside + "-100mm)", Editing_Tab::Constraint_Load},
        {"support at the right end passes at L", add_support("RHT,0,mm"), {}, Editing_Tab::None},
        {"support from the right end beyond the beam", add_support("RHT,1000.5,mm"), Support_Outside + "-0.5mm)",
         Editing_Tab::Constraint_Load},
        {"support before the left end", add_support("LFT,-1,mm"), Support_Outside + "-1mm)",
         Editing_Tab::Constraint_Load},
        {"only the first failure is reported",
         [](BeamModel& m) {
             m.loads.append(Load(LoadKind::Force_Plus, QStringLiteral("LFT,1200,mm"), QStringLiteral("1,kg")));
             m.ranges.append({QStringLiteral("0"), QStringLiteral("1001"), QStringLiteral("MAT1"),
                              QStringLiteral("SCT1")});
         },
         Range_Outside + "1001mm)", Editing_Tab::Material_Section},
    };
    for (const Placement_Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("10"));
        c.edit(model);
        Run_Log log;
        EXPECT_EQ(Check_Data(model, log), c.tab);
        EXPECT_EQ(log.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(log.flag, c.message.isEmpty() ? 0 : -1);
    }
}

struct Data_Case {
    const char* name;
    std::function<void(BeamModel&)> edit;
    QStringList messages;
};

const QString Rotation_Rule = QStringLiteral(
    "少なくとも2個以上の単純支持又はローラー支持、又は1個以上の完全拘束が必要です。(回転防止)");
const QString Sliding_Rule = QStringLiteral("少なくとも1個以上の単純支持又は完全拘束が必要です。(横滑り防止)");
const QString No_Support = QStringLiteral("少なくとも1個以上の拘束条件が必要です。(横滑り防止)");

void Set_Supports(BeamModel& m, const QVector<ConstraintRecord>& supports)
{
    m.constraints = supports;
}

TEST(Data_Checks, messages_and_their_order)
{
    const ConstraintRecord simple = Support(ConstraintKind::Simple, QStringLiteral("LFT,0,mm"));
    const ConstraintRecord roller = Support(ConstraintKind::Roller, QStringLiteral("RHT,0,mm"));
    const ConstraintRecord fixed = Support(ConstraintKind::Fixed, QStringLiteral("LFT,0,mm"));
    const Data_Case cases[] = {
        {"a sound model", [](BeamModel&) {}, {}},
        {"zero length", [](BeamModel& m) { m.length = QStringLiteral("0"); }, {"入力エラー(長さ)"}},
        {"unknown length unit", [](BeamModel& m) { m.length_unit = QStringLiteral("ft"); }, {"入力エラー(長さ)"}},
        {"zero count", [](BeamModel& m) { m.element_count = QStringLiteral("0"); }, {"入力エラー(最小要素分割数)"}},
        {"both scalars: only the count's message, and the mesh stops",
         [](BeamModel& m) {
             m.length = QStringLiteral("0");
             m.element_count = QStringLiteral("abc");
             m.loads.clear();
             m.constraints.clear();
         },
         {"入力エラー(最小要素分割数)"}},
        {"a count no solver run can take", [](BeamModel& m) { m.element_count = QStringLiteral("1e9"); },
         {"入力エラー(最小要素分割数)"}},
        {"unknown unit of Young's modulus",
         [](BeamModel& m) { m.materials[0].youngs_modulus_unit = QStringLiteral("gpa"); }, {"入力エラー(ヤング率)"}},
        {"the later property failure replaces the earlier",
         [](BeamModel& m) {
             m.materials[0].youngs_modulus = QStringLiteral("0");
             m.sections[0].area = QString();
         },
         {"入力エラー(断面積)"}},
        {"section modulus", [](BeamModel& m) { m.sections[0].section_modulus = QStringLiteral("0"); },
         {"入力エラー(断面係数)"}},
        {"second moment", [](BeamModel& m) { m.sections[0].second_moment_unit = QStringLiteral("mm4"); },
         {"入力エラー(断面2次モーメント)"}},
        {"an override's material on the nodes it covers",
         [](BeamModel& m) {
             MaterialRecord soft = Default_Material();
             soft.youngs_modulus = QStringLiteral("0");
             m.materials.append(soft);
             m.ranges.append({QStringLiteral("250"), QStringLiteral("400"), QStringLiteral("MAT2"),
                              QStringLiteral("SCT1")});
         },
         {"入力エラー(ヤング率)"}},
        {"a range naming no material",
         [](BeamModel& m) {
             m.ranges.append({QStringLiteral("250"), QStringLiteral("400"), QStringLiteral("MAT7"),
                              QStringLiteral("SCT1")});
         },
         {"入力エラー(ヤング率)"}},
        {"a range covering no node is not checked",
         [](BeamModel& m) {
             m.ranges.append({QStringLiteral("400"), QStringLiteral("300"), QStringLiteral("MAT9"),
                              QStringLiteral("SCT9")});
         },
         {}},
        {"self weight with density only",
         [](BeamModel& m) {
             m.self_weight = true;
             m.sections[0].unit_mass = QStringLiteral("0");
         },
         {}},
        {"self weight with unit mass only",
         [](BeamModel& m) {
             m.self_weight = true;
             m.materials[0].density = QStringLiteral("0");
         },
         {}},
        {"self weight with neither",
         [](BeamModel& m) {
             m.self_weight = true;
             m.sections[0].unit_mass = QStringLiteral("0");
             m.materials[0].density = QStringLiteral("0");
         },
         {"入力エラー(単位質量)"}},
        {"no load", [](BeamModel& m) { m.loads.clear(); }, {No_Load_Message}},
        {"only self weight loads the beam",
         [](BeamModel& m) {
             m.loads.clear();
             m.self_weight = true;
         },
         {}},
        {"a load of value 0 and one of an unknown unit do not count",
         [](BeamModel& m) {
             m.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("0,kg")),
                        Load(LoadKind::Moment_Minus, QStringLiteral("LFT,500,mm"), QStringLiteral("5,kgf-mm"))};
         },
         {No_Load_Message}},
        {"opposite loads at one point still count",
         [](BeamModel& m) {
             m.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg")),
                        Load(LoadKind::Force_Minus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
         },
         {}},
        {"no support", [](BeamModel& m) { m.constraints.clear(); }, {No_Support}},
        {"self weight on a mesh of a single node",
         [](BeamModel& m) {
             m.element_count = QStringLiteral("0.5");
             m.self_weight = true;
             m.loads.clear();
             m.constraints.clear();
         },
         {No_Support}},
        {"one simple support", [&](BeamModel& m) { Set_Supports(m, {simple}); }, {Rotation_Rule}},
        {"one full fixing", [&](BeamModel& m) { Set_Supports(m, {fixed}); }, {}},
        {"two rollers", [&](BeamModel& m) { Set_Supports(m, {roller, roller}); }, {Sliding_Rule}},
        {"two simple supports at one place count twice", [&](BeamModel& m) { Set_Supports(m, {simple, simple}); },
         {}},
        {"user-defined Ty Rt at one place and Tx at another",
         [](BeamModel& m) {
             Set_Supports(m, {Support(ConstraintKind::User_Defined, QStringLiteral("LFT,0,mm,-,Ty,Rt")),
                              Support(ConstraintKind::User_Defined, QStringLiteral("RHT,0,mm,Tx,-,-"))});
         },
         {}},
        {"a row of an unknown kind counts for nothing",
         [&](BeamModel& m) { Set_Supports(m, {simple, {QStringLiteral("固定"), QStringLiteral("RHT,0,mm")}}); },
         {Rotation_Rule}},
        {"property, load and support messages in order",
         [](BeamModel& m) {
             m.materials[0].youngs_modulus = QStringLiteral("0");
             m.loads.clear();
             m.constraints.clear();
         },
         {"入力エラー(ヤング率)", No_Load_Message, No_Support}},
    };
    for (const Data_Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamModel model = Supported_Beam(QStringLiteral("1000"), QStringLiteral("10"));
        model.loads = {Load(LoadKind::Force_Plus, QStringLiteral("LFT,500,mm"), QStringLiteral("100,kg"))};
        c.edit(model);
        const Analysis_Run run = Analyse(model);
        EXPECT_EQ(run.log.messages, c.messages);
        EXPECT_EQ(run.log.flag, c.messages.isEmpty() ? 0 : -1);
    }
}

} // namespace
