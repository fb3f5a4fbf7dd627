#include "ui/start_up.h"

#include "ui/main_form.h"
#include "ui/splash_form.h"

void Start_Up(Splash_Form& splash, Main_Form& main_form)
{
    QObject::connect(&splash, &Splash_Form::Timer1_Elapsed, &main_form, &Main_Form::Form_Load);
    splash.Show_Start_Up();
}
