#include "ui/numeric_field.h"

#include "model/numeric_text.h"
#include "ui/formula.h"
#include "ui/ui_services.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

Numeric_Field::Numeric_Field(QLineEdit* edit, Ui_Services& ui, Formula formula)
    : QObject(edit), edit(edit), ui(ui), formula(formula)
{
    setObjectName(QStringLiteral("Numeric_Field"));
    connect(edit, &QLineEdit::textChanged, this, &Numeric_Field::Edit_Text_Changed);
    if (formula == Formula::On)
        edit->installEventFilter(this);
}

Numeric_Field* Numeric_Field::Install(QLineEdit* edit, Ui_Services& ui, Formula formula)
{
    return new Numeric_Field(edit, ui, formula); // owned by edit
}

Numeric_Field* Numeric_Field::Install(QComboBox* combo, Ui_Services& ui, Formula formula)
{
    if (!combo->isEditable() || !combo->lineEdit())
        return nullptr;
    return Install(combo->lineEdit(), ui, formula);
}

void Numeric_Field::Edit_Text_Changed(const QString& text)
{
    // Putting the filtered text back is itself a change; it is part of this one.
    if (filtering)
        return;
    emit Calc_Required();
    const Numeric_Check check = Check_Numeric_Text(text, edit->cursorPosition());
    if (check.rejected > 0) {
        filtering = true;
        edit->setText(check.text);
        filtering = false;
        // The caret stays where the user was typing rather than jumping to the end.
        edit->setCursorPosition(int(check.cursor));
        edit->setFocus();
        for (int i = 0; i < check.rejected; ++i)
            ui.Beep();
    }
    emit Text_Changed(check.text);
}

void Numeric_Field::Formula_Input()
{
    const std::optional<QString> answer = ui.Input_Box(QStringLiteral("数式を入力して下さい。(例：500/2-20)"),
                                                       QStringLiteral("数式入力"), edit->text());
    if (!answer)
        return;
    const Formula_Result result = Eval_Formula(*answer);
    if (!result.error.isEmpty()) {
        ui.Show_Message(result.error);
        return;
    }
    if (result.value)
        edit->setText(result.text);
}

bool Numeric_Field::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit && event->type() == QEvent::MouseButtonDblClick && edit->isEnabled()
        && !edit->isReadOnly()) {
        Formula_Input();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
