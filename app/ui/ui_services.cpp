#include "ui/ui_services.h"

#include <QStringList>

QString Qt_File_Filter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    // A lone pattern without a description still filters.
    if (parts.size() % 2 == 1 && !parts.last().isEmpty())
        filters << parts.last().split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    return filters.join(QStringLiteral(";;"));
}
