// LaddaWebbBild: a question's picture from the test's folder into the working folder.
#include <QDir>
#include <QFileInfo>

#include "platform/Http.h"
#include "source/SourceFixture.h"
#include "source/WebSource.h"

namespace {

class PictureFetch : public SourceFixture {
 protected:
  // As the question display prepares it: the test's folder address and cell 8.
  void aim(const QString& name) {
    p->strURL2 = server.address() + QStringLiteral("distanstest/prov1/");
    p->WebbBild = name;
    p->strURL3 = p->strURL2 + name;
  }
  QStringList workFiles() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }
  static QByteArray gifBytes() {
    QByteArray b("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13);
    b += QByteArray("\x00\r\n\x1a\xff", 5);
    return b;
  }
};

TEST_F(PictureFetch, StoresThePictureUnderItsOwnNameByteForByte) {
  serveFile(QStringLiteral("prov1.tst"), QStringLiteral("häst.gif"), gifBytes());
  aim(QStringLiteral("häst.gif"));
  LaddaWebbBild(*p);
  EXPECT_EQ(readWork(QStringLiteral("häst.gif")), gifBytes());
}

TEST_F(PictureFetch, ReplacesAnOlderLargerFileWhole) {
  writeWork(QStringLiteral("bild1.gif"), QByteArray(10'000, 'x'));
  serveFile(QStringLiteral("prov1.tst"), QStringLiteral("bild1.gif"), gifBytes());
  aim(QStringLiteral("bild1.gif"));
  LaddaWebbBild(*p);
  EXPECT_EQ(readWork(QStringLiteral("bild1.gif")), gifBytes());
}

TEST_F(PictureFetch, BildIsNeverFetchedButTheLowerCaseMarkerIs) {
  aim(QStringLiteral("Bild"));
  LaddaWebbBild(*p);
  EXPECT_TRUE(server.requests().empty());
  EXPECT_TRUE(workFiles().isEmpty());

  serveFile(QStringLiteral("prov1.tst"), QStringLiteral("bild"), gifBytes());
  aim(QStringLiteral("bild"));
  LaddaWebbBild(*p);
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"/distanstest/prov1/bild"}));
  EXPECT_EQ(readWork(QStringLiteral("bild")), gifBytes());
}

TEST_F(PictureFetch, AFailedTransferWritesNothing) {
  writeWork(QStringLiteral("kvar.gif"), "old");
  server.put("/distanstest/prov1/kvar.gif", "<html>404</html>", 404);
  aim(QStringLiteral("kvar.gif"));
  EXPECT_THROW(LaddaWebbBild(*p), HttpError);
  EXPECT_EQ(readWork(QStringLiteral("kvar.gif")), "old");

  aim(QStringLiteral("saknas.gif"));
  EXPECT_THROW(LaddaWebbBild(*p), HttpError);
  EXPECT_EQ(workFiles(), QStringList{"kvar.gif"});
}

TEST_F(PictureFetch, NamesThatLeaveTheWorkingFolderAreNeverFetchedNorWritten) {
  const QString parent = QFileInfo(dir.path()).absolutePath();
  const QStringList bad{
      "../x.gif", "a/b.gif", "a\\b.gif", "C:x.gif",     "/etc/x",
      "",         "..",      ".",        "x.gif:ström", QStringLiteral("rad\nbrytning.gif")};
  for (const QString& name : bad) {
    // Were it asked for, the server would answer.
    server.put(("/distanstest/prov1/" + name).toStdString(), gifBytes());
    aim(name);
    EXPECT_THROW(LaddaWebbBild(*p), HttpError) << name.toStdString();
  }
  EXPECT_TRUE(server.requests().empty());
  EXPECT_TRUE(workFiles().isEmpty()) << workFiles().join(' ').toStdString();
  EXPECT_FALSE(QFileInfo::exists(parent + QStringLiteral("/x.gif")));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/etc/x")));
}

TEST_F(PictureFetch, NamesWithBlanksAndDotsAreBareNames) {
  for (const QString& name : {QStringLiteral("min bild.gif"), QStringLiteral("a..b.gif"),
                              QStringLiteral("100%.gif"), QStringLiteral("fråga#2.gif")}) {
    serveFile(QStringLiteral("prov1.tst"), name, gifBytes());
    aim(name);
    LaddaWebbBild(*p);
    EXPECT_EQ(readWork(name), gifBytes()) << name.toStdString();
  }
}

}  // namespace
