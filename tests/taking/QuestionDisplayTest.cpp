// What the presenter fills in: texts without row markers, the typed-answer kinds, and the
// pupil's ticks and typed text brought back on return to a question.
#include <QKeyEvent>

#include "taking/TakingFixture.h"

namespace {

using QuestionDisplay = TakingFixture;

TEST_F(QuestionDisplay, RowMarkersAreDroppedOnlyWhenFollowedByABlank) {
  const struct {
    const char* cell;
    const char* shown;
  } fall[] = {
      {"r Ja", "Ja"},   {"f Nej", "Nej"}, {"r ", ""},           {"r", "r"},
      {"rätt", "rätt"}, {"fr ", "fr "},   {"x r y", "x r y"},   {" r Ja", " r Ja"},
      {"R Ja", "R Ja"}, {"42", "42"},     {"f f två", "f två"}, {"", ""},
  };
  for (const auto& f : fall) {
    p->table.cell(2, 0) = QString::fromUtf8(f.cell);
    p->table.cell(1, 0) = QString::fromUtf8(f.cell);
    börja();
    EXPECT_EQ(form().TxtFråga[2]->text(), QString::fromUtf8(f.shown)) << f.cell;
    EXPECT_EQ(form().TxtFråga[1]->text(), QString::fromUtf8(f.shown)) << f.cell;
  }
}

TEST_F(QuestionDisplay, TypedAnswerKindsDropTheirMarkerAndShowTheAnswerBox) {
  const struct {
    const char* rubrik;
    const char* visad;
    bool svarsruta;
  } fall[] = {
      {"SVAR Skriv ditt namn", " Skriv ditt namn", true},
      {"SVARA", "A", true},
      {"BILDSVAR Vad ser du?", " Vad ser du?", true},
      {"BILDSVARSVAR", "SVAR", true},
      {"BILD Titta", "BILD Titta", false},
      {"svar", "svar", false},
      {"Fråga SVAR", "Fråga SVAR", false},
      {"r SVAR", "SVAR", false},  // the row marker goes, and the heading is no typed answer
      {"", "", false},
  };
  for (const auto& f : fall) {
    p->table.cell(0, 0) = QString::fromUtf8(f.rubrik);
    p->table.cell(8, 0) = QStringLiteral("bild");
    börja();
    EXPECT_EQ(form().TxtFråga[0]->text(), QString::fromUtf8(f.visad)) << f.rubrik;
    EXPECT_EQ(visible(form().TxtSvar), f.svarsruta) << f.rubrik;
  }
}

TEST_F(QuestionDisplay, QuestionNumberCountsFromOne) {
  läggTest(20);
  börja();
  form().VScroll1->setValue(11);
  EXPECT_EQ(form().Label5->text(), "12");
  EXPECT_EQ(form().TxtFråga[0]->text(), "Fråga 12");
}

TEST_F(QuestionDisplay, TicksComeBackOnReturnAndRestoringChangesNothing) {
  läggTest(5);
  börja();
  klicka(form().CmdNästa);  // question 2
  form().ChkSvar[3]->click();
  form().ChkSvar[5]->click();
  form().ChkSvar[5]->click();  // unticked again: stored at once
  EXPECT_EQ(p->marks.at(1, 3), 1);
  EXPECT_EQ(p->marks.at(1, 5), 0);

  klicka(form().CmdNästa);  // question 3, never visited
  for (int r = 2; r <= 6; ++r) EXPECT_FALSE(form().ChkSvar[r]->isChecked()) << r;
  form().VScroll1->setValue(1);
  for (int r = 2; r <= 6; ++r) EXPECT_EQ(form().ChkSvar[r]->isChecked(), r == 3) << r;
  for (int q = 0; q <= 200; ++q)
    for (int r = 0; r <= 10; ++r)
      ASSERT_EQ(p->marks.at(q, r), q == 1 && r == 3 ? 1 : 0) << q << "," << r;
}

TEST_F(QuestionDisplay, TypedTextComesBackExactlyAsTyped) {
  läggTest(3);
  p->table.cell(0, 1) = QStringLiteral("SVAR Beskriv");
  börja();
  klicka(form().CmdNästa);
  ASSERT_TRUE(visible(form().TxtSvar));
  form().TxtSvar->setFocus();

  // Keystrokes into the answer box; every one is stored at once.
  const QString skrivet = QStringLiteral("Första raden\nandra  rad\n\n sista ");
  QString väntat;
  for (QChar c : skrivet) {
    const bool radbrytning = c == QLatin1Char('\n');
    QKeyEvent tryck(QEvent::KeyPress, radbrytning ? Qt::Key_Return : 0, Qt::NoModifier,
                    radbrytning ? QStringLiteral("\r") : QString(c));
    QApplication::sendEvent(form().TxtSvar, &tryck);
    väntat += radbrytning ? QStringLiteral("\r\n") : QString(c);
    ASSERT_EQ(p->typed.at(1, 1), väntat);
  }

  klicka(form().CmdNästa);
  EXPECT_FALSE(visible(form().TxtSvar));
  EXPECT_EQ(p->typed.at(1, 1), väntat);
  klicka(form().CmdBakåt);
  EXPECT_TRUE(visible(form().TxtSvar));
  EXPECT_EQ(form().TxtSvar->text(), väntat);
  EXPECT_EQ(p->typed.at(1, 1), väntat);
  EXPECT_EQ(p->typed.at(2, 1), "");
}

}  // namespace
