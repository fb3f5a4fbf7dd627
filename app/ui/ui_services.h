// Everything modal or external that a window needs: message boxes, questions, input boxes,
// file and colour choosers, the beep, the clipboard and the desktop's document opening.
// Windows never call QMessageBox & co. directly; they receive the program's one instance of
// Ui_Services at construction (Desktop_Ui_Services in the program, Scripted_Ui_Services in
// tests) and keep a reference to it.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>

class Ui_Services {
public:
    virtual ~Ui_Services() = default;

    // Plain message box with an OK button and no icon. An empty title means the
    // application's own title.
    virtual void Show_Message(const QString& text, const QString& title = QString()) = 0;

    // Yes/No question; true only for Yes.
    virtual bool Ask_Yes_No(const QString& text, const QString& title = QStringLiteral("Notice!")) = 0;

    // Input box with a prompt, a title and a default answer; nullopt when cancelled.
    virtual std::optional<QString> Input_Box(const QString& prompt, const QString& title,
                                             const QString& default_text) = 0;

    // File choosers. The filter is written as the program writes it everywhere:
    // "description|pattern", pairs repeated with further "|" ("*.kvx|*.kvx",
    // "CSV|*.csv|All|*.*"), several patterns of one pair joined by ";". Both start in
    // initial_dir with an empty file name, accept any typed name whether or not the file
    // exists, never ask before overwriting and append no extension. They return the chosen
    // full path, or an empty text when cancelled.
    virtual QString Choose_Open_File(const QString& title, const QString& filter,
                                     const QString& initial_dir) = 0;
    virtual QString Choose_Save_File(const QString& title, const QString& filter,
                                     const QString& initial_dir) = 0;

    // Colour chooser starting at initial with sixteen custom colours (an invalid QColor is an
    // empty slot); the custom colours the user set are written back. nullopt when cancelled.
    virtual std::optional<QColor> Choose_Colour(const QColor& initial,
                                                std::array<QColor, 16>& custom_colours) = 0;

    virtual void Beep() = 0;

    // Text on the clipboard; empty when it holds none.
    virtual QString Clipboard_Text() = 0;

    // Opens a document with the desktop's program for it; false when that failed.
    virtual bool Open_Document(const QString& path) = 0;
};

// A filter in the "description|pattern" form as a Qt name filter list
// ("*.kvx|*.kvx" -> "*.kvx (*.kvx)"; "a|*.x;*.y|b|*.z" -> "a (*.x *.y);;b (*.z)").
QString Qt_File_Filter(const QString& filter);
