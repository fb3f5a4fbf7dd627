#include "ui/scripted_ui_services.h"

namespace {

// The next queued answer, or the given one (the cancel answer) when the queue is empty.
template <typename T>
T Take_Answer(std::deque<T>& queue, T answer)
{
    if (!queue.empty()) {
        std::swap(answer, queue.front());
        queue.pop_front();
    }
    return answer;
}

QString Titled(const QString& kind, const QString& title)
{
    return kind + QStringLiteral(" [") + title + QStringLiteral("]: ");
}

} // namespace

void Scripted_Ui_Services::Show_Message(const QString& text, const QString& title)
{
    calls << (title.isEmpty() ? QStringLiteral("message: ") : Titled(QStringLiteral("message"), title)) + text;
}

bool Scripted_Ui_Services::Ask_Yes_No(const QString& text, const QString& title)
{
    calls << Titled(QStringLiteral("question"), title) + text;
    return Take_Answer(yes_no_answers, false);
}

std::optional<QString> Scripted_Ui_Services::Input_Box(const QString& prompt, const QString& title,
                                                       const QString& default_text)
{
    calls << Titled(QStringLiteral("input"), title) + prompt + QStringLiteral(" | ") + default_text;
    return Take_Answer(input_answers, std::optional<QString>());
}

QString Scripted_Ui_Services::Choose_Open_File(const QString& title, const QString& filter,
                                               const QString& initial_dir)
{
    calls << Titled(QStringLiteral("open file"), title) + filter + QStringLiteral(" in ") + initial_dir;
    return Take_Answer(file_answers, QString());
}

QString Scripted_Ui_Services::Choose_Save_File(const QString& title, const QString& filter,
                                               const QString& initial_dir)
{
    calls << Titled(QStringLiteral("save file"), title) + filter + QStringLiteral(" in ") + initial_dir;
    return Take_Answer(file_answers, QString());
}

std::optional<QColor> Scripted_Ui_Services::Choose_Colour(const QColor& initial, std::array<QColor, 16>&)
{
    calls << QStringLiteral("colour: ") + (initial.isValid() ? initial.name() : QStringLiteral("none"));
    return Take_Answer(colour_answers, std::optional<QColor>());
}

void Scripted_Ui_Services::Beep()
{
    calls << QStringLiteral("beep");
}

QString Scripted_Ui_Services::Clipboard_Text()
{
    calls << QStringLiteral("clipboard");
    return clipboard;
}

bool Scripted_Ui_Services::Open_Document(const QString& path)
{
    calls << QStringLiteral("open document: ") + path;
    return Take_Answer(open_document_answers, false);
}

QStringList Scripted_Ui_Services::Take_Calls()
{
    QStringList taken;
    taken.swap(calls);
    return taken;
}

QStringList Scripted_Ui_Services::Calls_Starting_With(const QString& prefix) const
{
    QStringList found;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            found << call;
    return found;
}
