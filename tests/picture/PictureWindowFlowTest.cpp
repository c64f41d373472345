// The picture window's events: the pointer read-out, the judgement of a click, "STÄNG", and the
// window as designed.
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "app/Looks.h"
#include "grading/Scoring.h"
#include "picture/PictureFlowFixture.h"
#include "picture/PictureWindow.h"

namespace {

const QString kBra = QStringLiteral("BRA Du hittade RÄTT");
const QString kSorry = QStringLiteral("SORRY!");

class JudgementFixture : public PictureFlowFixture {
 protected:
  // A picture-click question shown, its picture on the server, nothing answered yet.
  void showClickQuestion(const QString& cell7 = kArea) {
    serveFile(QStringLiteral("t.tst"), QStringLiteral("bild"), pngBytes(120, 60));
    load({clickQuestion(cell7), endMarker()});
    show(0);
    dialogs.messages.clear();
  }
  // A click where the judgement reads (x, y): the pointer moved there first.
  void clickAtJudged(double x, double y) {
    Image1_MouseMove(*p, Qt::NoButton, x - 240, y - 135);
    Image1_Click(*p);
  }
  void sendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QWidget* image = bild().Image1;
    QMouseEvent e(type, QPointF(pos), QPointF(image->mapToGlobal(pos)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(image, &e);
  }
};

struct ClickCase {
  const char* name;
  double x, y;  // as the judgement reads them
  bool hit;
};

class ClickOnEdgeTest : public JudgementFixture, public ::testing::WithParamInterface<ClickCase> {};

// The area 590 to 1040 across and 150 to 465 down, written with leading zeros and with blanks.
TEST_P(ClickOnEdgeTest, EdgesAreMissesAndOneTwipInsideIsAHit) {
  const ClickCase& c = GetParam();
  for (const QString& cell7 : {kArea, QStringLiteral("X 590-1040.Y 150- 465")}) {
    SCOPED_TRACE(cell7.toStdString());
    p->marks = AnswerMarks();
    showClickQuestion(cell7);
    clickAtJudged(c.x, c.y);
    EXPECT_EQ(dialogs.messages, QStringList{c.hit ? kBra : kSorry});
    EXPECT_EQ(p->marks.at(0, 2), 1);
    EXPECT_EQ(p->marks.at(0, 3), c.hit ? 0 : 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Area, ClickOnEdgeTest,
                         ::testing::Values(ClickCase{"OnLeft", 590, 300, false},
                                           ClickCase{"OnRight", 1040, 300, false},
                                           ClickCase{"OnTop", 800, 150, false},
                                           ClickCase{"OnBottom", 800, 465, false},
                                           ClickCase{"InsideLeft", 591, 300, true},
                                           ClickCase{"InsideRight", 1039, 300, true},
                                           ClickCase{"InsideTop", 800, 151, true},
                                           ClickCase{"InsideBottom", 800, 464, true},
                                           ClickCase{"FarOutside", 5000, 5000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JudgementFixture, TicksAroundTheMessageInTheirOrder) {
  // While the message is up, a hit has row 2 ticked and row 3 not yet touched; a miss has row 3
  // ticked and row 2 not yet. The marks follow each tick at once.
  struct Seen {
    bool row2, row3;
    qint16 mark2, mark3;
  };
  std::vector<Seen> seen;
  dialogs.onMessage = [&](const QString&) {
    seen.push_back({ticked(2), ticked(3), p->marks.at(0, 2), p->marks.at(0, 3)});
  };

  showClickQuestion();
  clickAtJudged(800, 300);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(seen[0].row2 && !seen[0].row3);
  EXPECT_EQ(seen[0].mark2, 1);

  p->marks = AnswerMarks();
  seen.clear();
  showClickQuestion();
  ASSERT_FALSE(ticked(2));
  clickAtJudged(0, 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(!seen[0].row2 && seen[0].row3);
  EXPECT_EQ(seen[0].mark2, 0);
  EXPECT_EQ(seen[0].mark3, 1);
  EXPECT_TRUE(ticked(2) && ticked(3));
}

TEST_F(JudgementFixture, AnAnsweredQuestionTakesNoSecondClick) {
  for (bool firstHit : {true, false}) {
    p->marks = AnswerMarks();
    showClickQuestion();
    clickAtJudged(firstHit ? 800 : 0, 300);
    dialogs.messages.clear();
    clickAtJudged(firstHit ? 0 : 800, 300);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(p->marks.at(0, 2), 1);
    EXPECT_EQ(p->marks.at(0, 3), firstHit ? 0 : 1);
  }
}

TEST_F(JudgementFixture, APlainPictureQuestionTakesNoClick) {
  serveFile(QStringLiteral("t.tst"), QStringLiteral("bild"), pngBytes(120, 60));
  load({question(QStringLiteral("BILD Titta"), QStringLiteral("Vad?"), {}, kArea), endMarker()});
  show(0);
  ASSERT_EQ(p->Klick, 0);
  clickAtJudged(800, 300);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(p->marks.at(0, 2), 0);
  EXPECT_EQ(p->marks.at(0, 3), 0);
}

TEST_F(JudgementFixture, AClickBeforeAnyMoveReadsThePointerAsZero) {
  // An area around 0, 0: "Text1" and "Text2" read as 0 and hit it.
  showClickQuestion(QStringLiteral("X-100-1040.Y-100-0465"));
  ASSERT_EQ(bild().TxtX->text(), QStringLiteral("Text1"));
  Image1_Click(*p);
  EXPECT_EQ(dialogs.messages, QStringList{kBra});
}

TEST_F(JudgementFixture, ATargetWithoutNumbersTakesEveryClickAsAMiss) {
  // "9E99" lies outside the 16-bit range and counts as 0, like a field without a number: the
  // area runs from 0 to 1040.
  struct {
    const char* cell7;
    double x, y;
    const QString& message;
  } cases[] = {{"reserv", 0, 0, kSorry},
               {"reserv", 800, 300, kSorry},
               {"X9E99-1040.Y0150-0465", 10, 300, kBra},
               {"X9E99-1040.Y0150-0465", 1040, 300, kSorry}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell7);
    p->marks = AnswerMarks();
    showClickQuestion(QString::fromLatin1(c.cell7));
    clickAtJudged(c.x, c.y);
    EXPECT_EQ(dialogs.messages, QStringList{c.message});
  }
}

TEST_F(JudgementFixture, HitAndMissScoreThroughRowsTwoAndThree) {
  showClickQuestion();
  clickAtJudged(800, 300);
  RättaProv(*p);
  EXPECT_EQ(p->AntRätt, 1);  // "r Besvarad" ticked

  p->marks = AnswerMarks();
  showClickQuestion();
  clickAtJudged(0, 0);
  RättaProv(*p);
  EXPECT_EQ(p->AntRätt, 0);  // "r Besvarad" and "f Miss" both ticked
}

TEST_F(JudgementFixture, RealMouseEventsReadOutAndJudge) {
  showClickQuestion();
  FrmBild& b = bild();
  ASSERT_TRUE(b.Image1->hasPicture());
  // 50, 20 pixels into the picture are 750, 300 twips; judged at 990, 435: inside.
  sendMouse(QEvent::MouseMove, {50, 20}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(b.TxtX->text(), QStringLiteral("990"));
  EXPECT_EQ(b.TxtY->text(), QStringLiteral("435"));
  EXPECT_EQ(b.windowTitle(), QStringLiteral("BILD    X= 750 Y= 300     X-250 - 1205.Y-150 - 465"));
  sendMouse(QEvent::MouseButtonPress, {50, 20}, Qt::LeftButton, Qt::LeftButton);
  // A move with the button held takes the marker along.
  sendMouse(QEvent::MouseMove, {51, 20}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(b.LblTryckytaPlace.left(), 765);
  EXPECT_EQ(b.LblTryckytaPlace.top(), 300);
  sendMouse(QEvent::MouseButtonRelease, {51, 20}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(dialogs.messages, QStringList{kBra});
  EXPECT_EQ(p->marks.at(0, 2), 1);
  EXPECT_EQ(p->marks.at(0, 3), 0);
}

class ReadOutFixture : public PictureFlowFixture {};

TEST_F(ReadOutFixture, CaptionAndJudgedPositionFollowThePointer) {
  FrmBild& b = bild();
  EXPECT_EQ(b.windowTitle(), QStringLiteral("BILD"));
  Image1_MouseMove(*p, Qt::NoButton, 523, 310);
  EXPECT_EQ(b.windowTitle(), QStringLiteral("BILD    X= 523 Y= 310     X-250 - 1205.Y-150 - 465"));
  EXPECT_EQ(b.TxtX->text(), QStringLiteral("763"));
  EXPECT_EQ(b.TxtY->text(), QStringLiteral("445"));
  // No button held: the marker stays where it is.
  EXPECT_EQ(b.LblTryckytaPlace.left(), 0);
  EXPECT_EQ(b.LblTryckytaPlace.top(), 0);
}

TEST_F(ReadOutFixture, TheCaptionShowsTheMarkerWhereThePreviousMoveLeftIt) {
  FrmBild& b = bild();
  Image1_MouseMove(*p, Qt::LeftButton, 1000, 800);
  Image1_MouseMove(*p, Qt::LeftButton, 1200, 900);
  EXPECT_EQ(b.windowTitle(),
            QStringLiteral("BILD    X= 1200 Y= 900     X 750 - 2205.Y 650 - 1265"));
  EXPECT_EQ(b.LblTryckytaPlace.left(), 1200);
  EXPECT_EQ(b.LblTryckytaPlace.top(), 900);
  // The marker's size never changes, and it is never shown.
  EXPECT_EQ(b.LblTryckytaPlace.width(), 1455);
  EXPECT_EQ(b.LblTryckytaPlace.height(), 615);
  EXPECT_FALSE(visible(b.LblTryckyta));
}

TEST_F(ReadOutFixture, ReadOutStaysAcrossQuestionsAndGoesWithTheClosedWindow) {
  load({plainQuestion(), plainQuestion(QStringLiteral("Fråga 2")), endMarker()});
  show(0);
  Image1_MouseMove(*p, Qt::RightButton, 100, 200);
  CmdNästa_Click(*p);
  EXPECT_EQ(bild().TxtX->text(), QStringLiteral("340"));
  EXPECT_EQ(bild().LblTryckytaPlace.left(), 100);
  EXPECT_TRUE(bild().windowTitle().startsWith(QStringLiteral("BILD    X= 100 ")));

  // The close box destroys the window; the next use makes it afresh as designed.
  bild().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(p->frmBildIfLoaded(), nullptr);
  FrmBild& fresh = bild();
  EXPECT_EQ(fresh.windowTitle(), QStringLiteral("BILD"));
  EXPECT_EQ(fresh.TxtX->text(), QStringLiteral("Text1"));
  EXPECT_EQ(fresh.TxtY->text(), QStringLiteral("Text2"));
  EXPECT_FALSE(visible(fresh.TxtX));
  EXPECT_EQ(fresh.LblTryckytaPlace.left(), 0);
  // The new window's events are wired like the first one's.
  emit fresh.Image1->mouseMoved(Qt::NoButton, 15, 30);
  EXPECT_EQ(fresh.TxtX->text(), QStringLiteral("255"));
}

TEST_F(ReadOutFixture, StangHidesTheWindowAndKeepsIt) {
  load({pictureQuestion(QStringLiteral("bilden.png")), endMarker()});
  writeWork(QStringLiteral("bilden.png"), pngBytes(40, 30));
  show(0);
  FrmBild* before = &bild();
  ASSERT_TRUE(visible(before));
  before->Command1->click();
  EXPECT_FALSE(visible(before));
  EXPECT_EQ(p->frmBildIfLoaded(), before);
  EXPECT_TRUE(before->Image1->hasPicture());
}

TEST_F(ReadOutFixture, WindowAsDesigned) {
  FrmBild& b = bild();
  EXPECT_FALSE(visible(&b));
  EXPECT_EQ(b.windowTitle(), QStringLiteral("BILD"));
  EXPECT_TRUE(b.windowState() & Qt::WindowMaximized);
  EXPECT_FALSE(b.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(b.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(b.Command1->text(), QStringLiteral("STÄNG"));
  EXPECT_EQ(b.Command1->toolTip(), QStringLiteral("STÄNG BILD"));
  EXPECT_EQ(b.Label1->text(), QStringLiteral("FRÅGAN BESVARAD GÅ VIDARE"));
  EXPECT_EQ(textColor(b.Label1), QColor(0, 0, 0xC0));
  EXPECT_TRUE(b.Label1->font().bold());
  EXPECT_EQ(b.Label1->geometry(), QRect(tw(1920), tw(960), tw(2895), tw(1815)));
  EXPECT_EQ(b.ShapeRätt->borderColor(), QColor(0, 0xFF, 0));
  EXPECT_EQ(b.ShapeRättPlace.left(), 840);
  EXPECT_EQ(b.ShapeRättPlace.width(), 855);
  EXPECT_FALSE(b.LblTryckyta->isEnabled());
  for (const QWidget* w :
       {static_cast<QWidget*>(b.ShapeRätt), static_cast<QWidget*>(b.Label1),
        static_cast<QWidget*>(b.TxtX), static_cast<QWidget*>(b.TxtY), static_cast<QWidget*>(b.LblX),
        static_cast<QWidget*>(b.LblY), static_cast<QWidget*>(b.LblTryckyta)})
    EXPECT_FALSE(visible(w));
  EXPECT_TRUE(visible(b.Image1));
  // Not stretched: the picture area takes the picture's own size.
  b.Image1->setPicture(QImage(37, 23, QImage::Format_RGB32));
  EXPECT_EQ(b.Image1->size(), QSize(37, 23));
}

}  // namespace
