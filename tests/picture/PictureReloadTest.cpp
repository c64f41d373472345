// The picture window reads a picture file once for a question shown (the presenter's nested run
// and its outer run show the same question), and again whenever the file has changed since.
#include "picture/PictureFlowFixture.h"
#include "platform/SafeFile.h"

namespace {

class PictureReloadTest : public PictureFlowFixture {
 protected:
  QColor shownColour() { return QColor(bild().Image1->picture().pixel(0, 0)); }
};

const QColor kBlue(0x20, 0x80, 0xC0);
const QColor kRed(0xC0, 0x20, 0x20);

// Each step goes on to the next question, which names the same file as the one shown.
TEST_F(PictureReloadTest, APictureReplacedUnderItsNameIsShownAnewByTheNextQuestion) {
  writeWork(QStringLiteral("karta.png"), pngBytes(20, 10, kBlue));
  std::vector<QStringList> questions(4, pictureQuestion(QStringLiteral("karta.png")));
  questions.push_back(endMarker());
  load(questions);
  show(0);
  ASSERT_EQ(shownColour(), kBlue);

  struct Replacement {
    const char* name;
    QSize size;
    QColor colour;
    bool inPlace;  // rewritten in the same file rather than renamed over it
  };
  const Replacement replacements[] = {
      {"same size, renamed over it as downloads are", {20, 10}, kRed, false},
      {"another size, renamed over it", {30, 12}, kBlue, false},
      {"another size, rewritten in place", {40, 16}, kRed, true},
  };
  for (const Replacement& r : replacements) {
    const QByteArray png = pngBytes(r.size.width(), r.size.height(), r.colour);
    if (r.inPlace)
      writeWork(QStringLiteral("karta.png"), png);
    else
      writeFileAtomically(work(QStringLiteral("karta.png")), png);
    CmdNästa_Click(*p);
    EXPECT_EQ(bild().Image1->size(), r.size) << r.name;
    EXPECT_EQ(shownColour(), r.colour) << r.name;
  }
}

TEST_F(PictureReloadTest, AQuestionWithoutPictureInBetweenClearsIt) {
  writeWork(QStringLiteral("karta.png"), pngBytes(20, 10, kBlue));
  load({pictureQuestion(QStringLiteral("karta.png")), plainQuestion(),
        pictureQuestion(QStringLiteral("karta.png")), endMarker()});
  show(0);
  CmdNästa_Click(*p);
  EXPECT_FALSE(bild().Image1->hasPicture());
  CmdNästa_Click(*p);
  EXPECT_EQ(shownColour(), kBlue);
}

TEST_F(PictureReloadTest, TwoQuestionsWithOnePictureBothShowIt) {
  writeWork(QStringLiteral("karta.png"), pngBytes(20, 10, kBlue));
  load({pictureQuestion(QStringLiteral("karta.png")), pictureQuestion(QStringLiteral("karta.png")),
        endMarker()});
  show(0);
  CmdNästa_Click(*p);
  EXPECT_TRUE(bild().Image1->hasPicture());
  EXPECT_EQ(shownColour(), kBlue);
  EXPECT_TRUE(visible(&bild()));
}

TEST_F(PictureReloadTest, APictureRemovedMeanwhileIsNotShownFromMemory) {
  writeWork(QStringLiteral("karta.png"), pngBytes(20, 10, kBlue));
  load({pictureQuestion(QStringLiteral("karta.png")), pictureQuestion(QStringLiteral("karta.png")),
        endMarker()});
  show(0);
  ASSERT_TRUE(bild().Image1->hasPicture());
  ASSERT_TRUE(QFile::remove(work(QStringLiteral("karta.png"))));
  CmdNästa_Click(*p);
  // Gone here and not on the server either: as a missing picture, none is shown.
  EXPECT_FALSE(bild().Image1->hasPicture());
}

}  // namespace
