#include "analysis/position_mm.h"

#include "model/beam_model.h"
#include "model/field_text.h"
#include "model/number_text.h"
#include "model/record_text.h"

Position_Mm Position_In_mm(const QString& position_text)
{
    const QString located = Locate_To_mm(position_text);
    return {Field(located, QStringLiteral(","), 0),
            Leading_Number(Field(located, QStringLiteral(","), 1)),
            Leading_Number(Field(located, QStringLiteral(","), 2))};
}

double From_Left(const QString& reference, double distance, double length_mm)
{
    return reference == Right_End ? length_mm - distance : distance;
}

double Text_Rounded(double x)
{
    return Leading_Number(Decimal_Text(x));
}
