// Pictures that are missing in the working folder come from the test's folder on the server.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <algorithm>

#include "picture/PictureFlowFixture.h"

namespace {

class PictureFetchKindsTest : public PictureFlowFixture {
 protected:
  bool asked(const std::string& path) const {
    const auto r = server.requests();
    return std::find(r.begin(), r.end(), path) != r.end();
  }
};

TEST_F(PictureFetchKindsTest, APictureOnlyOnTheServerIsFetchedSavedAndShown) {
  const QByteArray png = pngBytes(64, 48);
  serveFile(QStringLiteral("t.tst"), QStringLiteral("karta1.png"), png);
  load({pictureQuestion(QStringLiteral("karta1.png")), endMarker()});
  show(0);
  EXPECT_TRUE(asked("/distanstest/t/karta1.png"));
  EXPECT_EQ(readWork(QStringLiteral("karta1.png")), png);
  EXPECT_EQ(bild().Image1->size(), QSize(64, 48));
  EXPECT_TRUE(visible(&bild()));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(p->WebbBild, QStringLiteral("karta1.png"));
  EXPECT_EQ(p->strURL3, p->strURL2 + QStringLiteral("karta1.png"));
}

TEST_F(PictureFetchKindsTest, ThePictureClickQuestionFetchesBild) {
  const QByteArray png = pngBytes(100, 80);
  serveFile(QStringLiteral("t.tst"), QStringLiteral("bild"), png);
  load({clickQuestion(), endMarker()});
  show(0);
  EXPECT_EQ(readWork(QStringLiteral("bild")), png);
  EXPECT_EQ(bild().Image1->size(), QSize(100, 80));
  EXPECT_EQ(p->Klick, 1);
  // A second showing finds it in the working folder.
  const size_t before = server.requests().size();
  show(0);
  EXPECT_EQ(server.requests().size(), before);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PictureFetchKindsTest, APictureTheServerLacksLeavesTheWindowEmptyWithoutMessage) {
  load({pictureQuestion(QStringLiteral("saknas.png")), pictureQuestion(QStringLiteral("e.gif")),
        plainQuestion(), endMarker()});
  show(0);
  EXPECT_TRUE(asked("/distanstest/t/saknas.png"));
  EXPECT_EQ(dialogs.messages, QStringList());
  EXPECT_FALSE(QFileInfo::exists(work(QStringLiteral("saknas.png"))));
  EXPECT_FALSE(bild().Image1->hasPicture());
  EXPECT_TRUE(visible(&bild()));  // the name is longer than five characters
  EXPECT_EQ(bild().size(), QSize(tw(7335 + 500), tw(4095 + 500)));  // the designed picture area

  // Five characters or fewer: the window is not brought up again once hidden.
  bild().hide();
  CmdNästa_Click(*p);
  EXPECT_FALSE(visible(&bild()));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PictureFetchKindsTest, ADamagedLocalPictureIsReplacedByTheServersCopy) {
  const QByteArray png = pngBytes(50, 50);
  writeWork(QStringLiteral("trasig.png"), QByteArray("\x89PNG\r\n\x1a\n trasig"));
  serveFile(QStringLiteral("t.tst"), QStringLiteral("trasig.png"), png);
  load({pictureQuestion(QStringLiteral("trasig.png")), endMarker()});
  show(0);
  EXPECT_EQ(readWork(QStringLiteral("trasig.png")), png);
  EXPECT_EQ(bild().Image1->size(), QSize(50, 50));
}

// A question without a picture fetches nothing. Otherwise the last picture's address would be
// fetched again and written under this question's cell 8, "bild", where a later picture-click
// question would find the wrong picture.
TEST_F(PictureFetchKindsTest, AQuestionWithoutPictureFetchesNothing) {
  const QByteArray karta = pngBytes(64, 48, Qt::red);
  const QByteArray bildPng = pngBytes(30, 20, Qt::blue);
  serveFile(QStringLiteral("t.tst"), QStringLiteral("karta1.png"), karta);
  serveFile(QStringLiteral("t.tst"), QStringLiteral("bild"), bildPng);
  load({pictureQuestion(QStringLiteral("karta1.png")), plainQuestion(), clickQuestion(),
        endMarker()});
  show(0);
  const size_t before = server.requests().size();
  CmdNästa_Click(*p);
  EXPECT_EQ(server.requests().size(), before);
  EXPECT_FALSE(QFileInfo::exists(work(QStringLiteral("bild"))));
  EXPECT_FALSE(visible(&bild()));

  CmdNästa_Click(*p);
  EXPECT_EQ(readWork(QStringLiteral("bild")), bildPng);
  EXPECT_EQ(bild().Image1->size(), QSize(30, 20));
}

// Names from the server stay inside the working folder: a cell 8 with a folder part, "..", a
// drive or an absolute path is never written, whatever the server answers, and no message shows.
TEST_F(PictureFetchKindsTest, ANameWithAFolderPartIsNeverWritten) {
  QDir work(dir.path());
  ASSERT_TRUE(work.mkdir(QStringLiteral("sub")));
  QTemporaryDir elsewhere;
  const QString unique = QUuid::createUuid().toString(QUuid::WithoutBraces);
  const QString outside = QFileInfo(dir.path()).dir().filePath(QStringLiteral("lumivo-") + unique);
  const QString absolute = QDir(elsewhere.path()).filePath(QStringLiteral("abs.png"));
  const QStringList names{QStringLiteral("sub/evil.png"),
                          QStringLiteral("sub\\evil.png"),
                          QStringLiteral("../lumivo-") + unique,
                          QStringLiteral("..\\lumivo-") + unique,
                          QStringLiteral(".."),
                          QStringLiteral("C:evil.png"),
                          absolute};
  const QByteArray png = pngBytes(10, 10);
  for (const QString& name : names) {
    serveFile(QStringLiteral("t.tst"), name, png);
    server.put(("/distanstest/lumivo-" + unique).toStdString(), png);
  }

  std::vector<QStringList> questions;
  for (const QString& name : names) questions.push_back(pictureQuestion(name));
  questions.push_back(plainQuestion());
  questions.push_back(endMarker());
  load(questions);
  show(0);
  for (qsizetype i = 1; i < names.size(); ++i) CmdNästa_Click(*p);
  ASSERT_EQ(p->aktuellfråga, qint16(names.size() - 1));

  EXPECT_EQ(dialogs.messages, QStringList());
  EXPECT_FALSE(QFileInfo::exists(work.filePath(QStringLiteral("sub/evil.png"))));
  EXPECT_FALSE(QFileInfo::exists(outside));
  EXPECT_FALSE(QFileInfo::exists(absolute));
  EXPECT_TRUE(QFileInfo(work.filePath(QStringLiteral(".."))).isDir());
  // Nothing but the folder made above lies in the working folder.
  EXPECT_EQ(work.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("sub")});
  EXPECT_TRUE(QDir(work.filePath(QStringLiteral("sub"))).isEmpty());
}

}  // namespace
