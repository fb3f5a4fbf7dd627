#include "model/date_time_text.h"

#include <QLocale>

QString General_Date_Time_Text(const QDateTime& date_time)
{
    return QLocale().toString(date_time.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + date_time.time().toString(QStringLiteral("HH:mm:ss"));
}
