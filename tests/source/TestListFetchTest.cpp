// LaddaTesterWebb: the server's list of tests into List1.
#include "model/Cp1252.h"
#include "platform/Http.h"
#include "source/SourceFixture.h"
#include "source/WebSource.h"

namespace {

class TestListFetch : public SourceFixture {
 protected:
  void serveList(const QByteArray& bytes, int status = 200) {
    server.put("/distanstest/tester.txt", bytes, status);
  }
  QStringList listed() { return form().List1->entries(); }
};

TEST_F(TestListFetch, ListsEveryFieldInSwedishOrderWithNumbersInPlainForm) {
  serveList(
      toCp1252(QStringLiteral("prov2.tst\r\n"
                              "Övning.tst,ärter.tst\r\n"
                              "\"b,c.tst\"\r\n"
                              "  Alfa.tst\r\n"
                              "åsna.tst\r\n"
                              "007\r\n"
                              "1.50\r\n"
                              "zeta.tst")));
  LaddaTesterWebb(*p);
  EXPECT_EQ(listed(), (QStringList{"1.5", "7", "Alfa.tst", "b,c.tst", "prov2.tst", "zeta.tst",
                                   "åsna.tst", "ärter.tst", "Övning.tst"}));
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"/distanstest/tester.txt"}));
}

TEST_F(TestListFetch, ReplacesTheListAndLeavesTempTxtHoldingSeven) {
  form().List1->addSorted(QStringLiteral("gammal.tst"));
  // A longer scratch file than the list: none of it may stay behind.
  writeWork(QStringLiteral("temp.txt"), QByteArray(5000, 'x'));
  serveList("a.tst\r\n");
  LaddaTesterWebb(*p);
  EXPECT_EQ(listed(), QStringList{"a.tst"});
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(TestListFetch, AnEmptyListGivesAnEmptyList) {
  form().List1->addSorted(QStringLiteral("gammal.tst"));
  serveList(QByteArray());
  LaddaTesterWebb(*p);
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(TestListFetch, AFailedTransferLeavesListAndTempTxtAsTheyWere) {
  form().List1->addSorted(QStringLiteral("gammal.tst"));
  writeWork(QStringLiteral("temp.txt"), "7\r\n");
  // A 404 page must not be read as names.
  serveList("<html><body>404 Not Found</body></html>", 404);
  EXPECT_THROW(LaddaTesterWebb(*p), HttpError);
  EXPECT_EQ(listed(), QStringList{"gammal.tst"});
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");

  DeadPort dead;
  auto q = programAt(dead.address());
  EXPECT_THROW(LaddaTesterWebb(*q), HttpError);
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(TestListFetch, AListOfMoreNamesThanAnyServerHoldsFailsWithAMessage) {
  form().List1->addSorted(QStringLiteral("gammal.tst"));
  QByteArray names;
  for (int i = 0; i <= 10'000; ++i) names += "t" + QByteArray::number(i) + ".tst\r\n";
  serveList(names);
  try {
    LaddaTesterWebb(*p);
    ADD_FAILURE() << "no failure";
  } catch (const std::exception& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Testlistan har fler än 10000 namn."));
  }
  EXPECT_EQ(listed(), QStringList{"gammal.tst"});
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

}  // namespace
