#include "model/model_edit.h"

#include <gtest/gtest.h>

namespace {

MaterialRecord Named_Material(const QString& name)
{
    MaterialRecord record = Default_Material();
    record.name = name;
    return record;
}

SectionRecord Named_Section(const QString& name)
{
    SectionRecord record = Default_Section();
    record.name = name;
    return record;
}

// MAT1-MAT4 named M1..M4, SCT1-SCT3 named S1..S3, ranges using MAT1/SCT1, MAT4/SCT3, MAT3/SCT2.
BeamModel Four_Materials()
{
    BeamModel model;
    for (int i = 1; i <= 4; ++i)
        model.materials.append(Named_Material(QStringLiteral("M%1").arg(i)));
    for (int i = 1; i <= 3; ++i)
        model.sections.append(Named_Section(QStringLiteral("S%1").arg(i)));
    model.ranges = {{"0", "300", "MAT1", "SCT1"}, {"0", "100", "MAT4", "SCT3"}, {"100", "200", "MAT3", "SCT2"}};
    return model;
}

QStringList Material_Names(const BeamModel& model)
{
    QStringList names;
    for (const MaterialRecord& record : model.materials)
        names.append(record.name);
    return names;
}

Load_Entry Force(LoadKind kind, const QString& x, const QString& value)
{
    return {kind, {false, x, "", "mm", {}}, {value, "N"}};
}

Constraint_Entry Support(ConstraintKind kind, const QString& x)
{
    return {kind, {false, x, "", "mm", {}}};
}

} // namespace

TEST(DeleteMaterial, RenumbersLaterMaterialsAndTheirReferences)
{
    BeamModel model = Four_Materials();
    model.ranges[2].material = "MAT1";   // MAT2 and MAT3 unused, MAT4 used
    EXPECT_EQ(Plan_Delete_Material(model, 2).question, QStringLiteral("材料No.= MAT2を削除しますか？"));
    const Edit_Result result = Delete_Material(model, 2);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.number, 1);
    EXPECT_EQ(Material_Names(model), (QStringList{"M1", "M3", "M4"}));
    EXPECT_EQ(model.ranges[0].material, "MAT1");
    EXPECT_EQ(model.ranges[1].material, "MAT3");
    EXPECT_EQ(model.ranges[2].material, "MAT1");
    EXPECT_EQ(model.ranges[1].section, "SCT3");
}

TEST(DeleteMaterial, RefusalsLeaveTheModelUnchanged)
{
    struct Case {
        qint16 n;
        const char* message;
    };
    const Case cases[] = {
        {1, "材料No.= MAT1 は削除できません。"},
        {0, "材料No.= MAT1 は削除できません。"},
        {3, "プロパティ設定にて使用中の材料No.は削除できません。"},   // range 3 uses MAT3 and SCT2
        {4, "プロパティ設定にて使用中の材料No.は削除できません。"},
        {5, ""},                                                 // no such material: nothing to say
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        BeamModel model = Four_Materials();
        const BeamModel before = model;
        const QString message = QString::fromUtf8(c.message);
        const Delete_Plan plan = Plan_Delete_Material(model, c.n);
        EXPECT_FALSE(plan.Allowed());
        EXPECT_EQ(plan.refusal, message);
        const Edit_Result result = Delete_Material(model, c.n);
        EXPECT_FALSE(result.done);
        EXPECT_EQ(result.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        EXPECT_EQ(model, before);
    }
}

TEST(DeleteSection, RefusalsAndRenumbering)
{
    BeamModel model = Four_Materials();
    EXPECT_EQ(Delete_Section(model, 1).messages, QStringList{QStringLiteral("断面No.= SCT1 は削除できません。")});
    EXPECT_EQ(Delete_Section(model, 2).messages,
              QStringList{QStringLiteral("プロパティ設定にて使用中の断面No.は削除できません。")});
    EXPECT_EQ(model, Four_Materials());

    model.ranges[1].section = "SCT1";
    model.ranges[2].section = "SCT3";
    EXPECT_EQ(Plan_Delete_Section(model, 2).question, QStringLiteral("断面No.= SCT2を削除しますか？"));
    EXPECT_TRUE(Delete_Section(model, 2).done);
    ASSERT_EQ(model.sections.size(), 2);
    EXPECT_EQ(model.sections[1].name, "S3");
    EXPECT_EQ(model.ranges[2].section, "SCT2");
    EXPECT_EQ(model.ranges[2].material, "MAT3");
}

TEST(AddRecords, NumberedNamedEmptyWithThePanelsUnits)
{
    BeamModel model = Four_Materials();
    const MaterialRecord panel{"M", "1", "MPa", "2", "ksi", "3", "psi", "4", "g/cm^3"};
    const Edit_Result added = Add_Material(model, panel);
    EXPECT_TRUE(added.done);
    EXPECT_EQ(added.number, 5);
    EXPECT_EQ(model.materials.last(), (MaterialRecord{"Untitled5...", "", "MPa", "", "ksi", "", "psi", "", "g/cm^3"}));

    const SectionRecord section_panel{"S", "1", "cm^2", "2", "in^3", "3", "cm^4", "4", "lb/in"};
    EXPECT_EQ(Add_Section(model, section_panel).number, 4);
    EXPECT_EQ(model.sections.last(), (SectionRecord{"Untitled4...", "", "cm^2", "", "in^3", "", "cm^4", "", "lb/in"}));
}

TEST(StoreMaterial, CleansTheNameAndTellsWhenItDid)
{
    BeamModel model = Four_Materials();
    MaterialRecord panel = Named_Material(QStringLiteral("SS400:改\r\n"));
    panel.youngs_modulus_unit = "MPa";   // only the unit changes: the number stays
    const Edit_Result result = Store_Material(model, 2, panel);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.altered);
    EXPECT_EQ(model.materials[1].name, QStringLiteral("SS400改"));
    EXPECT_EQ(Material_Grid_Modulus(model.materials[1]), "206MPa");

    const Edit_Result clean = Store_Section(model, 3, Named_Section("RCT,10,20,mm"));
    EXPECT_TRUE(clean.done);
    EXPECT_FALSE(clean.altered);
    EXPECT_EQ(model.sections[2].name, "RCT,10,20,mm");

    const BeamModel before = model;
    EXPECT_FALSE(Store_Material(model, 5, panel).done);
    EXPECT_FALSE(Store_Section(model, 0, Default_Section()).done);
    EXPECT_EQ(model, before);
}

TEST(RangeStretch, AcceptsZeroToTheBaseRangeEnd)
{
    BeamModel model = Four_Materials();
    struct Case {
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {{"300", true}, {"0", true}, {"150.5", true}, {"300.5", false}, {"-1", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const Edit_Result result = Set_Range_Stretch(model, 2, Range_End::End, QString::fromLatin1(c.typed));
        EXPECT_EQ(result.done, c.accepted);
        EXPECT_EQ(result.messages, c.accepted ? QStringList{}
                                              : QStringList{QStringLiteral("梁長さ 0～300 の範囲で入力して下さい。")});
        if (c.accepted) {
            EXPECT_EQ(model.ranges[1].end, c.typed);
        }
    }
    EXPECT_EQ(model.ranges[1].end, "150.5");

    EXPECT_TRUE(Set_Range_Stretch(model, 3, Range_End::Start, "1,2;5").done);
    EXPECT_EQ(model.ranges[2].start, "125");

    const BeamModel before = model;
    EXPECT_EQ(Set_Range_Stretch(model, 1, Range_End::Start, "10").messages,
              QStringList{QStringLiteral("No.= 1 の範囲は変更できません。")});
    EXPECT_FALSE(Set_Range_Stretch(model, 4, Range_End::Start, "10").done);
    EXPECT_EQ(model, before);
}

TEST(Ranges, AddAssignAndDelete)
{
    BeamModel model = Four_Materials();
    const Edit_Result added = Add_Range(model);
    EXPECT_EQ(added.number, 4);
    EXPECT_EQ(model.ranges.last(), PropertyRange{});

    EXPECT_TRUE(Set_Range_Material(model, 4, "MAT2").done);
    EXPECT_TRUE(Set_Range_Section(model, 4, "SCT3").done);
    EXPECT_FALSE(Set_Range_Material(model, 4, "MAT5").done);   // no such material
    EXPECT_FALSE(Set_Range_Material(model, 4, "SCT1").done);
    EXPECT_FALSE(Set_Range_Section(model, 4, "SCT02").done);
    EXPECT_EQ(model.ranges[3], (PropertyRange{"", "", "MAT2", "SCT3"}));
    EXPECT_TRUE(Set_Range_Material(model, 4, "").done);
    EXPECT_EQ(model.ranges[3].material, "");

    EXPECT_EQ(Delete_Range(model, 1).messages, QStringList{QStringLiteral("プロパティNo.= 1 は削除できません。")});
    EXPECT_EQ(Delete_Range(model, 0).messages, QStringList{QStringLiteral("プロパティNo.= 1 は削除できません。")});
    EXPECT_FALSE(Delete_Range(model, 5).done);
    ASSERT_EQ(model.ranges.size(), 4);

    const BeamModel before = model;
    const Edit_Result deleted = Delete_Range(model, 2);
    EXPECT_TRUE(deleted.done);
    EXPECT_EQ(deleted.number, 1);
    EXPECT_EQ(model.ranges, (QVector<PropertyRange>{before.ranges[0], before.ranges[2], before.ranges[3]}));
}

TEST(Loads, AppendReplaceDelete)
{
    BeamModel model;
    const Edit_Result first = Append_Load(model, Force(LoadKind::Force_Plus, "150", "100"));
    EXPECT_TRUE(first.done);
    EXPECT_EQ(first.number, 1);
    const Edit_Result second =
        Append_Load(model, {LoadKind::Press_Minus, {true, "0", "100", "mm", {}}, {"2", "N/mm"}});
    EXPECT_EQ(second.number, 2);
    ASSERT_EQ(model.loads.size(), 2);
    EXPECT_EQ(Load_All_Data(model.loads[1]), QStringLiteral("分布荷重(-);RHT,0,100,mm;2,N/mm"));

    EXPECT_TRUE(Replace_Load(model, 1, Force(LoadKind::Moment_Plus, "10", "5")).done);
    EXPECT_EQ(model.loads[0], (LoadRecord{QStringLiteral("モーメント(+)"), "LFT,10,mm", "5,N"}));
    EXPECT_EQ(Delete_Load_Question(model.loads[0]), QStringLiteral("モーメント(+)  LFT,10,mm  5,Nを削除しますか？"));

    const BeamModel before = model;
    EXPECT_FALSE(Replace_Load(model, 3, Force(LoadKind::Force_Plus, "1", "1")).done);
    EXPECT_FALSE(Replace_Load(model, 0, Force(LoadKind::Force_Plus, "1", "1")).done);
    EXPECT_FALSE(Delete_Load(model, 0).done);
    EXPECT_FALSE(Delete_Load(model, 3).done);
    EXPECT_EQ(model, before);

    EXPECT_TRUE(Delete_Load(model, 1).done);
    EXPECT_EQ(model.loads, QVector<LoadRecord>{before.loads[1]});
}

TEST(Loads, ValueReadingAsZeroIsRefused)
{
    for (const char* value : {"0", "", "0.0", "abc", "-0"}) {
        SCOPED_TRACE(value);
        BeamModel model;
        model.loads.append({QStringLiteral("集中荷重(+)"), "LFT,0,mm", "1,N"});
        const BeamModel before = model;
        const QStringList expected{QStringLiteral("荷重ゼロは入力できません。")};
        EXPECT_EQ(Append_Load(model, Force(LoadKind::Force_Plus, "0", value)).messages, expected);
        EXPECT_EQ(Replace_Load(model, 1, Force(LoadKind::Force_Plus, "0", value)).messages, expected);
        EXPECT_EQ(model, before);
    }
}

TEST(Loads, SeparatorsInTypedNumbersAreRemoved)
{
    BeamModel model;
    const Edit_Result result = Append_Load(model, Force(LoadKind::Force_Minus, "1,5", "2;0"));
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.altered);
    EXPECT_EQ(model.loads[0].position, "LFT,15,mm");
    EXPECT_EQ(model.loads[0].value, "20,N");
    EXPECT_FALSE(Append_Load(model, Force(LoadKind::Force_Minus, "15", "20")).altered);
}

TEST(Loads, AtMost64OfEachKind)
{
    BeamModel model;
    for (int i = 0; i < Max_Entries_Per_Kind; ++i)
        ASSERT_TRUE(Append_Load(model, Force(LoadKind::Force_Plus, QString::number(i), "1")).done);
    ASSERT_TRUE(Append_Load(model, Force(LoadKind::Force_Minus, "0", "1")).done);
    const BeamModel full = model;
    const QStringList limit{
        QStringLiteral("エラー(要素が1種類当たり64個を超えた場合にこのエラーが発生する可能性があります。)")};

    EXPECT_EQ(Append_Load(model, Force(LoadKind::Force_Plus, "99", "1")).messages, limit);
    // Changing the other kind's record into the full kind is refused too ...
    EXPECT_EQ(Replace_Load(model, 65, Force(LoadKind::Force_Plus, "99", "1")).messages, limit);
    EXPECT_EQ(model, full);
    EXPECT_EQ(Count_Of_Kind(model, LoadKind::Force_Plus), 64);

    // ... while a record of the full kind may still change, and other kinds still grow.
    EXPECT_TRUE(Replace_Load(model, 64, Force(LoadKind::Force_Plus, "99", "2")).done);
    EXPECT_TRUE(Append_Load(model, Force(LoadKind::Moment_Minus, "0", "1")).done);
    EXPECT_TRUE(Delete_Load(model, 1).done);
    EXPECT_TRUE(Append_Load(model, Force(LoadKind::Force_Plus, "100", "1")).done);
    EXPECT_EQ(Count_Of_Kind(model, LoadKind::Force_Plus), 64);
}

TEST(Constraints, AppendReplaceDeleteAndLimit)
{
    BeamModel model;
    Constraint_Entry user = Support(ConstraintKind::User_Defined, "0");
    user.position.from_right = true;
    user.position.flags = {false, true, true};
    EXPECT_TRUE(Append_Constraint(model, user).done);
    EXPECT_EQ(model.constraints[0].position, "RHT,0,mm,-,Ty,Rt");
    EXPECT_EQ(Delete_Constraint_Question(model.constraints[0]),
              QStringLiteral("ユーザ定義  RHT,0,mm,-,Ty,Rtを削除しますか？"));

    for (int i = 0; i < Max_Entries_Per_Kind; ++i)
        ASSERT_TRUE(Append_Constraint(model, Support(ConstraintKind::Roller, QString::number(i))).done);
    const BeamModel full = model;
    EXPECT_FALSE(Append_Constraint(model, Support(ConstraintKind::Roller, "1")).done);
    const Edit_Result refused = Replace_Constraint(model, 1, Support(ConstraintKind::Roller, "1"));
    EXPECT_EQ(refused.messages.size(), 1);
    EXPECT_EQ(model, full);

    EXPECT_TRUE(Replace_Constraint(model, 1, Support(ConstraintKind::Fixed, "5")).done);
    EXPECT_EQ(model.constraints[0], (ConstraintRecord{QStringLiteral("完全拘束"), "LFT,5,mm"}));
    EXPECT_TRUE(Delete_Constraint(model, 2).done);
    EXPECT_EQ(Count_Of_Kind(model, ConstraintKind::Roller), 63);
    EXPECT_EQ(Count_Of_Kind(model, ConstraintKind::Fixed), 1);
}
