// "RÄTTA ?" on real widgets: the frames of the answer rows, the verdict of a typed answer about a
// picture, and the picture window.
#include <QCheckBox>
#include <QLabel>

#include "app/Form1.h"
#include "app/Looks.h"
#include "grading/GradingFixture.h"
#include "picture/FrmBild.h"

namespace {
const QColor kGrön(0x00, 0xFF, 0x00);
const QColor kRöd(0xFF, 0x00, 0x00);
constexpr int kQ = 7;  // the current question of these tests

// The frames of rows 2..6 as a word: '-' none, 'g' green, 'r' red.
std::string frames(Form1& f) {
  std::string s;
  for (int r = 2; r <= 6; ++r) {
    if (!visible(f.Shape1[r]))
      s += '-';
    else if (f.Shape1[r]->borderColor() == kGrön)
      s += 'g';
    else if (f.Shape1[r]->borderColor() == kRöd)
      s += 'r';
    else
      s += '?';
  }
  return s;
}
}  // namespace

class Checking : public GradingFixture {
 protected:
  // Question kQ on screen with the given heading and rows, the given boxes ticked.
  void show(const QString& heading, const QStringList& rows, std::initializer_list<int> ticks) {
    p->aktuellfråga = kQ;
    fråga(kQ, QStringList{heading, QStringLiteral("Frågan")} + rows);
    for (int r : ticks) form().ChkSvar[r]->setChecked(true);
  }
  void clickCheck() { emit form().Label3->clicked(); }
};

struct FrameCase {
  const char* what;
  QStringList rows;  // cells 2..6
  std::vector<int> ticks;
  std::string frames;
};

class CheckFrames : public Checking, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(CheckFrames, FrameTheRowsThatMatter) {
  const FrameCase& c = GetParam();
  p->aktuellfråga = kQ;
  fråga(kQ, QStringList{QStringLiteral("TEXT"), QStringLiteral("Frågan")} + c.rows);
  for (int r : c.ticks) form().ChkSvar[r]->setChecked(true);
  // What an earlier check left: every frame shown, in red.
  for (int r = 2; r <= 6; ++r) {
    form().Shape1[r]->setBorderColor(kRöd);
    form().Shape1[r]->show();
  }

  clickCheck();
  EXPECT_EQ(frames(form()), c.frames);
  clickCheck();
  EXPECT_EQ(frames(form()), c.frames) << "a second check differs";
  for (int r = 2; r <= 6; ++r)
    EXPECT_EQ(p->marks.at(kQ, r), std::count(c.ticks.begin(), c.ticks.end(), r))
        << "the check changed a mark";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckFrames,
    ::testing::Values(
        FrameCase{"RightWrongWrongWithRow3Ticked", {"r A", "f B", "f C", "", ""}, {3}, "rr---"},
        FrameCase{
            "AllRightTickedNoWrongTicked", {"r A", "f B", "r C", "f D", "reserv"}, {2, 4}, "g-g--"},
        FrameCase{
            "EverythingTicked", {"f A", "r B", "f C", "r D", "f E"}, {2, 3, 4, 5, 6}, "rgrgr"},
        FrameCase{"NothingTicked", {"r A", "f B", "r C", "f D", ""}, {}, "r-r--"},
        // Only "r " and "f " at the very start, in lower case, are markers.
        FrameCase{
            "RowsWithoutMarker", {"reserv", "", "rätt", "R A", "f"}, {2, 3, 4, 5, 6}, "-----"},
        FrameCase{"MarkerNotAtStart", {" r A", "xf B", "", "", ""}, {2, 3}, "-----"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Checking, ClickInPictureQuestionIsFramedFromTheJudgementsTicks) {
  struct Case {
    const char* what;
    bool row2, row3;  // as the picture window's judgement sets them
    std::string frames;
  };
  for (const Case& c : {Case{"hit", true, false, "g----"}, Case{"miss", true, true, "gr---"},
                        Case{"not answered", false, false, "r----"}}) {
    SCOPED_TRACE(c.what);
    show(QStringLiteral("KLIC Klicka på katten"), {"r Träff", "f Miss", "", "", ""}, {});
    // The rows of a click-in-picture question are hidden; the boxes still hold the result.
    for (int r = 2; r <= 6; ++r) {
      form().TxtFråga[r]->hide();
      form().ChkSvar[r]->hide();
    }
    form().ChkSvar[3]->setChecked(c.row3);
    form().ChkSvar[2]->setChecked(c.row2);
    clickCheck();
    EXPECT_EQ(frames(form()), c.frames);
  }
}

struct VerdictCase {
  const char* what;
  QString shown;  // answer row 2 as shown, without its marker
  QString typed;
  QString verdict;
};

class CheckVerdict : public Checking, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(CheckVerdict, TypedAnswerAboutAPictureIsRightOnlyWhenExactlyRow2) {
  const VerdictCase& c = GetParam();
  show(QStringLiteral("BILDSVAR Vad ser du?"), {"r " + c.shown, "", "", "", "reserv"}, {});
  form().TxtFråga[2]->setText(c.shown);
  form().TxtSvar->setText(c.typed);  // stored for the current question as the pupil types
  ASSERT_EQ(p->typed.at(kQ, 1), c.typed);

  clickCheck();

  EXPECT_TRUE(visible(form().LblRätt));
  EXPECT_EQ(form().LblRätt->text(), c.verdict);
  EXPECT_EQ(textColor(form().LblRätt),
            c.verdict == u"RÄTT" ? QColor(0x00, 0xC0, 0x00) : QColor(0xFF, 0x00, 0x00));
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckVerdict,
                         ::testing::Values(VerdictCase{"Equal", "Katt", "Katt", "RÄTT"},
                                           VerdictCase{"OtherCase", "Katt", "katt", "FEL"},
                                           VerdictCase{"TrailingBlank", "Katt", "Katt ", "FEL"},
                                           VerdictCase{"ExtraLine", "Katt", "Katt\r\nsvans", "FEL"},
                                           VerdictCase{"ExtraEmptyLine", "Katt", "Katt\r\n", "FEL"},
                                           VerdictCase{"EqualOnTwoLines", "Svart\r\nkatt",
                                                       "Svart\r\nkatt", "RÄTT"},
                                           VerdictCase{"NothingTyped", "Katt", "", "FEL"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Checking, OtherKindsLeaveTheVerdictAsItWas) {
  // A verdict left by checking a picture question earlier stays as it was.
  show(QStringLiteral("BILDSVAR"), {"r Katt", "", "", "", ""}, {});
  form().TxtFråga[2]->setText(QStringLiteral("Katt"));
  form().TxtSvar->setText(QStringLiteral("Hund"));
  clickCheck();
  ASSERT_EQ(form().LblRätt->text(), QStringLiteral("FEL"));

  for (const QString& heading : {QStringLiteral("SVAR Skriv"), QStringLiteral("Bildsvar"),
                                 QStringLiteral("TEXT"), QStringLiteral(" BILDSVAR")}) {
    SCOPED_TRACE(heading.toStdString());
    show(heading, {"r Katt", "", "", "", ""}, {});
    form().TxtSvar->setText(QStringLiteral("Katt"));  // would be "RÄTT" if judged
    clickCheck();
    EXPECT_TRUE(visible(form().LblRätt));
    EXPECT_EQ(form().LblRätt->text(), QStringLiteral("FEL"));
    EXPECT_EQ(textColor(form().LblRätt), kRöd);
  }

  // Hidden, as "NÄSTA" or "BACKA" leaves it: it stays hidden.
  form().LblRätt->hide();
  show(QStringLiteral("SVAR"), {"r Katt", "", "", "", ""}, {});
  clickCheck();
  EXPECT_FALSE(visible(form().LblRätt));
}

TEST_F(Checking, HidesTheTargetFrameAndKeepsThePictureWindowAsItWas) {
  show(QStringLiteral("TEXT"), {"r A", "", "", "", ""}, {});

  // Not made yet: checking does not bring up a window.
  clickCheck();
  const FrmBild* made = p->frmBildIfLoaded();
  EXPECT_TRUE(made == nullptr || !visible(made));

  FrmBild& bild = p->frmBild();
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "window shown" : "window hidden");
    bild.setVisible(shown);
    bild.ShapeRätt->show();  // as the presenter shows it to a teacher
    clickCheck();
    EXPECT_FALSE(visible(bild.ShapeRätt));
    EXPECT_EQ(visible(&bild), shown);
  }
}
