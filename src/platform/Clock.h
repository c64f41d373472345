#pragma once
#include <QString>

// The current date and time as the result files and the editor write them.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual QString dateText() const = 0;  // yyyy-mm-dd
  virtual QString timeText() const = 0;  // hh:mm:ss
};

class SystemClock : public Clock {
 public:
  QString dateText() const override;
  QString timeText() const override;
};
