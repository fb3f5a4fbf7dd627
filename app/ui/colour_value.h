#pragma once

#include <QColor>
#include <QtGlobal>

// The program keeps colours as 32-bit colour values (red in the low byte, then green, then
// blue), as "\set.ini" and "\setc.ini" hold them; widgets want a QColor.
QColor Colour_Of(qint32 value);
qint32 Colour_Value(const QColor& colour);
