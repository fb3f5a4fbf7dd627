// Start-up, settings, the file commands and the beam fields of the main window: how the
// window shows the one model the session holds.
#include "ui/main_form.h"

#include "analysis/solver_run.h"
#include "model/beam_length.h"
#include "ui/colour_value.h"
#include "ui/main_grids.h"
#include "model/program_version.h"
#include "ui/text_table_model.h"
#include "ui/ui_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

namespace {

const QString Project_Filter = QStringLiteral("*.kvx|*.kvx");

void Set_Back_Colour(QWidget& widget, qint32 value)
{
    const QColor back = Colour_Of(value);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    // Text on the background stays readable on dark and light colours alike.
    palette.setColor(QPalette::WindowText, back.lightness() < 128 ? Qt::white : Qt::black);
    widget.setPalette(palette);
}

} // namespace

void Main_Form::Form_Load()
{
    setWindowTitle(Main_Form_Title_Prefix + Program_Version_Text());
    Pre_Picture->raise();
    Delete_Exchange_Files(program_dir);
    Load_Settings();
    New_File_Mn_Click();
    show();
    Show_Element_Length();
}

void Main_Form::Load_Settings()
{
    settings = Read_Settings(program_dir, settings);
    Show_Settings();
}

void Main_Form::Show_Settings()
{
    Set_Back_Colour(*Pre_Picture, settings.input_background);
    Set_Back_Colour(*Jiju_Check, settings.input_background);
    Set_Back_Colour(*Stress_Disp_Picture, settings.result_background);
    Set_Back_Colour(*BMD_Picture, settings.diagram_background);
    Set_Back_Colour(*SFD_Picture, settings.diagram_background);
}

void Main_Form::Apply_Setting(const Settings& applied)
{
    settings = applied;
    Show_Settings();
    Set_Calc_Required();
    Draw_Prop_Lines();
}

void Main_Form::Set_Calc_Required()
{
    CalcReqd_Frame->show();
}

void Main_Form::Show_Messages(const QStringList& messages)
{
    for (const QString& message : messages)
        services.Show_Message(message);
}

void Main_Form::Init_Grids()
{
    run_results.grid = SetUpResultGrid();
    Refresh_Post_Grid();
    CalcReqd_Frame->show();
    CalcReqd_Frame->raise();
    Select_InOut_Tab(Tab_Conditions);
    Select_MtrlFM_Tab(Tab_Material_Section);
}

void Main_Form::Clear_Pictures()
{
    for (QFrame* picture : {Pre_Picture, BMD_Picture, SFD_Picture, Stress_Disp_Picture})
        picture->update();
}

void Main_Form::Reset_Window()
{
    // A blink under way stops at its next tick, with its control shown.
    blinking_switched_on = false;
    Init_Grids();
    Clear_Pictures();
}

void Main_Form::New_File_Mn_Click()
{
    Reset_Window();
    const QStringList messages = Reset_New(session, program_dir);
    Show_Model();
    Show_Messages(messages);
    Select_InOut_Tab(Tab_Conditions);
}

void Main_Form::Open_File_Mn_Click()
{
    Select_InOut_Tab(Tab_Conditions);
    const QString path =
        services.Choose_Open_File(QStringLiteral("プロジェクトファイルを開く"), Project_Filter, program_dir);
    if (path.isEmpty()) {
        // A cancelled choice keeps the model and forgets the current path.
        Open_Project(session, program_dir, path);
        return;
    }
    Read_Project_File(path, true);
}

void Main_Form::Open_Recent_File(const QString& path)
{
    Select_InOut_Tab(Tab_Conditions);
    Read_Project_File(path, false);
}

void Main_Form::Read_Project_File(const QString& path, bool add_to_recent)
{
    Reset_Window();
    const QStringList messages = Open_Project(session, program_dir, path, add_to_recent);
    Show_Model();
    Show_Messages(messages);
}

void Main_Form::Save_Mn_Click()
{
    if (Save_Needs_Name(session)) {
        Save_As_Mn_Click();
        return;
    }
    if (const QString message = Save_Project(session); !message.isEmpty())
        services.Show_Message(message);
}

void Main_Form::Save_As_Mn_Click()
{
    const QString path = services.Choose_Save_File(QStringLiteral("名前を付けて保存"), Project_Filter, program_dir);
    if (const QString message = Save_Project_As(session, program_dir, path); !message.isEmpty())
        services.Show_Message(message);
}

void Main_Form::Refresh_Grids()
{
    for (Text_Table_Model* rows : {range_rows, material_rows, section_rows, load_rows, constraint_rows})
        rows->Refresh();
}

void Main_Form::Show_Model()
{
    // The fields show the model's texts as they stand: the character filter is meant for
    // typing and would strip an exponent such as 1E-05 from a value read from a file.
    // The fields' own handling then runs as if the user had set them.
    showing_model = true;
    {
        const QSignalBlocker block_length(Length_Text);
        const QSignalBlocker block_unit(Length_UnitCombo);
        const QSignalBlocker block_count(Sep_Fig_Combo);
        const QSignalBlocker block_weight(Jiju_Check);
        Length_Text->setText(session.model.length);
        Length_UnitCombo->setEditText(session.model.length_unit);
        Sep_Fig_Combo->setEditText(session.model.element_count);
        Jiju_Check->setChecked(session.model.self_weight);
    }
    Length_Text_Change();
    Length_UnitCombo_Change();
    Sep_Fig_Combo_Change();
    Jiju_Check_Click();
    showing_model = false;
    Refresh_Grids();
    Draw_Prop_Lines();
}

void Main_Form::Length_Text_Change()
{
    Set_Calc_Required();
    const Length_Edit edit = Set_Beam_Length(session.model, Length_Text->text());
    if (edit.text != Length_Text->text()) {
        // The replaced text comes back through this handler.
        Length_Text->setText(edit.text);
        return;
    }
    if (!edit.laid_out)
        return;
    if (!showing_model)
        range_rows->Refresh();
    Show_Element_Length();
    Draw_Prop_Lines();
}

void Main_Form::Length_UnitCombo_Change()
{
    session.model.length_unit = Length_UnitCombo->currentText();
    LenUnit_Timer->start();
    Set_Calc_Required();
    Show_Element_Length();
    Draw_Prop_Lines();
}

void Main_Form::Length_UnitCombo_Click()
{
    LenUnit_Timer->start();
    Set_Calc_Required();
}

void Main_Form::Sep_Fig_Combo_Change()
{
    session.model.element_count = Sep_Fig_Combo->currentText();
    Set_Calc_Required();
    Show_Element_Length();
}

void Main_Form::Jiju_Check_Click()
{
    session.model.self_weight = Jiju_Check->isChecked();
    Set_Calc_Required();
}

void Main_Form::Show_Element_Length()
{
    Length_Text->setToolTip(Element_Length_Hint(session.model));
}

void Main_Form::Draw_Prop_Lines()
{
    Pre_Picture->update();
}
