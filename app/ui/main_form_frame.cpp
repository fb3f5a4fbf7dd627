// The two tab strips of the main window and its two timers.
#include "ui/main_form.h"

#include "analysis/solver_run.h"

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTimer>

void Main_Form::Select_InOut_Tab(int index)
{
    InOut_TabStrip->setCurrentIndex(index);
}

void Main_Form::Select_MtrlFM_Tab(int index)
{
    MtrlFM_TabStrip->setCurrentIndex(index);
}

void Main_Form::Set_Conditions_Enabled(bool enabled)
{
    Jiju_Check->setVisible(enabled);
    Setting_Mn->setEnabled(enabled);
    Set_Cond_Mn->menuAction()->setEnabled(enabled);
    toolbar_buttons[9]->setEnabled(enabled);
    toolbar_buttons[11]->setEnabled(enabled);
    Length_Text->setEnabled(enabled);
    Length_UnitCombo->setEnabled(enabled);
    Sep_Fig_Combo->setEnabled(enabled);
}

void Main_Form::InOut_TabStrip_Click()
{
    if (InOut_TabStrip->currentIndex() == Tab_Conditions) {
        Result_Frame->hide();
        Input_Frame->show();
        Set_Conditions_Enabled(true);
        Delete_Exchange_Files(program_dir);
    } else {
        Input_Frame->hide();
        Result_Frame->show();
        Set_Conditions_Enabled(false);
    }
}

void Main_Form::MtrlFM_TabStrip_Click()
{
    const bool materials = MtrlFM_TabStrip->currentIndex() == Tab_Material_Section;
    Mtrl_Frame->setVisible(materials);
    Constraint_Frame->setVisible(!materials);
    FrceMmnt_Frame->setVisible(!materials);
}

void Main_Form::Start_Blink(QWidget* target)
{
    blink_target = target;
    blink_ticks = 0;
    Timer1->setInterval(200);
    Timer1->start();
}

void Main_Form::Timer1_Timer()
{
    ++blink_ticks;
    Timer1->setInterval(Timer1->interval() - 40);
    if (blink_target)
        blink_target->setVisible(!blink_target->isVisible());
    if (blink_ticks == 5 || !blinking_switched_on) {
        Timer1->stop();
        blinking_switched_on = false;
        if (blink_target)
            blink_target->setVisible(true);
    }
}

void Main_Form::LenUnit_Timer_Timer()
{
    static const QStringList units{QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m"),
                                   QStringLiteral("in")};
    if (!units.contains(Length_UnitCombo->currentText()))
        return;
    LenUnit_Timer->stop();
    Draw_Prop_Lines();
}
