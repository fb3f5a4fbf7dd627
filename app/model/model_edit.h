#pragma once

#include "model/beam_model.h"
#include "model/record_text.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The edits the windows make to the model. Record numbers are those of the grids,
// counted from 1. An edit that is refused leaves the model unchanged and returns the
// messages the window shows, in order.

struct Edit_Result {
    bool done = false;
    QStringList messages;
    qint16 number = 0;              // the record added, stored or to show afterwards
    bool altered = false;           // characters were removed from the given texts
};

// A deletion that needs the user's Yes: a refusal to show, or the question to ask;
// neither when there is no such record.
struct Delete_Plan {
    QString refusal;
    QString question;
    bool Allowed() const { return refusal.isEmpty() && !question.isEmpty(); }
};

// Appends MAT n+1 named "Untitled" n+1 "..." with empty values and the units of panel.
Edit_Result Add_Material(BeamModel& model, const MaterialRecord& panel);
// Writes the panel into MAT n (names and fields cleaned).
Edit_Result Store_Material(BeamModel& model, qint16 n, const MaterialRecord& panel);
Delete_Plan Plan_Delete_Material(const BeamModel& model, qint16 n);
// Removes MAT n, renumbers the later materials and the ranges' references to them.
Edit_Result Delete_Material(BeamModel& model, qint16 n);

Edit_Result Add_Section(BeamModel& model, const SectionRecord& panel);
Edit_Result Store_Section(BeamModel& model, qint16 n, const SectionRecord& panel);
Delete_Plan Plan_Delete_Section(const BeamModel& model, qint16 n);
Edit_Result Delete_Section(BeamModel& model, qint16 n);

// Appends a range with empty cells.
Edit_Result Add_Range(BeamModel& model);
enum class Range_End { Start, End };
// Accepts a stretch between 0 and the base range's end; range 1 cannot be changed.
Edit_Result Set_Range_Stretch(BeamModel& model, qint16 r, Range_End which, const QString& text);
// label is "MAT" k (or "SCT" k) of an existing record, or empty to clear the cell.
Edit_Result Set_Range_Material(BeamModel& model, qint16 r, const QString& label);
Edit_Result Set_Range_Section(BeamModel& model, qint16 r, const QString& label);
// Removes range r (not 1); later ranges move up one number.
Edit_Result Delete_Range(BeamModel& model, qint16 r);

// Loads and constraints: at most Max_Entries_Per_Kind of each kind; a load value must
// not read as 0.
Edit_Result Append_Load(BeamModel& model, const Load_Entry& entry);
Edit_Result Replace_Load(BeamModel& model, int row, const Load_Entry& entry);
Edit_Result Delete_Load(BeamModel& model, int row);
QString Delete_Load_Question(const LoadRecord& record);

Edit_Result Append_Constraint(BeamModel& model, const Constraint_Entry& entry);
Edit_Result Replace_Constraint(BeamModel& model, int row, const Constraint_Entry& entry);
Edit_Result Delete_Constraint(BeamModel& model, int row);
QString Delete_Constraint_Question(const ConstraintRecord& record);

int Count_Of_Kind(const BeamModel& model, LoadKind kind);
int Count_Of_Kind(const BeamModel& model, ConstraintKind kind);
