// The picture-click question on the main window: KlickBild as the presenter runs it, and the
// answered notice.
#include <QPushButton>

#include "picture/ClickFlow.h"
#include "picture/PictureFlowFixture.h"
#include "picture/PictureWindow.h"

namespace {

class ClickFlowTest : public PictureFlowFixture {
 protected:
  void SetUp() override {
    serveFile(QStringLiteral("t.tst"), QStringLiteral("bild"), pngBytes(300, 200));
  }
  void expectPictureMode() {
    EXPECT_TRUE(visible(form().Shape2));
    EXPECT_EQ(form().Shape2->geometry(), QRect(tw(360), tw(3840), tw(9135), tw(3255)));
    for (int row = 2; row <= 6; ++row) {
      EXPECT_FALSE(visible(form().TxtFråga[row])) << row;
      EXPECT_FALSE(visible(form().ChkSvar[row])) << row;
    }
    EXPECT_EQ(p->BILDTYP, QStringLiteral("BILD"));
    EXPECT_EQ(p->Klick, 1);
  }
  void expectNoticeCentred() {
    FrmBild& b = bild();
    EXPECT_TRUE(visible(b.Label1));
    EXPECT_EQ(b.Label1->x(), b.width() / 2 - b.Label1->width() / 2);
    EXPECT_EQ(b.Label1->y(), tw(960));
    EXPECT_EQ(b.Label1->size(), QSize(tw(2895), tw(1815)));
  }
};

TEST_F(ClickFlowTest, AnUnansweredQuestionCoversTheAnswerAreaWithoutNotice) {
  load({clickQuestion(), endMarker()});
  show(0);
  expectPictureMode();
  EXPECT_FALSE(visible(bild().Label1));
  EXPECT_TRUE(dialogs.messages.isEmpty());  // cell 7 begins with a letter
  EXPECT_TRUE(bild().Image1->hasPicture());
}

TEST_F(ClickFlowTest, ShownAgainAfterAHitOrAMissTheNoticeIsCentred) {
  for (double judgedX : {800.0, 0.0}) {
    SCOPED_TRACE(judgedX);
    p->marks = AnswerMarks();
    load({clickQuestion(), plainQuestion(), endMarker()});
    show(0);
    Image1_MouseMove(*p, Qt::NoButton, judgedX - 240, 300 - 135);
    Image1_Click(*p);
    // The click that answers does not bring the notice up.
    EXPECT_FALSE(visible(bild().Label1));

    CmdNästa_Click(*p);
    CmdBakåt_Click(*p);
    ASSERT_EQ(p->aktuellfråga, 0);
    expectPictureMode();
    expectNoticeCentred();

    // The buttons take the notice away before they move.
    CmdNästa_Click(*p);
    EXPECT_FALSE(visible(bild().Label1));
  }
}

TEST_F(ClickFlowTest, FraganBesvaradCentresAcrossTheWindow) {
  FrmBild& b = bild();
  b.setWindowState(Qt::WindowNoState);
  for (int width : {1000, 333, 120}) {
    b.resize(width, 300);
    FråganBesvarad(b);
    EXPECT_EQ(b.Label1->x(), width / 2 - b.Label1->width() / 2);
  }
}

struct LeftEdgeCase {
  const char* name;
  const char* cell7;
  const char* message;  // "" for none
  double left, top;     // the frame's edges after KlickBild alone
};

class KlickBildEdgesTest : public ClickFlowTest,
                           public ::testing::WithParamInterface<LeftEdgeCase> {};

// KlickBild alone, on a question set up as the presenter leaves it.
TEST_P(KlickBildEdgesTest, SetsTheFrameFromColumnsOneToFourAndThirteenToSixteen) {
  const LeftEdgeCase& c = GetParam();
  load({clickQuestion(QString::fromLatin1(c.cell7))});
  p->Klick = 1;
  KlickBild(*p);
  const QString expected = QString::fromLatin1(c.message);
  EXPECT_EQ(dialogs.messages, expected.isEmpty() ? QStringList() : QStringList{expected});
  EXPECT_EQ(bild().ShapeRättPlace.left(), c.left);
  EXPECT_EQ(bild().ShapeRättPlace.top(), c.top);
  expectPictureMode();
}

INSTANTIATE_TEST_SUITE_P(
    Cell7, KlickBildEdgesTest,
    ::testing::Values(
        LeftEdgeCase{"BothEdges", "0590-1040.Y-0150-0465", "KLICK I KBIL 590", 590, 150},
        // Columns 13 to 16 are "150-": not a number, the top stays as designed.
        LeftEdgeCase{"Begins0590", "0590-1040.Y0150-0465", "KLICK I KBIL 590", 590, 3000},
        LeftEdgeCase{"TopNotANumber", "0590-1040.Y-rese-0465", "KLICK I KBIL 590", 590, 3000},
        // A blank in column 1 makes columns 1 to 4 " 059".
        LeftEdgeCase{"LeadingBlank", " 0590-1040.Y0150-0465", "KLICK I KBIL 59", 59, 150},
        // The designed frame stays: the routine ends quietly at the left edge.
        LeftEdgeCase{"BeginsWithALetter", "X0590-1040.Y0150-0465", "", 840, 3000},
        LeftEdgeCase{"Reserv", "reserv", "", 840, 3000}, LeftEdgeCase{"Empty", "", "", 840, 3000},
        // A left edge the frame cannot take ends it as quietly as one that is not a number.
        LeftEdgeCase{"BeyondTheWindow", "9E99-1040.Y0150-0465", "", 840, 3000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClickFlowTest, WithoutKlickOnlyTheAnswerAreaChanges) {
  load({clickQuestion(QStringLiteral("0590-1040.Y0150-0465"))});
  form().ChkSvar[2]->setChecked(true);
  p->Klick = 0;
  KlickBild(*p);
  EXPECT_TRUE(visible(form().Shape2));
  EXPECT_EQ(p->BILDTYP, QStringLiteral("BILD"));
  EXPECT_FALSE(visible(bild().Label1));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(bild().ShapeRättPlace.left(), 840);
}

TEST_F(ClickFlowTest, TheNextQuestionUncoversTheAnswerRows) {
  load({clickQuestion(),
        question(QStringLiteral("Fråga 2"), QStringLiteral("Vad?"), {"r a", "f b", "f c"},
                 QString(), QStringLiteral("bild")),
        endMarker()});
  show(0);
  CmdNästa_Click(*p);
  EXPECT_FALSE(visible(form().Shape2));
  for (int row = 2; row <= 6; ++row) {
    EXPECT_TRUE(visible(form().TxtFråga[row])) << row;
    EXPECT_TRUE(visible(form().ChkSvar[row])) << row;
  }
  EXPECT_EQ(p->Klick, 0);
}

}  // namespace
