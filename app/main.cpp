// Trabex: the splash, then the main window on the program directory beside the program.
#include "ui/desktop_ui_services.h"
#include "ui/main_form.h"
#include "model/program_version.h"
#include "ui/splash_form.h"
#include "ui/start_up.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Trabex"));
    QCoreApplication::setApplicationVersion(Program_Version_Text());

    Desktop_Ui_Services services;
    Main_Form main_form(QCoreApplication::applicationDirPath(), services);
    Splash_Form splash(Splash_Mode::Start_Up);
    Start_Up(splash, main_form);
    return app.exec();
}
