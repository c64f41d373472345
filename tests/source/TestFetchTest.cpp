// LaddaTestFilWebb: one test from the server into the question table.
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QUrl>

#include "model/Cp1252.h"
#include "model/QuestionTable.h"
#include "platform/CurlHttp.h"
#include "source/SourceFixture.h"
#include "source/WebSource.h"

namespace {

class TestFetch : public SourceFixture {
 protected:
  // Fills every cell with "old" so that what a fetch leaves alone shows.
  void fillTableWithOld() {
    for (int q = 0; q < QuestionTable::kQuestions; ++q)
      for (int c = 0; c < QuestionTable::kCells; ++c) p->table.cell(c, q) = QStringLiteral("old");
  }
  bool tableIsAllOld() const {
    for (int q = 0; q < QuestionTable::kQuestions; ++q)
      for (int c = 0; c < QuestionTable::kCells; ++c)
        if (p->table.cell(c, q) != QLatin1String("old")) return false;
    return true;
  }
  QScrollBar& scroll() { return *form().VScroll1; }
};

TEST_F(TestFetch, FetchesTheTestFromItsFolderAndFillsTheTable) {
  QStringList cells =
      question(QStringLiteral("Fråga 1"), QStringLiteral("Vad är 2+2?"), {"r 4", "f 5", "f 22"});
  cells += question(QStringLiteral("SVAR"), QStringLiteral("Skriv ordet"), {"r ord"}, QString(),
                    QStringLiteral("häst.gif"), QStringLiteral("nio"));
  cells += endMarker();
  serveTest(QStringLiteral("prov1.tst"), QStringLiteral("123012"), cells);
  pick(QStringLiteral("prov1.tst"));

  LaddaTestFilWebb(*p);

  EXPECT_EQ(server.requests(), (std::vector<std::string>{"/distanstest/prov1/prov1.tst"}));
  EXPECT_EQ(p->strURL2, server.address() + QStringLiteral("distanstest/prov1/"));
  EXPECT_EQ(p->ProvInfo, QStringLiteral("012"));
  EXPECT_EQ(scroll().maximum(), 11);
  for (int q = 0; q < 3; ++q)
    for (int c = 0; c < 10; ++c) EXPECT_EQ(p->table.cell(c, q), cells[q * 10 + c]) << q << c;
  EXPECT_EQ(p->table.cell(0, 2), QStringLiteral("SLUT"));
  EXPECT_EQ(p->table.cell(10, 0), QString());  // cell 10 is never filled
  // List4 holds the fields, field 0 first, and is hidden.
  EXPECT_EQ(form().List4->count(), 1 + cells.size());
  EXPECT_EQ(form().List4->item(0)->text(), QStringLiteral("123012"));
  EXPECT_FALSE(visible(form().List4));
  // The download itself is what "temp.txt" holds until the loader resets it.
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), testText(QStringLiteral("123012"), cells));
  RaderaTestFilWebb(*p);
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(TestFetch, TwentyFiveFieldsFillTwoQuestionsAndFiveCellsOfTheThird) {
  fillTableWithOld();
  serveTest(QStringLiteral("kort.tst"), QStringLiteral("100050"), numberedCells(25));
  pick(QStringLiteral("kort.tst"));
  LaddaTestFilWebb(*p);  // the fields are used up: an ordinary end
  for (int i = 0; i < 25; ++i)
    EXPECT_EQ(p->table.cell(i % 10, i / 10), QStringLiteral("c%1").arg(i)) << i;
  for (int c = 5; c < 11; ++c) EXPECT_EQ(p->table.cell(c, 2), QStringLiteral("old")) << c;
  EXPECT_EQ(p->table.cell(0, 3), QStringLiteral("old"));
  EXPECT_EQ(p->Var, 5);
  EXPECT_EQ(scroll().maximum(), 49);
}

TEST_F(TestFetch, ATestFillingAllQuestionsExactlyEndsWithoutFailure) {
  serveTest(QStringLiteral("full.tst"), QStringLiteral("123200"), numberedCells(2010));
  pick(QStringLiteral("full.tst"));
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->table.cell(9, 200), QStringLiteral("c2009"));
  EXPECT_EQ(scroll().maximum(), 199);
}

TEST_F(TestFetch, MoreFieldsThanTheTableHoldsStopAtQuestion200WithAnIndexError) {
  fillTableWithOld();
  serveTest(QStringLiteral("lang.tst"), QStringLiteral("123012"), numberedCells(2015));
  pick(QStringLiteral("lang.tst"));
  EXPECT_THROW(LaddaTestFilWebb(*p), IndexError);
  EXPECT_EQ(p->table.cell(0, 0), QStringLiteral("c0"));
  EXPECT_EQ(p->table.cell(9, 200), QStringLiteral("c2009"));
  EXPECT_EQ(p->table.cell(10, 200), QStringLiteral("old"));
  EXPECT_EQ(p->Var, 0);  // it stopped at cell 0 of question 201
}

TEST_F(TestFetch, AFirstFieldThatIsNoNumberLeavesTheTableUntouched) {
  fillTableWithOld();
  p->ProvInfo = QStringLiteral("abc");
  scroll().setMaximum(77);
  // The header line of a test saved by the editor.
  serveTest(QStringLiteral("sparad.tst"), QStringLiteral("15sek 099Max"), numberedCells(30));
  pick(QStringLiteral("sparad.tst"));
  EXPECT_THROW(LaddaTestFilWebb(*p), std::runtime_error);
  EXPECT_TRUE(tableIsAllOld());
  EXPECT_EQ(p->ProvInfo, QStringLiteral("abc"));
  EXPECT_EQ(scroll().maximum(), 77);
}

struct MaxCase {
  const char* field0;
  const char* provInfo;
  int max;
};

class ScrollMaximum : public TestFetch, public ::testing::WithParamInterface<MaxCase> {};

TEST_P(ScrollMaximum, ComesFromCharactersFiveToSevenOfTheNumberText) {
  const MaxCase c = GetParam();
  serveTest(QStringLiteral("m.tst"), QString::fromLatin1(c.field0), numberedCells(3));
  pick(QStringLiteral("m.tst"));
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->ProvInfo, QString::fromLatin1(c.provInfo));
  EXPECT_EQ(scroll().maximum(), c.max);
  EXPECT_EQ(scroll().minimum(), 0);
}

// The number text has a blank (or a minus) in front, so characters 5 to 7 are digits 4 to 6.
// Below 0 and above 200 the maximum is held inside the scroll bar's range of questions.
INSTANTIATE_TEST_SUITE_P(Field0, ScrollMaximum,
                         ::testing::Values(MaxCase{"123012", "012", 11},
                                           MaxCase{" 0123012 ", "012", 11},
                                           MaxCase{"-123012", "012", 11},
                                           MaxCase{"999001", "001", 0},
                                           MaxCase{"123000", "000", 0},      // -1
                                           MaxCase{"5", "", 0},              // nothing: 0 - 1
                                           MaxCase{"123999", "999", 200},    // 998
                                           MaxCase{"1230.5", "0.5", 0},      // -0.5
                                           MaxCase{"1232.5", "2.5", 2},      // 1.5, to even
                                           MaxCase{"1e9", "000", 0},         // " 1000000000"
                                           MaxCase{"123201", "201", 200}));  // 200

TEST_F(TestFetch, TestNamesArePercentEncodedInTheAddress) {
  serveTest(QStringLiteral("prov 1 å.tst"), QStringLiteral("123012"), numberedCells(10));
  pick(QStringLiteral("prov 1 å.tst"));
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->strURL2, server.address() + QStringLiteral("distanstest/prov%201%20%C3%A5/"));
  EXPECT_EQ(p->table.cell(9, 0), QStringLiteral("c9"));

  // A name cannot reach another folder of the server.
  pick(QStringLiteral("../../x.tst"));
  EXPECT_THROW(LaddaTestFilWebb(*p), HttpError);
  EXPECT_EQ(p->strURL2, server.address() + QStringLiteral("distanstest/..%2F..%2Fx/"));
  // The server shows the path decoded; sent as it stood, the client would have resolved the
  // dots and asked for "/x.tst".
  EXPECT_EQ(server.requests().back(), "/distanstest/../../x/../../x.tst");
}

TEST_F(TestFetch, NothingPickedRefillsFromTheFieldsAlreadyInList4) {
  pick(QStringLiteral("Ingen test vald !"));
  EXPECT_THROW(LaddaTestFilWebb(*p), std::runtime_error);  // List4 is empty
  EXPECT_TRUE(server.requests().empty());
  EXPECT_FALSE(visible(form().List4));

  serveTest(QStringLiteral("prov1.tst"), QStringLiteral("123012"), numberedCells(20));
  pick(QStringLiteral("prov1.tst"));
  LaddaTestFilWebb(*p);
  p->table.cell(3, 1) = QStringLiteral("ändrad");
  pick(QStringLiteral("Ingen test vald !"));
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->table.cell(3, 1), QStringLiteral("c13"));
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(TestFetch, ANameShorterThanFourCharactersEndsTheFetchBeforeAnyTransfer) {
  form().List4->addItem(QStringLiteral("förra"));
  pick(QStringLiteral("abc"));
  EXPECT_THROW(LaddaTestFilWebb(*p), std::runtime_error);
  EXPECT_TRUE(server.requests().empty());
  EXPECT_EQ(form().List4->count(), 0);
}

// A transfer that cannot be made ends the fetch: "temp.txt" and the table stay as they were.
class FailedTransfer : public TestFetch {
 protected:
  void expectNothingChanged() {
    EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
    EXPECT_TRUE(tableIsAllOld());
  }
  void SetUp() override {
    fillTableWithOld();
    writeWork(QStringLiteral("temp.txt"), "7\r\n");
    pick(QStringLiteral("prov1.tst"));
  }
};

TEST_F(FailedTransfer, NotFound) {
  server.put("/distanstest/prov1/prov1.tst", testText("123012", numberedCells(10)), 404);
  EXPECT_THROW(LaddaTestFilWebb(*p), HttpError);
  expectNothingChanged();
}

TEST_F(FailedTransfer, Refused) {
  DeadPort dead;
  auto q = programAt(dead.address());
  q->form().Text5->setText(QStringLiteral("prov1.tst"));
  q->table = p->table;
  EXPECT_THROW(LaddaTestFilWebb(*q), HttpError);
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
  EXPECT_EQ(q->table.cell(0, 0), QStringLiteral("old"));
}

TEST_F(FailedTransfer, Stalled) {
  server.stall("/distanstest/prov1/prov1.tst", 60'000);
  EXPECT_THROW(LaddaTestFilWebb(*p), HttpError);
  expectNothingChanged();
}

TEST_F(FailedTransfer, LargerThanTheLimit) {
  CurlHttp::Limits limits = testLimits();
  limits.maxBytes = 100'000;
  CurlHttp small(limits);
  auto q = programAt(server.address(), &small);
  q->form().Text5->setText(QStringLiteral("prov1.tst"));
  server.put("/distanstest/prov1/prov1.tst", testText("123012", numberedCells(20'000)));
  EXPECT_THROW(LaddaTestFilWebb(*q), HttpError);
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(TestFetch, TheSampleServerWorksAsAFileAddress) {
  // The bundled samples are reached through a file:// address; names with blanks and
  // letters outside ASCII are encoded there too.
  const QString root = work(QStringLiteral("server med blanksteg"));
  const QString folder = root + QStringLiteral("/distanstest/prov å");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile f(folder + QStringLiteral("/prov å.tst"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(testText(QStringLiteral("123012"), numberedCells(11)));
  f.close();
  auto q = programAt(QUrl::fromLocalFile(root + QStringLiteral("/")).toString());
  q->form().Text5->setText(QStringLiteral("prov å.tst"));
  LaddaTestFilWebb(*q);
  EXPECT_EQ(q->table.cell(0, 1), QStringLiteral("c10"));
  EXPECT_EQ(q->form().VScroll1->maximum(), 11);
}

}  // namespace
