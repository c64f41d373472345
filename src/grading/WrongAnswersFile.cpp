#include "grading/WrongAnswersFile.h"

#include "app/Program.h"
#include "grading/AnswersFile.h"
#include "model/Cp1252.h"
#include "model/Markers.h"
#include "model/NumberText.h"
#include "platform/Clock.h"
#include "platform/SafeFile.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

bool felbesvarad(const Program& p, int q) {
  for (int r = 2; r <= 6; ++r) {
    const QString& rad = p.table.cell(r, q);
    const qint16 mark = p.marks.at(q, r);
    if ((ärRätt(rad) && mark == 0) || (ärFel(rad) && mark == 1)) return true;
  }
  return false;
}

QString felfilnamn(const Program& p) {
  return QStringLiteral("Fel") + svarsfilnamn(p);
}

QByteArray felfil(const Program& p) {
  QString text = felfilnamn(p) + QLatin1Char(' ') + p.clock().timeText() + QLatin1Char(' ') +
                 p.clock().dateText() + kCrLf;
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    if (!felbesvarad(p, q)) continue;
    // Appended piece by piece: no line is built on its own first.
    text += QStringLiteral("Fråga");
    text += numberText(q + 1);
    text += QLatin1Char(' ');
    text += p.table.cell(1, q);
    text += kCrLf;
  }
  return toCp1252(text);
}

void SPARAFELFRÅGOR(const Program& p) {
  writeFileAtomically(p.inWorkDir(felfilnamn(p)), felfil(p));
}
