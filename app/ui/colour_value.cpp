#include "ui/colour_value.h"

QColor Colour_Of(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 Colour_Value(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() + rgb.green() * 256 + rgb.blue() * 65536;
}
