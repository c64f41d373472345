// Pictures and target areas that are not what they should be: the question is shown all the
// same, with what the rules give, and nothing fails.
#include <QDir>
#include <QFileInfo>

#include "picture/PictureFlowFixture.h"

namespace {

class PictureKindsBadInputTest : public PictureFlowFixture {
 protected:
  // Shows a picture question on a local file the server does not have.
  void showLocal(const QString& name) {
    load({pictureQuestion(name), endMarker()});
    show(0);
  }
  void expectSizedToPicture() {
    FrmBild& b = bild();
    EXPECT_TRUE(visible(&b));
    EXPECT_EQ(b.Image1->pos(), QPoint(tw(250), tw(150)));
    EXPECT_EQ(b.size(),
              QSize(tw(toTwips(b.Image1->width()) + 500), tw(toTwips(b.Image1->height()) + 500)));
    EXPECT_TRUE(dialogs.messages.isEmpty());
  }
};

TEST_F(PictureKindsBadInputTest, PicturesThatHoldNoPictureShowAnEmptyWindow) {
  const QByteArray png = pngBytes(200, 100);
  struct {
    const char* name;
    QByteArray bytes;
  } files[] = {
      {"trasig.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR garbage", 25)},
      {"slumpbytes", QByteArray(4096, '\xA5')},
      {"tom.bmp", QByteArray()},
      {"fel.gif", QByteArray("GIF89a")},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    writeWork(QString::fromLatin1(f.name), f.bytes);
    showLocal(QString::fromLatin1(f.name));
    EXPECT_FALSE(bild().Image1->hasPicture());
    expectSizedToPicture();
    // The server had nothing better: the local file is as it was.
    EXPECT_EQ(readWork(QString::fromLatin1(f.name)), f.bytes);
  }
}

TEST_F(PictureKindsBadInputTest, APictureCutShortShowsWhatCanBeRead) {
  const QByteArray png = pngBytes(300, 300);
  writeWork(QStringLiteral("halv.png"), png.left(png.size() / 2));
  showLocal(QStringLiteral("halv.png"));
  expectSizedToPicture();
}

TEST_F(PictureKindsBadInputTest, ANameThatIsAFolderShowsNoPictureAndStaysAFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bilder1")));
  serveFile(QStringLiteral("t.tst"), QStringLiteral("bilder1"), pngBytes(10, 10));
  showLocal(QStringLiteral("bilder1"));
  EXPECT_FALSE(bild().Image1->hasPicture());
  EXPECT_TRUE(QFileInfo(work(QStringLiteral("bilder1"))).isDir());
  expectSizedToPicture();
}

TEST_F(PictureKindsBadInputTest, AnEmptyPictureCellFetchesNothing) {
  load({pictureQuestion(QString()), endMarker()});
  show(0);
  EXPECT_EQ(p->BILDTYP, QStringLiteral("BILD"));
  EXPECT_FALSE(bild().Image1->hasPicture());
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(visible(&bild()));  // an empty name is not longer than five characters
}

TEST_F(PictureKindsBadInputTest, AHugePictureIsShownAtItsOwnSize) {
  QImage huge(8000, 8000, QImage::Format_Mono);
  huge.fill(0);
  ASSERT_TRUE(huge.save(work(QStringLiteral("enorm.png")), "PNG"));
  showLocal(QStringLiteral("enorm.png"));
  EXPECT_EQ(bild().Image1->size(), QSize(8000, 8000));
  expectSizedToPicture();
}

}  // namespace
