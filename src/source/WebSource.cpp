#include "source/WebSource.h"

#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>
#include <stdexcept>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/Cp1252.h"
#include "model/FieldReader.h"
#include "model/NumberText.h"
#include "platform/Http.h"
#include "platform/SafeFile.h"
#include "source/FirstFields.h"

namespace {
const QString kTempFile = QStringLiteral("temp.txt");
const QString kNothingPicked = QStringLiteral("Ingen test vald !");

// Field 0, then cells 0..9 of questions 0..200, then the one field whose filling fails at
// question 201: a test never needs more fields than these.
constexpr qsizetype kTestFields = 1 + QuestionTable::kQuestions * 10 + 1;
// A test list longer than this is no test list; reading it would hold the window for minutes.
constexpr qsizetype kMaxListNames = 10'000;

[[noreturn]] void fail(const QString& why) {
  throw std::runtime_error(why.toStdString());
}

// A name as one piece of an address: blanks, "/", "%", "#", "?" and letters outside ASCII are
// percent-encoded (UTF-8), so the name cannot reach another folder or another server.
QString addressPiece(const QString& name) {
  return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

// Downloads an address into "temp.txt" (replacing it whole) and reads the file back as text.
QString fetchThroughTempFile(Program& p, const QString& url) {
  const QString path = p.inWorkDir(kTempFile);
  writeScratchFile(path, p.http().openUrl(url));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    fail(QStringLiteral("Filen \"%1\" kunde inte läsas: %2").arg(kTempFile, file.errorString()));
  return fromCp1252(file.readAll());
}

// A picture name that names a file of the working folder itself: no folder, no drive, no
// parent, nothing the file system reads as anything but a name.
bool isBareFileName(const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
  return std::none_of(name.begin(), name.end(), [](QChar c) {
    return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20;
  });
}
}  // namespace

QString testFolderAddress(const Program& p) {
  return p.serverAddress() + QStringLiteral("distanstest/");
}

void LaddaTesterWebb(Program& p) {
  const QString text = fetchThroughTempFile(p, testFolderAddress(p) + QStringLiteral("tester.txt"));
  const QStringList names = firstFields(text, kMaxListNames + 1);
  if (names.size() > kMaxListNames) {
    RaderaTestFilWebb(p);
    fail(QStringLiteral("Testlistan har fler än %1 namn.").arg(kMaxListNames));
  }
  SortedList& list = *p.form().List1;
  list.clear();
  for (const QString& name : names) list.addSorted(valueSlot(name));
  RaderaTestFilWebb(p);
}

void LaddaTestFilWebb(Program& p) {
  Form1& f = p.form();
  QListWidget& list4 = *f.List4;
  QStringList fields;
  if (f.Text5->text() != kNothingPicked) {
    list4.clear();
    const QString N = f.Text5->text();
    if (N.size() < 4) fail(QStringLiteral("Testnamnet \"%1\" är för kort.").arg(N));
    const QString D = N.left(N.size() - 4);
    p.strURL2 = testFolderAddress(p) + addressPiece(D) + QLatin1Char('/');
    fields = firstFields(fetchThroughTempFile(p, p.strURL2 + addressPiece(N)), kTestFields);
    list4.addItems(fields);
  } else {
    // Nothing picked: the fields of the last fetch fill the table again.
    for (int i = 0; i < list4.count(); ++i) fields << list4.item(i)->text();
  }
  list4.hide();

  // The filling walks the fields with a selected entry; the list shows where it stopped, set
  // once when the filling ends however it ends (selecting each entry in turn would lay out the
  // whole list for every field).
  const qsizetype n = fields.size();
  qsizetype selected = 0;
  struct ShowSelected {
    QListWidget& list;
    const qsizetype& row;
    ~ShowSelected() {
      if (row < list.count()) list.setCurrentRow(int(row));
    }
  } showSelected{list4, selected};

  p.Var = 0;
  if (n == 0) fail(QStringLiteral("Testet har inga fält."));

  const QString& field0 = fields[0];
  const std::optional<double> number = strictNumber(field0);
  if (!number) fail(QStringLiteral("Testets första fält \"%1\" är inget tal.").arg(field0));
  p.ProvInfo = numberText(*number).mid(4, 3);
  // QScrollBar needs a maximum at or above its minimum, and the table has questions 0..200.
  const double max = std::clamp(leadingNumber(p.ProvInfo) - 1, 0.0, 200.0);
  f.VScroll1->setMaximum(roundToInt16(max));

  for (int i = 0;; ++i) {
    for (p.Var = 0; p.Var <= 9; ++p.Var) {
      if (selected + 1 >= n) return;  // the fields are used up
      ++selected;
      p.table.cell(p.Var, i) = fields[selected];  // question 201 throws
    }
  }
}

void LaddaWebbBild(Program& p) {
  if (p.WebbBild == QLatin1String("Bild")) return;
  if (!isBareFileName(p.WebbBild))
    throw HttpError("the picture name \"" + p.WebbBild.toStdString() +
                    "\" is not a bare file name");
  // The name goes into the address percent-encoded, like a test name.
  QString url = p.strURL3;
  if (url.endsWith(p.WebbBild)) url = url.chopped(p.WebbBild.size()) + addressPiece(p.WebbBild);
  writeFileAtomically(p.inWorkDir(p.WebbBild), p.http().openUrl(url));
}

void RaderaTestFilWebb(Program& p) {
  writeScratchFile(p.inWorkDir(kTempFile), QByteArrayLiteral("7\r\n"));
}
