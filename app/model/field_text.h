#pragma once

#include <QString>
#include <QtGlobal>

// Field `index` (from 0) of the text split at every occurrence of `separator`;
// "Error" when the index is negative or beyond the last field.
QString Field(const QString& text, const QString& separator, qint16 index);
