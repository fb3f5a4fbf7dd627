// Makes a text field a numeric field: every change of its text (typed, pasted or set by
// the program) is filtered with Check_Numeric_Text, each removed character beeping, and a
// double-click asks for a formula whose value replaces the text.
//
//   auto* field = Numeric_Field::Install(Length_Text, ui);
//   connect(field, &Numeric_Field::Calc_Required, this, &Main_Form::Set_Calc_Required);
//   connect(field, &Numeric_Field::Text_Changed, this, &Main_Form::Length_Text_Change);
//
// Connect the field's own handling to Text_Changed, not to QLineEdit::textChanged: the
// line edit also reports the text before the filter removed anything.
#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;
class Ui_Services;

class Numeric_Field : public QObject {
    Q_OBJECT
public:
    enum class Formula { Off, On };

    // The helper becomes a child of the edit (object name "Numeric_Field") and lives as
    // long as it. ui must outlive the edit.
    static Numeric_Field* Install(QLineEdit* edit, Ui_Services& ui, Formula formula = Formula::On);
    // The edit of an editable combo box; nullptr for a combo box that is not editable.
    static Numeric_Field* Install(QComboBox* combo, Ui_Services& ui, Formula formula = Formula::On);

public slots:
    // The formula prompt of a double-click.
    void Formula_Input();

signals:
    // On every change, before the filter: the shown results no longer fit the input.
    void Calc_Required();
    // Once per change, with the text that passed the filter.
    void Text_Changed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Numeric_Field(QLineEdit* edit, Ui_Services& ui, Formula formula);
    void Edit_Text_Changed(const QString& text);

    QLineEdit* edit;
    Ui_Services& ui;
    const Formula formula;
    bool filtering = false;
};
