#include "ui/desktop_ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

namespace {

QString Box_Title(const QString& title)
{
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

QString Choose_File(QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                    const QString& initial_dir)
{
    QFileDialog dialog(QApplication::activeWindow(), title, initial_dir, Qt_File_Filter(filter));
    dialog.setAcceptMode(mode);
    // Any typed name is taken as it stands: no existence check, no overwrite question,
    // no appended extension.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

void Desktop_Ui_Services::Show_Message(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, Box_Title(title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool Desktop_Ui_Services::Ask_Yes_No(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, Box_Title(title), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> Desktop_Ui_Services::Input_Box(const QString& prompt, const QString& title,
                                                      const QString& default_text)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), Box_Title(title), prompt,
                                               QLineEdit::Normal, default_text, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString Desktop_Ui_Services::Choose_Open_File(const QString& title, const QString& filter,
                                              const QString& initial_dir)
{
    return Choose_File(QFileDialog::AcceptOpen, title, filter, initial_dir);
}

QString Desktop_Ui_Services::Choose_Save_File(const QString& title, const QString& filter,
                                              const QString& initial_dir)
{
    return Choose_File(QFileDialog::AcceptSave, title, filter, initial_dir);
}

std::optional<QColor> Desktop_Ui_Services::Choose_Colour(const QColor& initial,
                                                         std::array<QColor, 16>& custom_colours)
{
    const int count = std::min<int>(QColorDialog::customCount(), int(custom_colours.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, custom_colours[i].isValid() ? custom_colours[i] : QColor(Qt::white));
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    for (int i = 0; i < count; ++i)
        custom_colours[i] = QColorDialog::customColor(i);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void Desktop_Ui_Services::Beep()
{
    QApplication::beep();
}

QString Desktop_Ui_Services::Clipboard_Text()
{
    return QGuiApplication::clipboard()->text();
}

bool Desktop_Ui_Services::Open_Document(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
