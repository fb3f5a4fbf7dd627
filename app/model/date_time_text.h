#pragma once

#include <QDateTime>
#include <QString>

// A date and time in the general format of the default locale (the system's unless the
// program sets another): the short date, a space and the time with seconds, e.g.
// "2026/12/10 11:08:36" on a Japanese system.
QString General_Date_Time_Text(const QDateTime& date_time);
