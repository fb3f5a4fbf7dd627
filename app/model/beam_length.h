#pragma once

#include "model/beam_model.h"

#include <QString>

// What follows an edit of the beam length field.
struct Length_Edit {
    QString text;                   // what the field must show: as typed, "300" or "1"
    bool laid_out = false;          // text is a number > 0 and the lines below apply
    QString mid_label;              // length / 2
    QString end_label;              // the text itself
};

// Stores the typed length: empty becomes "300", a number not above 0 becomes "1"; for a
// number above 0 the base range ends at the length written as a number. Text that is
// not a number stays as typed and changes nothing else.
Length_Edit Set_Beam_Length(BeamModel& model, const QString& typed);

// The length field's hint: "要素長 約 " + length / element count + " " + unit; empty
// when that quotient is not a finite number above 0.
QString Element_Length_Hint(const BeamModel& model);
