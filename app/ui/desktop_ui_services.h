// Ui_Services of the running program: Qt's standard dialogs, owned by the active window.
#pragma once

#include "ui/ui_services.h"

class Desktop_Ui_Services final : public Ui_Services {
public:
    void Show_Message(const QString& text, const QString& title = QString()) override;
    bool Ask_Yes_No(const QString& text, const QString& title = QStringLiteral("Notice!")) override;
    std::optional<QString> Input_Box(const QString& prompt, const QString& title,
                                     const QString& default_text) override;
    QString Choose_Open_File(const QString& title, const QString& filter,
                             const QString& initial_dir) override;
    QString Choose_Save_File(const QString& title, const QString& filter,
                             const QString& initial_dir) override;
    std::optional<QColor> Choose_Colour(const QColor& initial,
                                        std::array<QColor, 16>& custom_colours) override;
    void Beep() override;
    QString Clipboard_Text() override;
    bool Open_Document(const QString& path) override;
};
