// Storing the question on screen: the texts and ticks into the current question's cells,
// edit mode left, the window narrowed, and the test saved.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

#include "app/Form1.h"
#include "app/Twips.h"
#include "editor/ChooserOpen.h"
#include "model/TestFile.h"
#include "support/ProgramFixture.h"

namespace {

class StoreQuestion : public ProgramFixture {
 protected:
  static constexpr int q = 3;

  // Edit mode as the sign-in leaves it, on question 4 (index 3) of a loaded test.
  void editQuestion() {
    Form1& f = form();
    f.Label6->show();
    f.Command14->show();
    f.CmdBakåt->hide();
    f.CmdNästa->hide();
    f.VScroll1->hide();
    p->aktuellfråga = q;
    const QStringList cells = {"SVARVilken färg?", "Fråga", "r blå",    "f röd", "r grön", "f gul",
                               "reserv",           "mål",   "bild.bmp", "nio",   "tio"};
    for (int c = 0; c < 11; ++c) p->table.cell(c, q) = cells[c];
  }
  void setRow(int r, const QString& text, qint16 mark) {
    form().TxtFråga[r]->setText(text);
    p->marks.at(q, r) = mark;
  }
  void clickLabel6(const QString& name = "Fysik") {
    dialogs.answer(name);
    emit form().Label6->clicked();
  }
};

// Rows take "r " or "f " from the ticks, whatever they held before; a mark that is neither
// leaves the row; an emptied row is the prefix alone; the reserved row becomes an answer.
TEST_F(StoreQuestion, TicksBecomePrefixesOfTheTypedRows) {
  editQuestion();
  // The presenter shows a typed-answer question's heading without its marker.
  form().TxtFråga[0]->setText("Vilken färg?");
  form().TxtFråga[1]->setText("Himlen är\r\noch gräset är");
  setRow(2, "blå", 0);     // right before, not ticked again: wrong now
  setRow(3, "röd", 1);     // ticked
  setRow(4, "", 1);        // emptied, ticked
  setRow(5, "", 0);        // emptied
  setRow(6, "reserv", 0);  // the hidden reserved row
  clickLabel6();

  const QStringList expected = {"Vilken färg?", "Himlen är\r\noch gräset är",
                                "f blå",        "r röd",
                                "r ",           "f ",
                                "f reserv",     "mål",
                                "bild.bmp",     "nio",
                                "tio"};
  for (int c = 0; c < 11; ++c) EXPECT_EQ(p->table.cell(c, q), expected[c]) << "cell " << c;
  // The saved file holds the stored question as its fourth.
  const QuestionTable saved = readTestFile(readWork("1895Fysik.tst"));
  for (int c = 0; c < 10; ++c) EXPECT_EQ(saved.cell(c, q), expected[c]) << "saved cell " << c;
}

TEST_F(StoreQuestion, MarkThatIsNeitherLeavesTheRow) {
  editQuestion();
  setRow(2, "ny", 2);
  setRow(3, "ny", -1);
  clickLabel6();
  EXPECT_EQ(p->table.cell(2, q), "r blå");
  EXPECT_EQ(p->table.cell(3, q), "f röd");
}

// Edit mode ends: the store label and the picture button go, the navigation comes back, the
// window is 12300 twips wide at left 1400. The boxes keep what was typed; the test is saved
// with INFIL's name proposed and the list refilled from the folder.
TEST_F(StoreQuestion, LeavesEditModeAndSaves) {
  editQuestion();
  Form1& f = form();
  p->INFIL = "biologi.tst";
  f.TxtFråga[1]->setText("skrivet");
  clickLabel6("biologi");

  EXPECT_FALSE(visible(f.Label6));
  EXPECT_FALSE(visible(f.Command14));
  EXPECT_TRUE(visible(f.CmdBakåt));
  EXPECT_TRUE(visible(f.CmdNästa));
  EXPECT_TRUE(visible(f.VScroll1));
  EXPECT_EQ(f.frameGeometry().width(), tw(12300));
  EXPECT_EQ(f.frameGeometry().left(), tw(1400));
  EXPECT_EQ(f.TxtFråga[1]->text(), "skrivet");
  EXPECT_EQ(p->aktuellfråga, q);
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].defaultText, "biologi");
  EXPECT_EQ(f.List1->entries(), QStringList{"1895biologi"});
  EXPECT_EQ(p->INFIL, "1895biologi.tst");
}

// The store does not move the picture chooser: an open chooser stays where it was opened.
TEST_F(StoreQuestion, OpenChooserStaysInPlace) {
  editQuestion();
  Command14_Click(*p);
  const QRect open = form().Frame2->geometry();
  clickLabel6();
  EXPECT_EQ(form().Frame2->geometry(), open);
}

}  // namespace
