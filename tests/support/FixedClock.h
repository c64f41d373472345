#pragma once
#include "platform/Clock.h"

// A clock that always tells the same date and time.
class FixedClock : public Clock {
 public:
  FixedClock(QString date = QStringLiteral("2026-12-18"), QString time = QStringLiteral("09:05:07"))
      : date_(std::move(date)), time_(std::move(time)) {}
  QString dateText() const override { return date_; }
  QString timeText() const override { return time_; }
  void set(QString date, QString time) {
    date_ = std::move(date);
    time_ = std::move(time);
  }

 private:
  QString date_, time_;
};
