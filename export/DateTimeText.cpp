#include "export/DateTimeText.h"

namespace mimora {

QString DateTimeText(const QDateTime &when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    QString text = QString::number(date.year()) + u'年' + QString::number(date.month()) + u'月' +
                   QString::number(date.day()) + u'日';
    // The time part ends at the last field that is not zero; the fields before it stay.
    if (time.second() != 0)
        text += QString::number(time.hour()) + u'时' + QString::number(time.minute()) + u'分' +
                QString::number(time.second()) + u'秒';
    else if (time.minute() != 0)
        text += QString::number(time.hour()) + u'时' + QString::number(time.minute()) + u'分';
    else if (time.hour() != 0)
        text += QString::number(time.hour()) + u'时';
    return text;
}

} // namespace mimora
