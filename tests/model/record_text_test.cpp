#include "model/record_text.h"

#include <gtest/gtest.h>

namespace {

int Field_Count(const QString& text, QChar separator)
{
    return static_cast<int>(text.split(separator).size());
}

} // namespace

TEST(LocateToMm, ConvertsPositionTexts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"LFT,15,cm", "LFT,150"},
        {"RHT,1,2,in", "RHT,25.4,50.8"},
        {"LFT,0,mm,Tx,-,Rt", "LFT,0"},
        {"RHT,0,100,mm", "RHT,0,100"},
        {"LFT,1.5,m", "LFT,1500"},
        {"RHT,2.5,m,-,Ty,-", "RHT,2500"},
        {"LFT,15,ft", "LFT,0"},       // unknown unit converts to 0
        {"LFT,abc,mm", "LFT,0"},      // not a number reads as 0
    };
    for (const auto& [position, expected] : cases) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Locate_To_mm(QString::fromLatin1(position)), expected);
    }
}

TEST(MaterialAllData, EncodesDecodesAndShowsModulusWithUnit)
{
    const MaterialRecord record = Default_Material();
    const QString all_data = Material_All_Data(record);
    EXPECT_EQ(all_data, QStringLiteral("SS材,SS400(-t16),(降伏):206,GPa:245,MPa:141.45,MPa:7800,kg/m^3"));
    EXPECT_EQ(Material_From_All_Data(all_data), record);
    EXPECT_EQ(Material_Grid_Modulus(record), "206GPa");
    EXPECT_EQ(Material_Row_Texts(record, 3),
              (QStringList{"MAT3", record.name, "206GPa", all_data}));
}

TEST(SectionAllData, EncodesDecodesAndShowsModulusWithUnit)
{
    const SectionRecord record = Default_Section();
    const QString all_data = Section_All_Data(record);
    EXPECT_EQ(all_data,
              QStringLiteral("[規格材]JIS G3192 溝形鋼,75×40,(縦):881.8,mm^2:20100,mm^3:753000,mm^4:0.00692,kg/mm"));
    EXPECT_EQ(Section_From_All_Data(all_data), record);
    EXPECT_EQ(Section_Row_Texts(record, 1), (QStringList{"SCT1", record.name, "20100mm^3", all_data}));
}

TEST(MaterialAllData, EmptyValuesKeepTheirUnits)
{
    const MaterialRecord record{"Untitled2...", "", "GPa", "", "MPa", "", "MPa", "", "kg/m^3"};
    const QString all_data = Material_All_Data(record);
    EXPECT_EQ(all_data, "Untitled2...:,GPa:,MPa:,MPa:,kg/m^3");
    EXPECT_EQ(Material_From_All_Data(all_data), record);
    EXPECT_EQ(Material_Grid_Modulus(record), "GPa");
}

TEST(MaterialAllData, NameAndFieldsCannotBreakTheRecord)
{
    const MaterialRecord dirty{QStringLiteral("鋼:A\r\nB,C;D"), "2:0,6", "G;Pa", "245\n", "MPa", "1", "MPa",
                               "7800", "kg/m^3\r"};
    const QString all_data = Material_All_Data(dirty);
    EXPECT_EQ(Field_Count(all_data, ':'), 5);
    EXPECT_FALSE(all_data.contains('\r') || all_data.contains('\n'));
    const MaterialRecord expected{QStringLiteral("鋼AB,C;D"), "206", "GPa", "245", "MPa", "1", "MPa", "7800", "kg/m^3"};
    EXPECT_EQ(Material_From_All_Data(all_data), expected);
    EXPECT_EQ(Clean_Material(dirty), expected);
}

TEST(SectionAllData, NameCannotBreakTheRecord)
{
    SectionRecord dirty = Default_Section();
    dirty.name = QStringLiteral("RCT:,10,20\r\n,mm");
    const QString all_data = Section_All_Data(dirty);
    EXPECT_EQ(Field_Count(all_data, ':'), 5);
    SectionRecord expected = Default_Section();
    expected.name = QStringLiteral("RCT,10,20,mm");
    EXPECT_EQ(Section_From_All_Data(all_data), expected);
}

TEST(CleanName, DropsCharactersCodePage932CannotHold)
{
    // Japanese, full-width and half-width kana survive; é, € and a surrogate pair do not.
    EXPECT_EQ(Clean_Name(QStringLiteral("溝形鋼７５ｱｲ,(縦);x")), QStringLiteral("溝形鋼７５ｱｲ,(縦);x"));
    EXPECT_EQ(Clean_Name(QStringLiteral("caf\u00e9 \u20ac5 \U0001F600ok")), QStringLiteral("caf 5 ok"));
    EXPECT_EQ(Clean_Field(QStringLiteral("1,5;0:2\u00e9")), QStringLiteral("1502"));
}

TEST(AllData, MissingFieldsReadAsEmptyAndSurplusFieldsBelongToTheName)
{
    EXPECT_EQ(Material_From_All_Data("Steel"), (MaterialRecord{"Steel", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Material_From_All_Data("A:B:206,GPa:245,MPa:141,MPa:7800,kg/m^3"),
              (MaterialRecord{"A:B", "206", "GPa", "245", "MPa", "141", "MPa", "7800", "kg/m^3"}));
    EXPECT_EQ(Material_From_All_Data(QString()), MaterialRecord{});
}

TEST(RecordLabel, NumbersOfLabels)
{
    EXPECT_EQ(Record_Label(Material_Prefix, 12), "MAT12");
    const std::tuple<const char*, const char*, int> cases[] = {
        {"MAT3", "MAT", 3},   {"SCT10", "SCT", 10}, {"MAT", "MAT", 0},
        {"", "MAT", 0},       {"SCT2", "MAT", 0},   {"MAT1e9", "MAT", 0},
        {"MAT32767", "MAT", 32767},
    };
    for (const auto& [label, prefix, number] : cases) {
        SCOPED_TRACE(label);
        EXPECT_EQ(Label_Number(QString::fromLatin1(label), QString::fromLatin1(prefix)), number);
    }
}

TEST(PositionText, EncodesEachFormAndSplitsBack)
{
    struct Case {
        Position_Fields fields;
        Position_Form form;
        const char* text;
    };
    const Case cases[] = {
        {{false, "150", "", "mm", {}}, Position_Form::Single, "LFT,150,mm"},
        {{true, "0", "100", "mm", {}}, Position_Form::Distributed, "RHT,0,100,mm"},
        {{false, "0", "", "mm", {true, false, true}}, Position_Form::User_Defined, "LFT,0,mm,Tx,-,Rt"},
        {{true, "0", "", "mm", {false, true, true}}, Position_Form::User_Defined, "RHT,0,mm,-,Ty,Rt"},
        {{false, "", "", "cm", {}}, Position_Form::Single, "LFT,,cm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Position_Text(c.fields, c.form), c.text);
        EXPECT_EQ(Split_Position(QString::fromLatin1(c.text)), c.fields);
    }
}

TEST(PositionText, FieldsDropWhatTheFormDoesNotHold)
{
    const Position_Fields fields{true, "1", "2", "in", {true, true, true}};
    EXPECT_EQ(Position_Text(fields, Position_Form::Single), "RHT,1,in");
    EXPECT_EQ(Position_Text(fields, Position_Form::Distributed), "RHT,1,2,in");
}

TEST(PositionText, SeparatorsInNumbersCannotAddFields)
{
    const Position_Fields fields{false, "1,5", "2;0", "m:m", {}};
    const QString text = Position_Text(fields, Position_Form::Distributed);
    EXPECT_EQ(text, "LFT,15,20,mm");
    EXPECT_EQ(Value_Text({"1,00;0", "k,g"}), "1000,kg");
}

TEST(LoadAllData, JoinsAndSplitsTheCells)
{
    const Load_Entry entry{LoadKind::Force_Plus, {false, "150", "", "mm", {}}, {"100", "kg"}};
    const LoadRecord record = Load_Record_Of(entry);
    EXPECT_EQ(record, (LoadRecord{QStringLiteral("集中荷重(+)"), "LFT,150,mm", "100,kg"}));
    const QString all_data = Load_All_Data(record);
    EXPECT_EQ(all_data, QStringLiteral("集中荷重(+);LFT,150,mm;100,kg"));
    EXPECT_EQ(Load_From_All_Data(all_data), record);
    EXPECT_EQ(Load_Entry_Of(record), entry);

    const Load_Entry spread{LoadKind::Press_Minus, {true, "0", "100", "mm", {}}, {"2.5", "N/mm"}};
    EXPECT_EQ(Load_All_Data(Load_Record_Of(spread)), QStringLiteral("分布荷重(-);RHT,0,100,mm;2.5,N/mm"));
    EXPECT_EQ(Load_Entry_Of(Load_Record_Of(spread)), spread);

    EXPECT_FALSE(Load_Entry_Of({"荷重", "LFT,0,mm", "1,N"}).has_value());
    EXPECT_EQ(Load_From_All_Data(QStringLiteral("集中荷重(+)")), (LoadRecord{QStringLiteral("集中荷重(+)"), "", ""}));
}

TEST(ConstraintAllData, JoinsSplitsAndTellsRestraints)
{
    const ConstraintRecord simple{QStringLiteral("単純支持"), "RHT,0,mm"};
    EXPECT_EQ(Constraint_All_Data(simple), QStringLiteral("単純支持;RHT,0,mm"));
    EXPECT_EQ(Constraint_From_All_Data(Constraint_All_Data(simple)), simple);
    EXPECT_EQ(Constraint_Restraint(simple), (Restraint{true, true, false}));

    const Constraint_Entry user{ConstraintKind::User_Defined, {true, "0", "", "mm", {false, true, true}}};
    const ConstraintRecord record = Constraint_Record_Of(user);
    EXPECT_EQ(Constraint_All_Data(record), QStringLiteral("ユーザ定義;RHT,0,mm,-,Ty,Rt"));
    EXPECT_EQ(Constraint_Restraint(record), (Restraint{false, true, true}));
    EXPECT_EQ(Constraint_Entry_Of(record), user);

    // Flags of a standard kind are not the kind's restraint, and an unknown kind restrains nothing.
    EXPECT_EQ(Constraint_Restraint({QStringLiteral("ローラー支持"), "LFT,0,mm,Tx,Ty,Rt"}), (Restraint{false, true, false}));
    EXPECT_EQ(Constraint_Restraint({"x", "LFT,0,mm,Tx,Ty,Rt"}), Restraint{});
}

TEST(LoadAllData, CellsCannotAddFields)
{
    const LoadRecord record{QStringLiteral("集中荷重(+)"), "LFT;1,mm\r\n", "5;,N"};
    const QString all_data = Load_All_Data(record);
    EXPECT_EQ(Field_Count(all_data, ';'), 3);
    EXPECT_EQ(Load_From_All_Data(all_data), (LoadRecord{QStringLiteral("集中荷重(+)"), "LFT1,mm", "5,N"}));
}
