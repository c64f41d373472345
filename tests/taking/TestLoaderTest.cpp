// "Ladda Test" against a real web server on the loopback address: the exam rule, the title line,
// the marks, the download file and the question the pupil lands on.
#include <QEventLoop>
#include <QFrame>
#include <QTimer>

#include "source/TestList.h"
#include "source/TestLoader.h"
#include "taking/TakingFixture.h"

namespace {

class TestLoader : public TakingFixture {
 protected:
  // A test of n questions ("A1" ...) with `rätt` right rows each, then the end marker unless
  // slutmärke is false.
  void serveraTest(const QString& namn, int n, int rätt = 1, const QString& fält0 = {},
                   bool slutmärke = true) {
    QStringList cells;
    const QString prefix = namn.left(1).toUpper();
    for (int q = 0; q < n; ++q) {
      QStringList rader;
      for (int r = 0; r < 5; ++r)
        rader << (r < rätt ? QStringLiteral("r rätt %1").arg(r) : QStringLiteral("f fel"));
      cells << question(prefix + QString::number(q + 1), QStringLiteral("Text %1").arg(q + 1),
                        rader);
    }
    if (slutmärke) cells << endMarker();
    // Field 0: a six-digit number whose fourth to sixth digits are the question count.
    serveTest(namn,
              fält0.isEmpty() ? QStringLiteral("100%1").arg(n, 3, 10, QLatin1Char('0')) : fält0,
              cells);
  }

  // A pick in the test list, as the pupil makes it.
  void välj(const QString& namn) {
    form().List1->addSorted(namn);
    form().List1->setCurrentItem(form().List1->findItems(namn, Qt::MatchExactly).value(0));
    List1_Click(*p);
  }

  void ladda(const QString& namn) {
    välj(namn);
    klicka(form().Command2);
  }
};

TEST_F(TestLoader, ExamTestLoadsAndHidesTheListTheCheckAndTheScoreForGood) {
  serveraTest("prov1.tst", 5, 2);
  börja();
  ladda("prov1.tst");
  EXPECT_EQ(form().Label4->text(), "Du gör nu prov  prov1.tst.   5 frågor  Maxpoäng = 10");
  EXPECT_EQ(form().VScroll1->maximum(), 4);
  EXPECT_EQ(p->aktuellfråga, 0);
  EXPECT_EQ(form().TxtFråga[0]->text(), "P1");
  visarAktuell();
  for (QWidget* w : {static_cast<QWidget*>(form().Label2), static_cast<QWidget*>(form().Label3),
                     static_cast<QWidget*>(form().Command2), static_cast<QWidget*>(form().List1)})
    EXPECT_FALSE(visible(w));
  EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();

  // Nothing shows them again: a later load (run in code) leaves them hidden.
  Command2_Click(*p);
  EXPECT_FALSE(visible(form().Command2));
  EXPECT_FALSE(visible(form().List1));
}

TEST_F(TestLoader, OnlyANameBeginningWithLowerCaseProvIsAnExam) {
  const struct {
    const char* namn;
    bool prov;
  } fall[] = {{"Prov1.tst", false}, {"provning.tst", true}, {"xprov.tst", false}};
  for (const auto& f : fall) {
    const QString namn = QString::fromUtf8(f.namn);
    serveraTest(namn, 3);
    form().Label2->hide();
    form().Label3->hide();
    ladda(namn);
    EXPECT_EQ(visible(form().Label2), !f.prov) << f.namn;
    EXPECT_EQ(visible(form().Label3), !f.prov) << f.namn;
    EXPECT_EQ(visible(form().Command2), !f.prov) << f.namn;
    EXPECT_EQ(visible(form().List1), !f.prov) << f.namn;
    if (f.prov) break;  // nothing can be loaded after an exam
  }
}

TEST_F(TestLoader, TitleLineWithNothingPickedAndWithShortNames) {
  const struct {
    const char* infil;
    const char* rubrik;
  } fall[] = {
      {"nyfil.txt", "Du gör nu prov  nyfil.   0 frågor  Maxpoäng = 0"},
      {"abcd", "Du gör nu prov  a   0 frågor  Maxpoäng = 0"},
      {"abc", "Du gör nu prov     0 frågor  Maxpoäng = 0"},
      {"ab", "Du gör nu prov     0 frågor  Maxpoäng = 0"},
      {"", "Du gör nu prov     0 frågor  Maxpoäng = 0"},
  };
  for (const auto& f : fall) {
    p->INFIL = QString::fromUtf8(f.infil);
    Command2_Click(*p);  // nothing picked: the fetch fails, the load goes on
    EXPECT_EQ(form().Label4->text(), QString::fromUtf8(f.rubrik)) << f.infil;
    EXPECT_EQ(p->aktuellfråga, 0);
    EXPECT_FALSE(visible(form().CmdBakåt));
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(TestLoader, TicksAreClearedTypedAnswersKeptAndTheDownloadFileReset) {
  serveraTest("fysik.tst", 4);
  p->table.cell(0, 1) = QStringLiteral("SVAR");
  börja();
  klicka(form().CmdNästa);
  form().ChkSvar[2]->click();
  form().TxtSvar->setText(QStringLiteral("mitt svar\r\nrad två"));
  p->marks.at(150, 6) = 1;
  p->marks.at(7, 1) = 1;
  writeWork("temp.txt", QByteArray(5000, 'x'));

  ladda("fysik.tst");
  for (int q = 0; q <= 200; ++q)
    for (int r = 1; r <= 6; ++r) ASSERT_EQ(p->marks.at(q, r), 0) << q << "," << r;
  EXPECT_EQ(p->typed.at(1, 1), "mitt svar\r\nrad två");
  EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
  EXPECT_EQ(p->aktuellfråga, 0);

  // The same test again gives the same table and clears the ticks again.
  klicka(form().CmdNästa);
  form().ChkSvar[4]->click();
  ladda("fysik.tst");
  EXPECT_EQ(p->marks.at(1, 4), 0);
  EXPECT_EQ(p->table.cell(0, 3), "F4");
  EXPECT_TRUE(p->table.cell(0, 4).startsWith("SLUT"));
  klicka(form().CmdNästa);
  EXPECT_FALSE(form().ChkSvar[4]->isChecked());
  EXPECT_EQ(form().TxtSvar->text(), "mitt svar\r\nrad två");
}

TEST_F(TestLoader, ASecondLoadOnQuestion6LeavesThePupilOnQuestion5OfTheNewTest) {
  serveraTest("geografi.tst", 10);
  serveraTest("historia.tst", 8);
  börja();
  ladda("geografi.tst");
  for (int i = 0; i < 5; ++i) klicka(form().CmdNästa);
  ASSERT_EQ(p->aktuellfråga, 5);
  form().ChkSvar[3]->click();

  ladda("historia.tst");
  EXPECT_EQ(p->aktuellfråga, 4);
  EXPECT_EQ(form().Label5->text(), "5");
  EXPECT_EQ(form().TxtFråga[0]->text(), "H5");
  EXPECT_EQ(form().Label4->text(), "Du gör nu prov  historia.tst.   8 frågor  Maxpoäng = 8");
  visarAktuell();
  form().VScroll1->setValue(5);
  for (int r = 2; r <= 6; ++r) EXPECT_FALSE(form().ChkSvar[r]->isChecked()) << r;
}

TEST_F(TestLoader, AFailedFetchKeepsTheTableAndGoesOnWithoutAMessage) {
  serveraTest("geografi.tst", 6);
  börja();
  ladda("geografi.tst");
  klicka(form().CmdNästa);
  klicka(form().CmdNästa);
  writeWork("temp.txt", "gammalt");

  ladda("borta.tst");  // the server answers 404
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
  EXPECT_EQ(p->table.cell(0, 0), "G1");
  EXPECT_EQ(p->aktuellfråga, 1);
  EXPECT_EQ(form().Label4->text(), "Du gör nu prov  borta.tst.   6 frågor  Maxpoäng = 6");
  EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
  visarAktuell();
}

TEST_F(TestLoader, TheStartPictureCoversTheWindowUntilItsTimerTicks) {
  börja();
  Command2_Click(*p);
  EXPECT_TRUE(visible(form().Frame1));
  EXPECT_EQ(form().Frame1->pos(), QPoint(0, 0));
  EXPECT_EQ(form().Timer2.interval(), 1000);

  // The real timer, through the wiring; the guard only ends a wait that never ends.
  QEventLoop väntan;
  QObject::connect(&form().Timer2.qtimer, &QTimer::timeout, &väntan, &QEventLoop::quit,
                   Qt::QueuedConnection);
  QTimer::singleShot(20'000, &väntan, &QEventLoop::quit);
  väntan.exec();
  EXPECT_FALSE(visible(form().Frame1));
  EXPECT_EQ(form().Timer2.interval(), 0);
  EXPECT_FALSE(form().Timer2.qtimer.isActive());
}

// Bad first fields and a test without an end marker: every question can be reached, and the
// question shown is always the current one.
struct FelFält {
  const char* namn;
  const char* fält0;
  bool slutmärke;
  int sista;  // the last question NÄSTA reaches
};

void PrintTo(const FelFält& f, std::ostream* os) {
  *os << f.namn;
}

const FelFält kFelFält[] = {
    {"MaximumSmallerThanTheTest", "100002", true, 4},
    {"NegativeMaximum", "-5", true, 4},
    {"MaximumLargerThan200", "123999", true, 4},
    {"NoEndMarker", "100005", false, 200},
};

class BadTests : public TestLoader, public ::testing::WithParamInterface<FelFält> {};

TEST_P(BadTests, QuestionAndNumberNeverDisagreeAndNoFailureReachesThePupil) {
  const FelFält& f = GetParam();
  serveraTest("fel.tst", 5, 1, QString::fromUtf8(f.fält0), f.slutmärke);
  börja();
  ladda("fel.tst");
  EXPECT_EQ(form().Label4->text(), "Du gör nu prov  fel.tst.   5 frågor  Maxpoäng = 5");
  int klick = 0;
  while (visible(form().CmdNästa) && klick < 300) {
    klicka(form().CmdNästa);
    ++klick;
    visarAktuell();
  }
  EXPECT_EQ(p->aktuellfråga, f.sista);
  EXPECT_EQ(sistaFrågan(), 1);

  QScrollBar* s = form().VScroll1;
  // A drag across the whole bar, taken up again after each message.
  for (int läge = s->maximum(); läge >= s->minimum(); --läge) {
    if (!s->isSliderDown()) s->setSliderDown(true);
    s->setSliderPosition(läge);
    visarAktuell();
  }
  s->setSliderDown(false);
  visarAktuell();
  for (int i = 0; i < 50; ++i) {
    s->triggerAction(i < 25 ? QAbstractSlider::SliderPageStepAdd
                            : QAbstractSlider::SliderPageStepSub);
    visarAktuell();
  }
  EXPECT_TRUE(andraMeddelanden().isEmpty()) << andraMeddelanden().join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(FirstField, BadTests, ::testing::ValuesIn(kFelFält),
                         [](const auto& info) { return std::string(info.param.namn); });

}  // namespace
