#include "model/field_text.h"

QString Field(const QString& text, const QString& separator, qint16 index)
{
    static const QString error_text = QStringLiteral("Error");
    if (index < 0) return error_text;
    // An empty separator splits nothing: the whole text is field 0.
    if (separator.isEmpty()) return index == 0 ? text : error_text;
    qsizetype start = 0;
    for (qint16 n = 0; n < index; ++n) {
        const qsizetype found = text.indexOf(separator, start);
        if (found < 0) return error_text;
        start = found + separator.size();
    }
    const qsizetype end = text.indexOf(separator, start);
    return text.mid(start, end < 0 ? -1 : end - start);
}
