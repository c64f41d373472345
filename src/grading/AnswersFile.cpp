#include "grading/AnswersFile.h"

#include "app/Program.h"
#include "model/Cp1252.h"
#include "model/NumberText.h"
#include "platform/Clock.h"
#include "platform/SafeFile.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

bool vägrat(QChar c) {
  return QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control;
}
}  // namespace

QString basnamn(const QString& INFIL) {
  // The rule asks for a negative count of characters here; nothing is taken instead.
  if (INFIL.size() < 4) return QString();
  return INFIL.left(INFIL.size() - 4) + QStringLiteral(".txt");
}

QString säkertFilnamn(const QString& name) {
  QString safe = name;
  for (QChar& c : safe)
    if (vägrat(c)) c = QLatin1Char('_');
  // "." and ".." name folders, and an empty name names the working folder itself.
  if (safe.isEmpty() || safe == u"." || safe == u"..")
    safe = QString(qMax<qsizetype>(safe.size(), 1), QLatin1Char('_'));
  return safe;
}

QString svarsfilnamn(const Program& p) {
  const QString bas = basnamn(p.INFIL);
  if (!p.KLASS.isEmpty())
    return säkertFilnamn(p.KLASS + QLatin1Char(' ') + p.ANVÄNDARE + QLatin1Char(' ') +
                         numberText(p.AntRätt) + bas);
  return säkertFilnamn(p.ANVÄNDARE + QLatin1Char(' ') + bas);
}

QByteArray svarsfil(const Program& p) {
  // Some 10,000 characters: one buffer, each line appended where it ends up.
  QString text;
  text.reserve(16 * 1024);
  auto rad = [&text](const QString& s) {
    text += s;
    text += kCrLf;
  };

  rad(QStringLiteral("Prov ") + p.INFIL);
  rad(p.clock().dateText() + QLatin1Char(' ') + p.clock().timeText());
  rad(p.ANVÄNDARE + QLatin1Char(' ') + p.KLASS);
  rad(QStringLiteral("Antal Rätt= ") + numberText(p.AntRätt));
  // All 201 slots, whatever the length of the test.
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    text += QStringLiteral("Fråga nr ");
    rad(printedNumber(q + 1));
    for (int r = 2; r <= 6; ++r) rad(printedNumber(p.marks.at(q, r)));
    // Its line breaks are CR LF already, as the answer box keeps them.
    rad(p.typed.at(q, 1));
  }
  return toCp1252(text);
}

void SPARASVAR(const Program& p) {
  writeFileAtomically(p.inWorkDir(svarsfilnamn(p)), svarsfil(p));
}
