#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/Wiring.h"
#include "fuzz/FuzzChecks.h"
#include "grading/Finishing.h"
#include "picture/FrmBild.h"
#include "platform/Clock.h"
#include "platform/CurlHttp.h"
#include "platform/Dialogs.h"
#include "reliability/ShownQuestion.h"

namespace {
void fail(const char* what) {
  fuzzFail("web load", what);
}

// Every message is kept; every input box is cancelled.
class QuietDialogs : public Dialogs {
 public:
  void msgBox(const QString& text) override { messages << text; }
  QString inputBox(const QString&, const QString&, const QString&) override { return QString(); }
  QStringList messages;
};

class StillClock : public Clock {
 public:
  QString dateText() const override { return QStringLiteral("2026-12-18"); }
  QString timeText() const override { return QStringLiteral("09:05:07"); }
};

// A name the picture fetch would write into the working folder (and so the fuzz server's
// folder may hold).
bool bareName(const QString& name) {
  return !name.isEmpty() && name != u"." && name != u".." && name.size() < 200 &&
         std::none_of(name.begin(), name.end(), [](QChar c) {
           return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20;
         });
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

void checkShown(Program& p, const QuietDialogs& dialogs) {
  const QString wrong = shown::mismatch(p);
  if (!wrong.isEmpty()) {
    std::fprintf(stderr, "%s\n", wrong.toUtf8().constData());
    fail("the window does not show the current question");
  }
  for (const QString& m : dialogs.messages)
    if (m.contains(QStringLiteral("oväntat fel"))) {
      std::fprintf(stderr, "%s\n", m.toUtf8().constData());
      fail("a failure reached the event loop");
    }
}

// Nothing outside the working folder but the server's own files; nothing but plain files in it.
void checkTree(const QString& root) {
  QDir top(root);
  const QStringList outer = top.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  if (outer != QStringList{"server", "work"}) fail("a file was written beside the working folder");
  const QFileInfoList inWork =
      QDir(top.filePath(QStringLiteral("work")))
          .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  for (const QFileInfo& f : inWork)
    if (!f.isFile() || f.isSymLink()) fail("something but a file was made in the working folder");
  const QStringList server = QDir(top.filePath(QStringLiteral("server/distanstest")))
                                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  if (server != QStringList{"f"}) fail("a file was written into the server's folder");
}
}  // namespace

void checkWebLoad(const uint8_t* data, size_t size) {
  // In memory where there is a tmpfs: the files are written whole and synced at every input.
  static QTemporaryDir root(QDir(QStringLiteral("/dev/shm")).exists()
                                ? QStringLiteral("/dev/shm/lumivo-fuzz-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/lumivo-fuzz-XXXXXX"));
  static CurlHttp http([] {
    CurlHttp::Limits l;
    l.connectTimeoutMs = 2000;
    l.totalTimeoutMs = 10'000;
    return l;
  }());
  const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
  const qsizetype cut = input.indexOf(QByteArray("\0BILD\0", 6));
  const QByteArray test = cut < 0 ? input : input.left(cut);
  const QByteArray picture = cut < 0 ? QByteArray() : input.mid(cut + 6);

  QDir top(root.path());
  top.removeRecursively();
  const QString folder = root.path() + QStringLiteral("/server/distanstest/f");
  const QString work = root.path() + QStringLiteral("/work");
  QDir().mkpath(folder);
  QDir().mkpath(work);
  writeFile(folder + QStringLiteral("/f.tst"), test);

  QuietDialogs dialogs;
  StillClock clock;
  Program p(Services{http, dialogs, clock, work,
                     QUrl::fromLocalFile(root.path() + QStringLiteral("/server/")).toString()});
  wire(p);
  Form1& f = p.form();
  f.Text5->setText(QStringLiteral("f.tst"));
  p.INFIL = QStringLiteral("f.tst");
  f.Command2->click();
  checkShown(p, dialogs);
  if (QFile(p.inWorkDir(QStringLiteral("temp.txt"))).size() != 3)
    fail("temp.txt does not hold its one line after the load");

  // Every picture the test names is on the server from now on; names from cell 9 sign in.
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    const QString name = p.table.cell(8, q);
    if (bareName(name)) writeFile(folder + QLatin1Char('/') + name, picture);
  }
  p.ANVÄNDARE = p.table.cell(9, 0);
  p.KLASS = p.table.cell(9, 1);

  // Past the questions the load filled, "NÄSTA" only walks through empty ones (up to 200 of
  // them when no end marker comes): two of those are enough.
  const int filled = (f.List4->count() + 8) / 10;
  for (int step = 0; step <= filled + 1 && visible(f.CmdNästa); ++step) {
    f.CmdNästa->click();
    checkShown(p, dialogs);
    emit f.Label3->clicked();  // "RÄTTA ?"
    if (FrmBild* b = p.frmBildIfLoaded(); b && p.Klick == 1) emit b->Image1->clicked();
    checkShown(p, dialogs);
  }
  f.CmdBakåt->click();
  checkShown(p, dialogs);
  emit f.Label2->clicked();  // the score
  f.Command3->click();       // "AVSLUTA": scores and writes both result files
  checkShown(p, dialogs);
  checkTree(root.path());
}
