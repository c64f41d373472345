#include "editor/SaveTest.h"

#include <QStringList>
#include <algorithm>

#include "app/Program.h"
#include "model/NumberText.h"
#include "model/TestFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "source/TestList.h"

namespace {

// Day of the month, hour and minute, each as a number without leading zeros: 18th at 09:05
// gives "1895".
QString timeStamp(const Clock& clock) {
  const QString date = clock.dateText();  // yyyy-mm-dd
  const QString time = clock.timeText();  // hh:mm:ss
  QString stamp;
  for (const QString& piece : {date.mid(8, 2), time.mid(0, 2), time.mid(3, 2)})
    stamp += plainText(qint64(leadingNumber(piece)));
  return stamp;
}

QString cellRole(int c) {
  switch (c) {
    case 0:
      return QStringLiteral("rubriken");
    case 1:
      return QStringLiteral("frågetexten");
    case 7:
      return QStringLiteral("målytan");
    case 8:
      return QStringLiteral("bildnamnet");
    default:
      return c <= 6 ? QStringLiteral("svarsrad %1").arg(c) : QStringLiteral("cell %1").arg(c);
  }
}

// Names, as the teacher sees them, the cells that will not read back as they stand.
QString unkeptMessage(const std::vector<UnkeptCell>& unkept) {
  constexpr size_t kListed = 15;
  QStringList lines;
  for (size_t i = 0; i < std::min(unkept.size(), kListed); ++i)
    lines << QStringLiteral("Fråga %1, cell %2 (%3)")
                 .arg(unkept[i].question + 1)
                 .arg(unkept[i].cell)
                 .arg(cellRole(unkept[i].cell));
  if (unkept.size() > kListed)
    lines << QStringLiteral("... och %1 celler till").arg(unkept.size() - kListed);
  return QStringLiteral(
             "Testet är sparat, men dessa celler kan inte läsas tillbaka exakt som de står "
             "(citattecken i dem har blivit apostrofer, eller tecken som testfilen inte kan "
             "lagra har blivit frågetecken):\r\n") +
         lines.join(QStringLiteral("\r\n"));
}

}  // namespace

QString fileNamePiece(const QString& typed) {
  static const QString refused = QStringLiteral("/\\:*?\"<>|");
  QString piece = typed;
  for (QChar& ch : piece) {
    if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || refused.contains(ch)) ch = u'_';
  }
  return piece;
}

void SPARAREDIGERATPROV(Program& p) {
  // No file is held open between routines, so there is nothing to close first.
  // The name loses four characters at every save; a shorter one is used up.
  p.INFIL = p.INFIL.left(std::max<qsizetype>(0, p.INFIL.size() - 4));
  const QString typed =
      p.dialogs().inputBox(QStringLiteral("Filnamn"), QStringLiteral("Ange filnamn"), p.INFIL);
  const QString name = timeStamp(p.clock()) + fileNamePiece(typed) + QStringLiteral(".tst");

  const TestFileImage image = writeTestFile(p.table);
  try {
    writeFileAtomically(p.inWorkDir(name), image.bytes);
  } catch (const FileError& e) {
    // The question's cells are already in the table; the teacher can store it again.
    p.dialogs().msgBox(e.text());
    return;
  }
  if (!image.unkept.empty()) p.dialogs().msgBox(unkeptMessage(image.unkept));
  LaddaFilTxtbox(p);
}
