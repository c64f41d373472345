// Writes the server tree of the whole-process figures: a test list naming one 201-question picture
// test, the test, and the sample pictures it names beside it.
//
//   bench_sample_tree FOLDER     (FOLDER/distanstest/... is made)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "SampleTest.h"

namespace {
bool write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_sample_tree FOLDER\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/distanstest");
  const QString test = root + QStringLiteral("/bild201");
  if (!QDir().mkpath(test)) return 1;
  bool ok = write(root + QStringLiteral("/tester.txt"), "bild201.tst\r\n") &&
            write(test + QStringLiteral("/bild201.tst"), sample::webTest(true));
  const QString examples = QStringLiteral(LUMIVO_BENCH_EXAMPLES "/server/distanstest");
  for (const QString& picture : sample::pictureNames()) {
    bool found = false;
    for (const QString& sub : QDir(examples).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      const QString from = examples + QLatin1Char('/') + sub + QLatin1Char('/') + picture;
      if (!QFile::exists(from)) continue;
      QFile::remove(test + QLatin1Char('/') + picture);
      found = QFile::copy(from, test + QLatin1Char('/') + picture);
      break;
    }
    ok = ok && found;
  }
  if (!ok) std::fprintf(stderr, "bench_sample_tree: could not write %s\n", qPrintable(root));
  return ok ? 0 : 1;
}
