// Every input that ever made a fuzz target fail, kept under tests/data/fuzz/<target>/, goes
// through the same check again; so do the sample tests the fuzzing starts from.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "TestPaths.h"
#include "fuzz/FuzzChecks.h"

namespace {

using Check = void (*)(const uint8_t*, size_t);

void replay(const QString& folder, Check check) {
  QDirIterator it(folder, QDir::Files);
  while (it.hasNext()) {
    QFile f(it.next());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QByteArray bytes = f.readAll();
    SCOPED_TRACE(f.fileName().toStdString());
    check(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
  }
}

struct Target {
  const char* name;
  Check check;
};
const Target kTargets[] = {{"fields", checkFields},
                           {"web_load", checkWebLoad},
                           {"target_area", checkTargetArea},
                           {"test_file", checkTestFile}};

TEST(FuzzRegression, InputsThatOnceFailedPassTheirChecks) {
  for (const Target& t : kTargets)
    replay(QStringLiteral(LUMIVO_TEST_DATA "/fuzz/") + t.name, t.check);
}

TEST(FuzzRegression, TheSampleTestsPassEveryCheck) {
  QDirIterator it(QStringLiteral(LUMIVO_EXAMPLES "/server/distanstest"), {"*.tst"}, QDir::Files,
                  QDirIterator::Subdirectories);
  int tests = 0;
  while (it.hasNext()) {
    QFile f(it.next());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray test = f.readAll();
    QFile picture(QFileInfo(f).dir().filePath(QStringLiteral("bild")));
    const QByteArray withPicture = test + QByteArray("\0BILD\0", 6) +
                                   (picture.open(QIODevice::ReadOnly) ? picture.readAll() : "");
    for (const QByteArray& input : {QByteArray(1, '\0') + test, QByteArray(1, '\1') + test}) {
      checkFields(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
      checkTestFile(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
    checkWebLoad(reinterpret_cast<const uint8_t*>(withPicture.constData()),
                 size_t(withPicture.size()));
    ++tests;
  }
  EXPECT_GE(tests, 3);
}

}  // namespace
