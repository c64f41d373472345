// The test list: picks in List1 and its refill from the working folder's test files.
#include "source/SourceFixture.h"
#include "source/TestList.h"

namespace {

class TestList : public SourceFixture {
 protected:
  QString text5() { return form().Text5->text(); }
};

TEST_F(TestList, RefillListsTheFolderAndLeavesTheLastFileChosen) {
  form().List1->addSorted(QStringLiteral("prov1.tst"));
  writeWork(QStringLiteral("b.tst"), "x");
  writeWork(QStringLiteral("a.tst"), "x");
  writeWork(QStringLiteral("svar.txt"), "x");
  LaddaFilTxtbox(*p);
  EXPECT_EQ(form().List1->entries(), (QStringList{"a", "b"}));
  // File1_Click puts the selected file's name, extension and all, into both.
  EXPECT_EQ(p->INFIL, QStringLiteral("b.tst"));
  EXPECT_EQ(text5(), QStringLiteral("b.tst"));
}

TEST_F(TestList, ASingleFileIsChosenToo) {
  writeWork(QStringLiteral("ensam.tst"), "x");
  LaddaFilTxtbox(*p);
  EXPECT_EQ(p->INFIL, QStringLiteral("ensam.tst"));
  // Again, with the same file already selected in File1.
  p->INFIL = QStringLiteral("nyfil.txt");
  LaddaFilTxtbox(*p);
  EXPECT_EQ(p->INFIL, QStringLiteral("ensam.tst"));
  EXPECT_EQ(form().List1->entries(), QStringList{"ensam"});
}

TEST_F(TestList, FilesSavedSinceTheLastRefillAreListedInSwedishOrder) {
  writeWork(QStringLiteral("öga.tst"), "x");
  LaddaFilTxtbox(*p);
  writeWork(QStringLiteral("åsna.tst"), "x");
  writeWork(QStringLiteral("Apa.tst"), "x");
  LaddaFilTxtbox(*p);
  EXPECT_EQ(form().List1->entries(), (QStringList{"Apa", "åsna", "öga"}));
  EXPECT_EQ(p->INFIL, QStringLiteral("öga.tst"));
}

TEST_F(TestList, AnEmptyFolderEmptiesTheListAndChoosesNothing) {
  form().List1->addSorted(QStringLiteral("prov1.tst"));
  p->INFIL = QStringLiteral("prov1.tst.tst");
  form().Text5->setText(QStringLiteral("prov1.tst"));
  LaddaFilTxtbox(*p);
  EXPECT_TRUE(form().List1->entries().isEmpty());
  EXPECT_EQ(p->INFIL, QStringLiteral("prov1.tst.tst"));
  EXPECT_EQ(text5(), QStringLiteral("prov1.tst"));
}

TEST_F(TestList, APickChoosesTheEntryAndItsFileName) {
  for (const char* name : {"prov1.tst", "a", "b"}) form().List1->addSorted(QString(name));
  // Through the wiring, as a click or a key selects it.
  form().List1->setCurrentRow(form().List1->entries().indexOf(QStringLiteral("prov1.tst")));
  EXPECT_EQ(text5(), QStringLiteral("prov1.tst"));
  EXPECT_EQ(p->INFIL, QStringLiteral("prov1.tst.tst"));
  form().List1->setCurrentRow(0);
  EXPECT_EQ(text5(), QStringLiteral("a"));
  EXPECT_EQ(p->INFIL, QStringLiteral("a.tst"));
  // A click on the entry already picked picks it again.
  p->INFIL = QStringLiteral("nyfil.txt");
  emit form().List1->itemClicked(form().List1->item(0));
  EXPECT_EQ(p->INFIL, QStringLiteral("a.tst"));
}

TEST_F(TestList, ClearingTheListIsNoPick) {
  form().List1->addSorted(QStringLiteral("x"));
  form().List1->setCurrentRow(0);
  EXPECT_EQ(p->INFIL, QStringLiteral("x.tst"));
  LaddaFilTxtbox(*p);
  EXPECT_EQ(p->INFIL, QStringLiteral("x.tst"));
  EXPECT_EQ(text5(), QStringLiteral("x"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
