#include "model/beam_length.h"

#include "model/number_text.h"
#include "model/record_text.h"

#include <cmath>

Length_Edit Set_Beam_Length(BeamModel& model, const QString& typed)
{
    Length_Edit edit;
    edit.text = Clean_Field(typed);
    if (edit.text.isEmpty())
        edit.text = QStringLiteral("300");
    else if (Is_Numeric(edit.text) && Leading_Number(edit.text) <= 0)
        edit.text = QStringLiteral("1");
    model.length = edit.text;

    const double value = Leading_Number(edit.text);
    if (!Is_Numeric(edit.text) || !std::isfinite(value))
        return edit;
    edit.laid_out = true;
    edit.mid_label = Decimal_Text(value / 2);
    edit.end_label = edit.text;
    if (!model.ranges.isEmpty())
        model.ranges.first().end = Decimal_Text(value);
    return edit;
}

QString Element_Length_Hint(const BeamModel& model)
{
    const double h = Leading_Number(model.length) / Leading_Number(model.element_count);
    if (!std::isfinite(h) || h <= 0)
        return {};
    const double exponent = std::floor(std::log10(h));
    QString number;
    if (exponent < -2)
        number = Format_Number(h, QStringLiteral("0.0##e-#"));
    else if (exponent > 0)
        number = Decimal_Text(Round_Half_Even(h, 2));
    else
        number = Decimal_Text(Round_Half_Even(h, 5));
    return QStringLiteral("要素長 約 ") + number + QLatin1Char(' ') + model.length_unit;
}
