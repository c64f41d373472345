#include "support/ProgramFixture.h"

#include <QDir>
#include <QFile>

#include "app/Wiring.h"
#include "model/Cp1252.h"

ProgramFixture::ProgramFixture() {
  p = std::make_unique<Program>(Services{http, dialogs, clock, dir.path(), server.address()});
  wire(*p);
}

ProgramFixture::~ProgramFixture() = default;

CurlHttp::Limits ProgramFixture::testLimits() {
  CurlHttp::Limits l;
  l.connectTimeoutMs = 2000;
  l.lowSpeedSeconds = 2;
  l.totalTimeoutMs = 10'000;
  return l;
}

QString ProgramFixture::work(const QString& name) const {
  return QDir(dir.path()).filePath(name);
}

QByteArray ProgramFixture::readWork(const QString& name) const {
  QFile f(work(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFixture::writeWork(const QString& name, const QByteArray& bytes) const {
  QFile f(work(name));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
    ADD_FAILURE() << "cannot write " << name.toStdString();
  f.write(bytes);
}

void ProgramFixture::serveTest(const QString& name, const QString& field0,
                               const QStringList& cells) {
  QString text = field0 + QStringLiteral("\r\n");
  for (const QString& c : cells) text += c + QStringLiteral("\r\n");
  const QString folder = name.left(name.size() - 4);
  server.put(("/distanstest/" + folder + "/" + name).toStdString(), toCp1252(text));
}

void ProgramFixture::serveFile(const QString& testName, const QString& fileName,
                               const QByteArray& bytes) {
  const QString folder = testName.left(testName.size() - 4);
  server.put(("/distanstest/" + folder + "/" + fileName).toStdString(), bytes);
}

QStringList question(const QString& heading, const QString& text, const QStringList& rows,
                     const QString& cell7, const QString& cell8, const QString& cell9) {
  QStringList q{heading, text};
  for (int r = 0; r < 5; ++r) q << (r < rows.size() ? rows[r] : QString());
  q << cell7 << cell8 << cell9;
  return q;
}

QStringList endMarker() {
  return question(QStringLiteral("SLUT"), QString(), {}, QString(), QString());
}
