#include "model/beam_length.h"
#include "model/beam_model.h"

#include <gtest/gtest.h>

TEST(LoadKinds, TextsGroupsAndOrderRoundTrip)
{
    struct Case {
        LoadKind kind;
        const char* text;
        const char* group;
        bool distributed;
    };
    const Case cases[] = {
        {LoadKind::Force_Plus, "集中荷重(+)", "Force", false},
        {LoadKind::Force_Minus, "集中荷重(-)", "Force", false},
        {LoadKind::Moment_Plus, "モーメント(+)", "Moment", false},
        {LoadKind::Moment_Minus, "モーメント(-)", "Moment", false},
        {LoadKind::Press_Plus, "分布荷重(+)", "Press", true},
        {LoadKind::Press_Minus, "分布荷重(-)", "Press", true},
    };
    ASSERT_EQ(All_Load_Kinds().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.text);
        EXPECT_EQ(All_Load_Kinds()[i], c.kind);
        EXPECT_EQ(Load_Kind_Text(c.kind), QString::fromUtf8(c.text));
        EXPECT_EQ(Load_Kind_Of(QString::fromUtf8(c.text)), c.kind);
        EXPECT_EQ(Load_Group_Text(Load_Group_Of(c.kind)), QString::fromLatin1(c.group));
        EXPECT_EQ(Is_Distributed(c.kind), c.distributed);
    }
    EXPECT_FALSE(Load_Kind_Of(QStringLiteral("集中荷重")).has_value());
    EXPECT_FALSE(Load_Kind_Of(QString()).has_value());
}

TEST(ConstraintKinds, TextsAndRestraints)
{
    struct Case {
        ConstraintKind kind;
        const char* text;
        Restraint restraint;
    };
    const Case cases[] = {
        {ConstraintKind::Simple, "単純支持", {true, true, false}},
        {ConstraintKind::Roller, "ローラー支持", {false, true, false}},
        {ConstraintKind::Fixed, "完全拘束", {true, true, true}},
        {ConstraintKind::User_Defined, "ユーザ定義", {false, false, false}},
    };
    ASSERT_EQ(All_Constraint_Kinds().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.text);
        EXPECT_EQ(All_Constraint_Kinds()[i], c.kind);
        EXPECT_EQ(Constraint_Kind_Text(c.kind), QString::fromUtf8(c.text));
        EXPECT_EQ(Constraint_Kind_Of(QString::fromUtf8(c.text)), c.kind);
        EXPECT_EQ(Standard_Restraint(c.kind), c.restraint);
    }
    EXPECT_FALSE(Constraint_Kind_Of(QStringLiteral("単純")).has_value());
}

TEST(DefaultBeamModel, HoldsBaseRangeFirstMaterialAndSection)
{
    const BeamModel model = Default_Beam_Model();
    EXPECT_EQ(model.length, "300");
    EXPECT_EQ(model.length_unit, "mm");
    EXPECT_EQ(model.element_count, "200");
    EXPECT_FALSE(model.self_weight);
    ASSERT_EQ(model.ranges.size(), 1);
    EXPECT_EQ(model.ranges[0], (PropertyRange{"0", "300", "MAT1", "SCT1"}));
    ASSERT_EQ(model.materials.size(), 1);
    EXPECT_EQ(model.materials[0].name, QStringLiteral("SS材,SS400(-t16),(降伏)"));
    EXPECT_EQ(model.materials[0].shear_stress, "141.45");
    ASSERT_EQ(model.sections.size(), 1);
    EXPECT_EQ(model.sections[0].unit_mass, "0.00692");
    EXPECT_EQ(model.sections[0].unit_mass_unit, "kg/mm");
    EXPECT_TRUE(model.loads.isEmpty());
    EXPECT_TRUE(model.constraints.isEmpty());
    EXPECT_TRUE(Element_Count_Choices().contains("200"));
    EXPECT_EQ(Element_Count_Choices().first(), "30");
    EXPECT_EQ(Element_Count_Choices().last(), "1500");
}

TEST(BeamLength, EditRules)
{
    struct Case {
        const char* typed;
        const char* shown;
        bool laid_out;
        const char* mid_label;
        const char* base_end;
    };
    const Case cases[] = {
        {"450", "450", true, "225", "450"},
        {"", "300", true, "150", "300"},
        {"0", "1", true, "0.5", "1"},
        {"-20", "1", true, "0.5", "1"},
        {"12.5", "12.5", true, "6.25", "12.5"},
        {"1e3", "1e3", true, "500", "1000"},
        {"0012", "0012", true, "6", "12"},
        {"abc", "abc", false, "", "300"},
        {"-", "-", false, "", "300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        BeamModel model = Default_Beam_Model();
        const Length_Edit edit = Set_Beam_Length(model, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.text, c.shown);
        EXPECT_EQ(model.length, c.shown);
        EXPECT_EQ(edit.laid_out, c.laid_out);
        EXPECT_EQ(edit.mid_label, c.mid_label);
        EXPECT_EQ(edit.end_label, c.laid_out ? QString::fromLatin1(c.shown) : QString());
        EXPECT_EQ(model.ranges[0].start, "0");
        EXPECT_EQ(model.ranges[0].end, c.base_end);
    }
}

TEST(BeamLength, SeparatorsCannotEnterTheLength)
{
    BeamModel model = Default_Beam_Model();
    const Length_Edit edit = Set_Beam_Length(model, QStringLiteral("4,5;0\r\n"));
    EXPECT_EQ(edit.text, "450");
    EXPECT_EQ(model.ranges[0].end, "450");
}

TEST(BeamLength, ModelWithoutRangesIsOnlyRelabelled)
{
    BeamModel model;
    const Length_Edit edit = Set_Beam_Length(model, QStringLiteral("80"));
    EXPECT_TRUE(edit.laid_out);
    EXPECT_EQ(edit.mid_label, "40");
    EXPECT_TRUE(model.ranges.isEmpty());
}

TEST(ElementLengthHint, ThreeNumberForms)
{
    struct Case {
        const char* length;
        const char* count;
        const char* unit;
        const char* hint;
    };
    const Case cases[] = {
        {"300", "200", "mm", "要素長 約 1.5 mm"},
        {"1000", "3", "mm", "要素長 約 333.33 mm"},          // from 10 up: two decimals
        {"81", "8", "mm", "要素長 約 10.12 mm"},             // 10.125 is a tie: to even
        {"10", "3", "cm", "要素長 約 3.33333 cm"},          // 1 .. 10: five decimals
        {"1", "30", "m", "要素長 約 0.03333 m"},            // 0.01 .. 1: five decimals
        {"1", "100", "m", "要素長 約 0.01 m"},              // 0.01 still has five decimals
        {"1", "300", "m", "要素長 約 3.333e-3 m"},          // below 0.01: exponent form
        {"1", "1500", "m", "要素長 約 6.667e-4 m"},
        {"0", "200", "mm", ""},
        {"300", "0", "mm", ""},
        {"abc", "200", "mm", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.length) + "/" + c.count);
        BeamModel model;
        model.length = QString::fromLatin1(c.length);
        model.element_count = QString::fromLatin1(c.count);
        model.length_unit = QString::fromLatin1(c.unit);
        EXPECT_EQ(Element_Length_Hint(model), QString::fromUtf8(c.hint));
    }
}
