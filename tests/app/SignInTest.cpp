// Signing in: name and class, the teacher and editor codes, edit mode.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <optional>

#include "app/SignIn.h"
#include "model/QtPrinters.h"
#include "support/ProgramFixture.h"

namespace {

struct Inloggning {
  const char* namn;
  std::optional<QString> skrivetNamn;  // nullopt: the box was cancelled
  std::optional<QString> skrivenKlass;
  bool klassFrågas;
  QString användare, klass, rubrik;
  bool redigering;
};

void PrintTo(const Inloggning& i, std::ostream* os) {
  *os << i.namn;
}

// KLASS before the sign-in is "gammal", so that a class that is not asked for shows.
const Inloggning kInloggningar[] = {
    {"TeacherCode", kLärarkod, "7B", true, "LÄRARE", "7B", "LÄRARE 7B", true},
    {"EditorCode", kRedigeringskod, std::nullopt, false, kRedigeringskod, "gammal", "LÄRARE", true},
    {"EmptyName", "", "7B", true, "GÄST", "7B", "GÄST 7B", false},
    {"BothCancelled", std::nullopt, std::nullopt, true, "GÄST", "", "GÄST ", false},
    {"OrdinaryName", "Anna", "8C", true, "Anna", "8C", "Anna 8C", false},
    {"NameLarare", "LÄRARE", "9A", true, "LÄRARE", "9A", "LÄRARE 9A", true},
    {"NameBeginningLarare", "LÄRAREN", "", true, "LÄRAREN", "", "LÄRAREN ", true},
    {"TeacherCodeInCapitals", kLärarkod.toUpper(), "7B", true, kLärarkod.toUpper(), "7B",
     kLärarkod.toUpper() + " 7B", false},
    {"EditorCodeInCapitals", kRedigeringskod.toUpper(), "7B", true, kRedigeringskod.toUpper(), "7B",
     kRedigeringskod.toUpper() + " 7B", false},
    {"NameLarareInLowerCase", "lärare", "7B", true, "lärare", "7B", "lärare 7B", false},
};

class SignIn : public ProgramFixture, public ::testing::WithParamInterface<Inloggning> {};

TEST_P(SignIn, OutcomeFollowsTheTypedName) {
  const Inloggning& i = GetParam();
  p->KLASS = QStringLiteral("gammal");
  p->ANVÄNDARE = QStringLiteral("någon");
  form().CmdBakåt->show();
  form().CmdNästa->show();
  form().VScroll1->show();
  dialogs.answer(i.skrivetNamn);
  if (i.klassFrågas) dialogs.answer(i.skrivenKlass);

  LICENS(*p);

  ASSERT_EQ(dialogs.inputs.size(), i.klassFrågas ? 2u : 1u);
  EXPECT_EQ(dialogs.inputs[0].prompt, "ANGE NAMN");
  EXPECT_EQ(dialogs.inputs[0].title, "NAMN");
  EXPECT_EQ(dialogs.inputs[0].defaultText, "");
  if (i.klassFrågas) {
    EXPECT_EQ(dialogs.inputs[1].prompt, "ANGE KLASS");
    EXPECT_EQ(dialogs.inputs[1].title, "KLASS?");
    EXPECT_EQ(dialogs.inputs[1].defaultText, "");
  }
  EXPECT_EQ(p->ANVÄNDARE, i.användare);
  EXPECT_EQ(p->KLASS, i.klass);
  EXPECT_EQ(form().Label1->text(), i.rubrik);
  EXPECT_EQ(visible(form().Label6), i.redigering);
  EXPECT_EQ(visible(form().Command14), i.redigering);
  EXPECT_EQ(visible(form().CmdBakåt), !i.redigering);
  EXPECT_EQ(visible(form().CmdNästa), !i.redigering);
  EXPECT_EQ(visible(form().VScroll1), !i.redigering);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(TypedName, SignIn, ::testing::ValuesIn(kInloggningar),
                         [](const auto& info) { return std::string(info.param.namn); });

using SignInAgain = ProgramFixture;

TEST_F(SignInAgain, DoubleClickOnLabel1SignsInAgainAndEditModeStays) {
  dialogs.answer(kLärarkod);
  dialogs.answer(QStringLiteral("7B"));
  LICENS(*p);
  ASSERT_TRUE(visible(form().Label6));
  p->aktuellfråga = 3;

  // A pupil signs in after the teacher, by a double click on the label.
  dialogs.answer(std::nullopt);
  dialogs.answer(QStringLiteral("8C"));
  const QPoint mitt = form().Label1->rect().center();
  QMouseEvent tryck(QEvent::MouseButtonPress, QPointF(mitt), QPointF(mitt), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent släpp(QEvent::MouseButtonRelease, QPointF(mitt), QPointF(mitt), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QMouseEvent dubbel(QEvent::MouseButtonDblClick, QPointF(mitt), QPointF(mitt), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form().Label1, &tryck);
  QApplication::sendEvent(form().Label1, &släpp);
  QApplication::sendEvent(form().Label1, &dubbel);
  QApplication::sendEvent(form().Label1, &släpp);

  EXPECT_EQ(dialogs.inputs.size(), 4u);
  EXPECT_EQ(p->ANVÄNDARE, "GÄST");
  EXPECT_EQ(p->KLASS, "8C");
  EXPECT_EQ(form().Label1->text(), "GÄST 8C");
  // Edit mode is not switched off by a sign-in; the question does not change.
  EXPECT_TRUE(visible(form().Label6));
  EXPECT_TRUE(visible(form().Command14));
  EXPECT_FALSE(visible(form().CmdNästa));
  EXPECT_EQ(p->aktuellfråga, 3);
}

}  // namespace
