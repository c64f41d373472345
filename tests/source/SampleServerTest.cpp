// The bundled sample tests, reached as the program reaches them without a server: through a
// file:// address.
#include <QFile>
#include <QUrl>

#include "TestPaths.h"
#include "source/SourceFixture.h"
#include "source/WebSource.h"

namespace {

class SampleServer : public SourceFixture {
 protected:
  void SetUp() override {
    sample = programAt(QUrl::fromLocalFile(QStringLiteral(LUMIVO_EXAMPLES "/server/")).toString());
  }
  std::unique_ptr<Program> sample;
};

TEST_F(SampleServer, ListsTheSampleTestsAndLoadsEachOfThem) {
  LaddaTesterWebb(*sample);
  const QStringList names = sample->form().List1->entries();
  ASSERT_FALSE(names.isEmpty());
  EXPECT_TRUE(names.contains(QStringLiteral("prov1.tst")));
  for (const QString& name : names) {
    sample->form().Text5->setText(name);
    LaddaTestFilWebb(*sample);
    EXPECT_EQ(sample->strURL2, testFolderAddress(*sample) + name.chopped(4) + QLatin1Char('/'));
    EXPECT_FALSE(sample->table.cell(0, 0).isEmpty()) << name.toStdString();
  }
}

TEST_F(SampleServer, FetchesAPictureBesideItsTest) {
  sample->strURL2 = testFolderAddress(*sample) + QStringLiteral("prov1/");
  sample->WebbBild = QStringLiteral("foto.jpg");
  sample->strURL3 = sample->strURL2 + sample->WebbBild;
  LaddaWebbBild(*sample);
  QFile original(QStringLiteral(LUMIVO_EXAMPLES "/server/distanstest/prov1/foto.jpg"));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  EXPECT_EQ(readWork(QStringLiteral("foto.jpg")), original.readAll());
}

}  // namespace
