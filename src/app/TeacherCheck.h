#pragma once
#include <QLabel>

#include "app/Form1.h"
#include "app/Program.h"

// The user counts as a teacher when the caption of Label1 begins with "LÄRARE".
inline bool ärLärare(Program& p) {
  return p.form().Label1->text().startsWith(QStringLiteral("LÄRARE"));
}
