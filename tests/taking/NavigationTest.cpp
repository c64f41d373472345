// Moving between questions: the buttons, the scroll bar and the presenter's navigation rules.
#include <QEventLoop>
#include <QTimer>

#include "picture/FrmBild.h"
#include "taking/TakingFixture.h"

namespace {

enum class Handling { Nästa, Backa, Rulla, Dra };

struct Drag {
  const char* namn;
  int frågor;  // questions in the test
  bool slutmärke;
  int start;  // the question the pupil is on
  Handling handling;
  int läge;  // the scroll bar's new value or dragged position
  int väntadFråga;
  int sistaFrågan;  // "SISTA FRÅGAN" messages
  bool bakåt, nästa;
};

void PrintTo(const Drag& d, std::ostream* os) {
  *os << d.namn;
}

const Drag kDrag[] = {
    {"BackaOnFirstHidesBackaAndStays", 5, true, 0, Handling::Backa, 0, 0, 0, false, true},
    {"BackaOnSecondMovesAndKeepsBacka", 5, true, 1, Handling::Backa, 0, 0, 0, true, true},
    {"NastaMovesOn", 5, true, 0, Handling::Nästa, 0, 1, 0, true, true},
    {"NastaOntoLastGivesOneMessage", 5, true, 3, Handling::Nästa, 0, 4, 1, true, false},
    {"NastaInOneQuestionTestStays", 1, true, 0, Handling::Nästa, 0, 0, 1, true, false},
    {"NastaOntoQuestion200WithoutEndMarker", 201, false, 199, Handling::Nästa, 0, 200, 1, true,
     false},
    {"NastaAtQuestion200WithoutEndMarkerStays", 201, false, 200, Handling::Nästa, 0, 200, 1, true,
     false},
    {"ScrollBarToMiddleQuestion", 5, true, 0, Handling::Rulla, 2, 2, 0, true, true},
    {"ScrollBarSelectsLastQuestion", 5, true, 0, Handling::Rulla, 4, 4, 1, true, false},
    {"ScrollBarToQuestion200WithoutEndMarker", 201, false, 0, Handling::Rulla, 200, 200, 1, true,
     false},
    {"DragToMiddleQuestion", 5, true, 0, Handling::Dra, 3, 3, 0, true, true},
    // The message ends the drag there, so letting go brings no second one.
    {"DragOntoLastQuestion", 5, true, 0, Handling::Dra, 4, 4, 1, true, false},
};

class NavigationTable : public TakingFixture, public ::testing::WithParamInterface<Drag> {};

TEST_P(NavigationTable, MovesOffersButtonsAndShowsTheCurrentQuestion) {
  const Drag& d = GetParam();
  läggTest(d.frågor, d.slutmärke);
  börja();
  ställPå(d.start);
  visarAktuell();
  dialogs.messages.clear();

  QScrollBar* s = form().VScroll1;
  switch (d.handling) {
    case Handling::Nästa:
      klicka(form().CmdNästa);
      break;
    case Handling::Backa:
      klicka(form().CmdBakåt);
      break;
    case Handling::Rulla:
      s->setValue(d.läge);
      break;
    case Handling::Dra:
      s->setSliderDown(true);
      s->setSliderPosition(d.läge);
      // The question follows the box at once; the value follows when the drag ends (or when a
      // message ended it).
      EXPECT_EQ(s->value(), d.sistaFrågan == 0 ? d.start : d.väntadFråga);
      EXPECT_EQ(s->isSliderDown(), d.sistaFrågan == 0);
      EXPECT_EQ(p->aktuellfråga, d.väntadFråga);
      visarAktuell();
      s->setSliderDown(false);
      break;
  }

  EXPECT_EQ(p->aktuellfråga, d.väntadFråga);
  visarAktuell();
  EXPECT_EQ(s->value(), d.väntadFråga);
  EXPECT_EQ(sistaFrågan(), d.sistaFrågan);
  EXPECT_TRUE(andraMeddelanden().isEmpty()) << andraMeddelanden().join("|").toStdString();
  EXPECT_EQ(visible(form().CmdBakåt), d.bakåt);
  EXPECT_EQ(visible(form().CmdNästa), d.nästa);
}

INSTANTIATE_TEST_SUITE_P(Riktning, NavigationTable, ::testing::ValuesIn(kDrag),
                         [](const auto& info) { return std::string(info.param.namn); });

using Navigation = TakingFixture;

TEST_F(Navigation, TheMessageOnArrivalComesFromTheNestedRunBeforeTheQuestionIsFilledIn) {
  läggTest(5);
  börja();
  ställPå(3);
  QString nummer, text, riktning;
  dialogs.onMessage = [&](const QString&) {
    nummer = form().Label5->text();
    text = form().TxtFråga[1]->text();
    riktning = p->Riktning;
  };
  klicka(form().CmdNästa);
  // The outer run had numbered the last question and set the bar; its texts came after.
  EXPECT_EQ(nummer, "5");
  EXPECT_EQ(text, "Text 4");
  EXPECT_EQ(riktning, "VSCHA");
  EXPECT_EQ(dialogs.messages, QStringList{"SISTA FRÅGAN"});
  visarAktuell();
}

TEST_F(Navigation, BackaTwiceFromTheSecondQuestion) {
  läggTest(5);
  börja();
  ställPå(1);
  klicka(form().CmdBakåt);
  EXPECT_EQ(p->aktuellfråga, 0);
  EXPECT_TRUE(visible(form().CmdBakåt));
  klicka(form().CmdBakåt);
  EXPECT_EQ(p->aktuellfråga, 0);
  EXPECT_FALSE(visible(form().CmdBakåt));
  EXPECT_TRUE(visible(form().CmdNästa));
  visarAktuell();
}

TEST_F(Navigation, NastaShowsTheScrollBarForGood) {
  läggTest(5);
  börja();
  EXPECT_FALSE(visible(form().VScroll1));
  klicka(form().CmdNästa);
  EXPECT_TRUE(visible(form().VScroll1));
  klicka(form().CmdBakåt);
  form().VScroll1->setValue(3);
  EXPECT_TRUE(visible(form().VScroll1));
}

TEST_F(Navigation, TrackClicksMoveFiveQuestionsWithinTheRange) {
  läggTest(12);
  börja();
  klicka(form().CmdNästa);
  klicka(form().CmdBakåt);
  dialogs.messages.clear();

  std::vector<int> fram, bak;
  for (int i = 0; i < 3; ++i) {
    klickaIRullningslisten(rullningsdel(QStyle::SC_ScrollBarAddPage).center());
    fram.push_back(p->aktuellfråga);
    visarAktuell();
  }
  EXPECT_EQ(fram, (std::vector<int>{5, 10, 11}));
  EXPECT_EQ(sistaFrågan(), 1);  // arriving at the last question
  for (int i = 0; i < 4; ++i) {
    klickaIRullningslisten(rullningsdel(QStyle::SC_ScrollBarSubPage).center());
    bak.push_back(p->aktuellfråga);
    visarAktuell();
  }
  EXPECT_EQ(bak, (std::vector<int>{6, 1, 0, 0}));
  EXPECT_EQ(form().VScroll1->value(), 0);
  EXPECT_TRUE(andraMeddelanden().isEmpty());
}

TEST_F(Navigation, DraggingTheBoxShowsEachQuestionInTurn) {
  läggTest(8);
  börja();
  klicka(form().CmdNästa);
  klicka(form().CmdBakåt);

  const QRect box = rullningsdel(QStyle::SC_ScrollBarSlider);
  const QRect spår = rullningsdel(QStyle::SC_ScrollBarGroove);
  QPoint var = box.center();
  mus(QEvent::MouseButtonPress, var, Qt::LeftButton);
  ASSERT_TRUE(form().VScroll1->isSliderDown());
  std::vector<int> visade;
  // Down to the second-to-last question (the last one brings its message).
  while (var.y() < spår.bottom() && p->aktuellfråga < 6) {
    var.ry() += 2;
    mus(QEvent::MouseMove, var, Qt::LeftButton);
    if (visade.empty() || visade.back() != p->aktuellfråga) visade.push_back(p->aktuellfråga);
    visarAktuell();
  }
  // The value stays until the box is let go.
  EXPECT_EQ(form().VScroll1->value(), 0);
  mus(QEvent::MouseButtonRelease, var, Qt::NoButton);
  EXPECT_EQ(visade, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(form().VScroll1->value(), 6);
  EXPECT_EQ(p->aktuellfråga, 6);
  visarAktuell();
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The message box takes the mouse, so the bar never hears the button go up after it.
TEST_F(Navigation, AMessageDuringADragDoesNotLeaveTheBarHeld) {
  läggTest(5);
  börja();
  klicka(form().CmdNästa);
  klicka(form().CmdBakåt);
  QScrollBar* s = form().VScroll1;
  bool hållenUnderMeddelandet = true;
  int värdeUnderMeddelandet = -1;
  dialogs.onMessage = [&](const QString&) {
    hållenUnderMeddelandet = s->isSliderDown();
    värdeUnderMeddelandet = s->value();
  };
  const QRect box = rullningsdel(QStyle::SC_ScrollBarSlider);
  mus(QEvent::MouseButtonPress, box.center(), Qt::LeftButton);
  mus(QEvent::MouseMove, QPoint(box.center().x(), s->height() - 1), Qt::LeftButton);
  ASSERT_EQ(dialogs.messages, QStringList{"SISTA FRÅGAN"});
  EXPECT_FALSE(hållenUnderMeddelandet);
  EXPECT_EQ(värdeUnderMeddelandet, 4);
  EXPECT_EQ(p->aktuellfråga, 4);
  visarAktuell();

  // No release reaches the bar. The next moves start from the question shown.
  klicka(form().CmdBakåt);
  EXPECT_EQ(s->value(), 3);
  klickaIRullningslisten(rullningsdel(QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(p->aktuellfråga, 2);
  visarAktuell();
  EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(Navigation, AMessageWhileAnArrowIsHeldStopsTheArrowRepeating) {
  läggTest(5);
  form().VScroll1->setMaximum(200);  // a first field larger than the test
  börja();
  klicka(form().CmdNästa);
  form().VScroll1->setValue(3);
  // The box waits for the pupil while the held arrow's repeat timer would run.
  dialogs.onMessage = [&](const QString&) {
    QEventLoop väntan;
    QTimer::singleShot(1500, &väntan, &QEventLoop::quit);
    väntan.exec();
  };
  mus(QEvent::MouseButtonPress, rullningsdel(QStyle::SC_ScrollBarAddLine).center(), Qt::LeftButton);
  EXPECT_EQ(dialogs.messages, QStringList{"SISTA FRÅGAN"});
  EXPECT_EQ(p->aktuellfråga, 4);
  EXPECT_EQ(form().VScroll1->value(), 4);
  visarAktuell();
}

TEST_F(Navigation, OnlyTheButtonsClearTheVerdictTheNoticeAndTheClickFlag) {
  läggTest(5);
  börja();
  klicka(form().CmdNästa);
  auto sättVerdikt = [&] {
    form().LblRätt->show();
    p->frmBild().Label1->show();
    p->Klick = 1;
  };

  sättVerdikt();
  form().VScroll1->setValue(3);
  EXPECT_EQ(p->aktuellfråga, 3);
  EXPECT_TRUE(visible(form().LblRätt));
  EXPECT_TRUE(visible(p->frmBild().Label1));
  EXPECT_EQ(p->Klick, 1);

  klicka(form().CmdBakåt);
  EXPECT_FALSE(visible(form().LblRätt));
  EXPECT_FALSE(visible(p->frmBild().Label1));
  EXPECT_EQ(p->Klick, 0);

  sättVerdikt();
  klicka(form().CmdNästa);
  EXPECT_FALSE(visible(form().LblRätt));
  EXPECT_FALSE(visible(p->frmBild().Label1));
  EXPECT_EQ(p->Klick, 0);
}

TEST_F(Navigation, TheAnswerFramesOfACheckGoWithTheQuestion) {
  läggTest(5);
  börja();
  for (int r = 2; r <= 6; ++r) {
    form().Shape1[r]->show();
    form().Shape1[r]->setBorderColor(QColor(0xFF, 0, 0));
  }
  klicka(form().CmdNästa);
  for (int r = 2; r <= 6; ++r) {
    EXPECT_FALSE(visible(form().Shape1[r])) << r;
    EXPECT_EQ(form().Shape1[r]->borderColor(), QColor(0, 0xFF, 0)) << r;
  }
}

// Bad input: whatever the table and the bar's range, every move ends with the shown question
// being the current one, and no failure reaches the pupil.
TEST_F(Navigation, TwoHundredQuickNastaClicksOnAnEmptyTableStopAtQuestion200) {
  börja();
  int klick = 0;
  while (visible(form().CmdNästa) && klick < 300) {
    form().CmdNästa->click();
    ++klick;
    visarAktuell();
  }
  EXPECT_EQ(klick, 200);
  EXPECT_EQ(p->aktuellfråga, 200);
  EXPECT_EQ(form().Label5->text(), "201");
  EXPECT_EQ(sistaFrågan(), 1);
  // A click that still reached the hidden button moves nothing.
  form().CmdNästa->click();
  EXPECT_EQ(p->aktuellfråga, 200);
  EXPECT_TRUE(andraMeddelanden().isEmpty()) << andraMeddelanden().join("|").toStdString();
}

TEST_F(Navigation, ScrollBarShorterThanTheTestStillReachesEveryQuestion) {
  läggTest(6);
  form().VScroll1->setMaximum(2);
  börja();
  std::vector<int> visade{p->aktuellfråga};
  while (visible(form().CmdNästa) && visade.size() < 20) {
    klicka(form().CmdNästa);
    visade.push_back(p->aktuellfråga);
    visarAktuell();
  }
  EXPECT_EQ(visade, (std::vector<int>{0, 1, 2, 3, 4, 5, 5}));
  EXPECT_EQ(sistaFrågan(), 1);
  form().VScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(p->aktuellfråga, 0);
  visarAktuell();
  EXPECT_TRUE(andraMeddelanden().isEmpty());
}

TEST_F(Navigation, ScrollBarRangeOutsideTheTableNamesAQuestionOfTheTable) {
  läggTest(5);
  börja();
  klicka(form().CmdNästa);
  // A negative maximum pulls the value below the first question.
  form().VScroll1->setMaximum(-3);
  EXPECT_EQ(p->aktuellfråga, 0);
  visarAktuell();
  klicka(form().CmdNästa);
  EXPECT_EQ(p->aktuellfråga, 1);
  visarAktuell();

  // A maximum past the table: the bar's far end is the table's last question.
  form().VScroll1->setRange(0, 500);
  dialogs.messages.clear();
  form().VScroll1->setValue(450);
  EXPECT_EQ(p->aktuellfråga, 200);
  visarAktuell();
  EXPECT_EQ(sistaFrågan(), 1);
  EXPECT_TRUE(andraMeddelanden().isEmpty()) << andraMeddelanden().join("|").toStdString();
}

TEST_F(Navigation, DragAcrossTheWholeBarKeepsQuestionAndNumberTogether) {
  läggTest(5);
  form().VScroll1->setMaximum(200);  // a first field larger than the test
  börja();
  klicka(form().CmdNästa);
  QScrollBar* s = form().VScroll1;
  // A message ends a drag; the pupil takes hold of the box again and goes on.
  auto dra = [&](int läge) {
    if (!s->isSliderDown()) s->setSliderDown(true);
    s->setSliderPosition(läge);
  };
  for (int läge = 0; läge <= 200; ++läge) {
    dra(läge);
    ASSERT_EQ(p->aktuellfråga, läge);
    visarAktuell();
  }
  for (int läge = 200; läge >= 0; läge -= 7) {
    dra(läge);
    visarAktuell();
  }
  s->setSliderDown(false);
  EXPECT_EQ(p->aktuellfråga, s->value());
  visarAktuell();
  EXPECT_TRUE(andraMeddelanden().isEmpty()) << andraMeddelanden().join("|").toStdString();
}

}  // namespace
