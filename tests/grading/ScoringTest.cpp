// The score over the whole table and the score label's three captions.
#include <QLabel>

#include "app/Form1.h"
#include "grading/GradingFixture.h"
#include "grading/Scoring.h"
#include "taking/AnswerMarks.h"

namespace {
QStringList rows(const QStringList& cells) {
  return QStringList{QStringLiteral("TEXT"), QStringLiteral("Frågan")} + cells;
}
}  // namespace

class Scoring : public GradingFixture {
 protected:
  void clickScore() { emit form().Label2->clicked(); }
  QString caption() { return form().Label2->text(); }
};

struct ScoreCase {
  const char* what;
  std::function<void(GradingFixture&)> setUp;
  qint16 score;
  QString caption;
};

class ScoreShown : public Scoring, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(ScoreShown, WithItsSignPlace) {
  const ScoreCase& c = GetParam();
  c.setUp(*this);
  p->AntRätt = 77;  // whatever an earlier score left
  clickScore();
  EXPECT_EQ(p->AntRätt, c.score);
  EXPECT_EQ(caption(), c.caption);
}

TEST_F(Scoring, CaptionGoesBackAfterTheTimersTick) {
  fråga(0, rows({"r A", "f B"}), {2});
  EXPECT_EQ(caption(), QStringLiteral("Klicka för Poäng = ?"));

  clickScore();
  EXPECT_EQ(caption(), QStringLiteral("Din Poäng =  1"));
  EXPECT_EQ(form().Timer1.interval(), 3000);
  EXPECT_TRUE(form().Timer1.qtimer.isActive());
  // The label sizes itself to its text.
  EXPECT_EQ(form().Label2->size(), form().Label2->sizeHint());

  Timer1_Timer(*p);
  EXPECT_EQ(caption(), QStringLiteral("Poäng = ?"));
  EXPECT_EQ(form().Timer1.interval(), 0);
  EXPECT_FALSE(form().Timer1.qtimer.isActive());
  EXPECT_EQ(form().Label2->size(), form().Label2->sizeHint());

  // Another click shows the score as it is now.
  fråga(1, rows({"r A", "f B"}), {2});
  clickScore();
  EXPECT_EQ(caption(), QStringLiteral("Din Poäng =  2"));
  EXPECT_EQ(form().Timer1.interval(), 3000);
}

TEST_F(Scoring, QuestionsPastTheEndOfALoadedTestNeverCount) {
  // A longer test taken before: its questions ticked right and wrong.
  for (int q = 0; q < 8; ++q) fråga(q, rows({"r A", "f B"}), {2, q % 2 ? 3 : 2});
  // A shorter test loaded over it: the ticks are cleared, the cells behind its end stay.
  NollaSvar(*p);
  fråga(0, rows({"f X", "r Y"}), {3});
  fråga(1, rows({"r X", "f Y"}), {3});
  fråga(2, {"SLUT"});

  RättaProv(*p);
  EXPECT_EQ(p->AntRätt, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreShown,
    ::testing::Values(
        ScoreCase{"TenRightTicks",
                  [](GradingFixture& t) {
                    for (int q = 0; q < 10; ++q) t.fråga(q, rows({"f A", "r B", "f C"}), {3});
                  },
                  10, "Din Poäng =  10"},
        ScoreCase{"AllFiveRowsOneRight",
                  [](GradingFixture& t) {
                    t.fråga(4, rows({"f A", "f B", "r C", "f D", "f E"}), {2, 3, 4, 5, 6});
                  },
                  -3, "Din Poäng = -3"},
        ScoreCase{"NoTicks",
                  [](GradingFixture& t) {
                    t.fråga(0, rows({"r A", "f B"}));
                  },
                  0, "Din Poäng =  0"},
        ScoreCase{"MoreWrongThanRight",
                  [](GradingFixture& t) {
                    t.fråga(0, rows({"r A", "f B"}), {2});
                    for (int q = 1; q <= 12; ++q) t.fråga(q, rows({"r A", "f B"}), {3});
                  },
                  -11, "Din Poäng = -11"},
        // Only "r " and "f " rows count; typed answers never do.
        ScoreCase{"RowsWithoutMarkerAndTypedAnswers",
                  [](GradingFixture& t) {
                    t.fråga(0, rows({"rätt", "R B", "reserv", "", "ff"}), {2, 3, 4, 5, 6}, "svar");
                    t.fråga(1, {"SVAR", "Skriv", "r Katt"}, {}, "Katt");
                  },
                  0, "Din Poäng =  0"},
        // Every slot of the table counts, the last one too.
        ScoreCase{"FirstAndLastSlot",
                  [](GradingFixture& t) {
                    t.fråga(0, rows({"r A"}), {2});
                    t.fråga(200, rows({"f A", "r B"}), {3});
                  },
                  2, "Din Poäng =  2"}),
    [](const auto& info) { return std::string(info.param.what); });
