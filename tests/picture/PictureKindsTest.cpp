// The presenter's picture steps: the kind of a question, its answer rows, and the picture
// window's visibility, place, size, target frame and teacher aids.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "picture/PictureFlowFixture.h"

namespace {

struct KindCase {
  const char* name;
  const char* heading;
  const char* cell8;
  bool windowBefore;  // the picture window visible before the question is shown
  const char* bildtyp;
  qint16 klick;
  bool rowsVisible, windowAfter, picture;
};

class PictureKindsTest : public PictureFlowFixture, public ::testing::WithParamInterface<KindCase> {
 protected:
  void SetUp() override {
    writeWork(QStringLiteral("bild"), pngBytes(300, 200));
    writeWork(QStringLiteral("karta.png"), pngBytes(200, 100));
    writeWork(QStringLiteral("a.png"), pngBytes(20, 10));
  }
};

TEST_P(PictureKindsTest, KindDecidesRowsWindowAndPicture) {
  const KindCase& c = GetParam();
  load({question(QString::fromUtf8(c.heading), QStringLiteral("Text"), {"r a", "f b"}, kArea,
                 QString::fromUtf8(c.cell8)),
        endMarker()});
  if (c.windowBefore) bild().show();
  show(0);
  EXPECT_EQ(p->BILDTYP, QString::fromUtf8(c.bildtyp));
  EXPECT_EQ(p->Klick, c.klick);
  for (int row = 2; row <= 6; ++row) {
    EXPECT_EQ(visible(form().TxtFråga[row]), c.rowsVisible) << row;
    EXPECT_EQ(visible(form().ChkSvar[row]), c.rowsVisible) << row;
  }
  EXPECT_EQ(visible(form().Shape2), !c.rowsVisible);
  EXPECT_EQ(visible(&bild()), c.windowAfter);
  EXPECT_EQ(bild().Image1->hasPicture(), c.picture);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // Every picture here lies in the working folder: nothing is fetched.
  EXPECT_TRUE(server.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cells0And8, PictureKindsTest,
    ::testing::Values(
        // "KLIC" with "bild": a picture-click question; a name of four characters does not bring
        // up a hidden window, nor hide a shown one.
        KindCase{"KlicBildHidden", "KLIC Klicka", "bild", false, "BILD", 1, false, false, true},
        KindCase{"KlicBildShown", "KLIC Klicka", "bild", true, "BILD", 1, false, true, true},
        // "KLIC" with a file name: an ordinary picture question.
        KindCase{"KlicFile", "KLIC Klicka", "karta.png", false, "BILD", 0, true, true, true},
        KindCase{"BildBild", "BILD Titta", "bild", false, "BILD", 0, true, false, true},
        KindCase{"BildsvarBild", "BILDSVAR Skriv", "bild", true, "BILD", 0, true, true, true},
        KindCase{"AnyFile", "Fråga 1", "karta.png", false, "BILD", 0, true, true, true},
        // Five characters or fewer: loaded, but a hidden window stays hidden.
        KindCase{"ShortFileName", "Fråga 1", "a.png", false, "BILD", 0, true, false, true},
        // No picture: the window goes away.
        KindCase{"NoPicture", "Fråga 1", "bild", true, "Fråg", 0, true, false, false},
        KindCase{"SvarNoPicture", "SVAR Skriv", "bild", true, "SVAR", 0, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

class PictureWindowKindsTest : public PictureFlowFixture {};

TEST_F(PictureWindowKindsTest, ReservHidesRowSixOnly) {
  QStringList q = plainQuestion();
  q[6] = QStringLiteral("reserv");
  load({q, plainQuestion(), endMarker()});
  show(0);
  for (int row = 2; row <= 5; ++row) EXPECT_TRUE(visible(form().TxtFråga[row])) << row;
  EXPECT_FALSE(visible(form().TxtFråga[6]));
  EXPECT_FALSE(visible(form().ChkSvar[6]));
  CmdNästa_Click(*p);
  EXPECT_TRUE(visible(form().TxtFråga[6]));
  EXPECT_TRUE(visible(form().ChkSvar[6]));
}

TEST_F(PictureWindowKindsTest, WindowIsPlacedAndSizedToThePicture) {
  writeWork(QStringLiteral("karta.png"), pngBytes(400, 300));
  writeWork(QStringLiteral("liten.png"), pngBytes(30, 45));
  load({pictureQuestion(QStringLiteral("karta.png")), pictureQuestion(QStringLiteral("liten.png")),
        endMarker()});
  show(0);
  FrmBild& b = bild();
  EXPECT_EQ(b.windowState(), Qt::WindowNoState);
  EXPECT_EQ(b.pos(), QPoint(tw(7600), tw(2300)));
  EXPECT_EQ(b.Image1->size(), QSize(400, 300));
  EXPECT_EQ(b.Image1->pos(), QPoint(tw(250), tw(150)));
  // The window's client area is the picture and 500 twips.
  EXPECT_EQ(b.size(), QSize(tw(400 * 15 + 500), tw(300 * 15 + 500)));

  CmdNästa_Click(*p);
  EXPECT_EQ(b.Image1->size(), QSize(30, 45));
  EXPECT_EQ(b.size(), QSize(tw(30 * 15 + 500), tw(45 * 15 + 500)));
  EXPECT_EQ(b.pos(), QPoint(tw(7600), tw(2300)));
  EXPECT_TRUE(visible(&b));
}

TEST_F(PictureWindowKindsTest, PathsAreTakenAgainstTheWorkingFolderUnlessAbsolute) {
  QTemporaryDir elsewhere;
  const QString absolute = QDir(elsewhere.path()).filePath(QStringLiteral("abs.png"));
  QFile f(absolute);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(pngBytes(50, 40));
  f.close();
  QDir(dir.path()).mkdir(QStringLiteral("bilder"));
  writeWork(QStringLiteral("bilder/inne.png"), pngBytes(60, 20));

  load(
      {pictureQuestion(absolute), pictureQuestion(QStringLiteral("bilder/inne.png")), endMarker()});
  show(0);
  EXPECT_EQ(bild().Image1->size(), QSize(50, 40));
  CmdNästa_Click(*p);
  EXPECT_EQ(bild().Image1->size(), QSize(60, 20));
  EXPECT_TRUE(server.requests().empty());
}

class TeacherKindsTest : public PictureFlowFixture,
                         public ::testing::WithParamInterface<const char*> {};

// The area written with leading zeros and with blanks in their place gives the same frame.
TEST_P(TeacherKindsTest, TeacherSeesTheFrameAndTheCoordinateFields) {
  writeWork(QStringLiteral("bild"), pngBytes(300, 200));
  becomeTeacher();
  load({plainQuestion(), clickQuestion(QString::fromLatin1(GetParam())), plainQuestion(),
        endMarker()});
  show(0);
  FrmBild& b = bild();
  EXPECT_TRUE(visible(b.ShapeRätt));  // on every question
  EXPECT_FALSE(visible(b.TxtX));

  CmdNästa_Click(*p);
  EXPECT_TRUE(visible(b.ShapeRätt));
  for (const QWidget* w : std::initializer_list<const QWidget*>{b.TxtX, b.LblX, b.TxtY, b.LblY})
    EXPECT_TRUE(visible(w));
  EXPECT_EQ(b.ShapeRättPlace.left(), 590);
  EXPECT_EQ(b.ShapeRättPlace.top(), 150);
  EXPECT_EQ(b.ShapeRättPlace.width(), 450);
  EXPECT_EQ(b.ShapeRättPlace.height(), 315);
  EXPECT_EQ(b.ShapeRätt->geometry(), QRect(tw(590), tw(150), tw(450), tw(315)));

  // The coordinate fields stay for good; the frame stays shown for a teacher.
  CmdNästa_Click(*p);
  EXPECT_EQ(p->Klick, 0);
  EXPECT_TRUE(visible(b.ShapeRätt));
  EXPECT_TRUE(visible(b.TxtX));
  EXPECT_TRUE(visible(b.LblY));
}

INSTANTIATE_TEST_SUITE_P(Cell7, TeacherKindsTest,
                         ::testing::Values("X0590-1040.Y0150-0465", "X 590-1040.Y 150- 465"));

TEST_F(PictureWindowKindsTest, APupilSeesNeitherFrameNorFields) {
  writeWork(QStringLiteral("bild"), pngBytes(300, 200));
  load({clickQuestion(), endMarker()});
  show(0);
  FrmBild& b = bild();
  EXPECT_FALSE(visible(b.ShapeRätt));
  EXPECT_FALSE(visible(b.TxtX));
  EXPECT_FALSE(visible(b.LblX));
  // The frame is still set from cell 7.
  EXPECT_EQ(b.ShapeRättPlace.left(), 590);
  EXPECT_EQ(b.ShapeRättPlace.height(), 315);
}

TEST_F(PictureWindowKindsTest, AFrameThatCellSevenCannotGiveKeepsItsEdges) {
  writeWork(QStringLiteral("bild"), pngBytes(300, 200));
  struct {
    const char* cell7;
    double left, top, width, height;
  } cases[] = {
      // No numbers: left and top stay; the sizes read 0 - 0.
      {"reserv", 840, 3000, 0, 0},
      // A left edge beyond the window stays as it was, and so does the negative width.
      {"X9E99-1040.Y0150-0465", 840, 150, 855, 315},
      // Right of the left edge: the width stays.
      {"X1040-0590.Y0150-0465", 1040, 150, 855, 315},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell7);
    bild().close();  // a fresh window: the frame as designed
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    load({clickQuestion(QString::fromLatin1(c.cell7)), endMarker()});
    show(0);
    const TwipsPlace& frame = bild().ShapeRättPlace;
    EXPECT_EQ(frame.left(), c.left);
    EXPECT_EQ(frame.top(), c.top);
    EXPECT_EQ(frame.width(), c.width);
    EXPECT_EQ(frame.height(), c.height);
    EXPECT_TRUE(dialogs.messages.isEmpty());
  }
}

}  // namespace
