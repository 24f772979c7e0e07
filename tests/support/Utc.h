#pragma once

#include <QDateTime>

// An instant given by its UTC calendar fields, as tests fix "now".
inline QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}
