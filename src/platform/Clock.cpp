#include "platform/Clock.h"

#include <QDateTime>

QString SystemClock::dateText() const {
  return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

QString SystemClock::timeText() const {
  return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}
