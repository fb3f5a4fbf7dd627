// Ui_Services for tests: records every call, in order, as a readable line and answers from
// queues. An empty queue answers as if the user cancelled (No, no input, no file, no colour)
// and a document cannot be opened unless an answer says so.
//
// Recorded lines:
//   "message: <text>"                 (application title)
//   "message [<title>]: <text>"
//   "question [<title>]: <text>"
//   "input [<title>]: <prompt> | <default>"
//   "open file [<title>]: <filter> in <dir>"
//   "save file [<title>]: <filter> in <dir>"
//   "colour: <initial as #rrggbb, or none>"
//   "beep"
//   "clipboard"
//   "open document: <path>"
#pragma once

#include "ui/ui_services.h"

#include <QStringList>

#include <deque>

class Scripted_Ui_Services final : public Ui_Services {
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

    void Answer_Yes_No(bool yes) { yes_no_answers.push_back(yes); }
    void Answer_Input(std::optional<QString> text) { input_answers.push_back(std::move(text)); }
    // One queue serves both file choosers; an empty path is a cancel.
    void Answer_File(const QString& path) { file_answers.push_back(path); }
    void Answer_Colour(std::optional<QColor> colour) { colour_answers.push_back(std::move(colour)); }
    void Answer_Open_Document(bool opened) { open_document_answers.push_back(opened); }
    void Set_Clipboard_Text(const QString& text) { clipboard = text; }

    const QStringList& Calls() const { return calls; }
    // The calls so far, forgetting them: lets a test look at one step at a time.
    QStringList Take_Calls();
    // Lines of Calls() that start with prefix ("message", "beep", ...).
    QStringList Calls_Starting_With(const QString& prefix) const;

private:
    QStringList calls;
    std::deque<bool> yes_no_answers;
    std::deque<std::optional<QString>> input_answers;
    std::deque<QString> file_answers;
    std::deque<std::optional<QColor>> colour_answers;
    std::deque<bool> open_document_answers;
    QString clipboard;
};
