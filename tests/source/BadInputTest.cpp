// Whatever a server sends, a fetch either fails or reads fields; it never crashes or hangs.
#include "model/QuestionTable.h"
#include "platform/Http.h"
#include "source/SourceFixture.h"
#include "source/WebSource.h"

namespace {

class BadInput : public SourceFixture {
 protected:
  void serveAsTest(const QByteArray& body) { server.put("/distanstest/prov1/prov1.tst", body); }
  void serveAsList(const QByteArray& body) { server.put("/distanstest/tester.txt", body); }
  // Runs a fetch; true when it ended by a failure.
  template <typename F>
  static bool fails(F fetch) {
    try {
      fetch();
      return false;
    } catch (const std::exception&) {
      return true;
    }
  }
  static QByteArray everyByte() {
    QByteArray b;
    for (int i = 0; i < 256; ++i) b.append(char(i));
    return b;
  }
};

TEST_F(BadInput, AnEmptyTestEndsTheFetchAnEmptyListIsEmpty) {
  serveAsTest(QByteArray());
  pick(QStringLiteral("prov1.tst"));
  EXPECT_TRUE(fails([&] { LaddaTestFilWebb(*p); }));
  serveAsList(QByteArray());
  LaddaTesterWebb(*p);
  EXPECT_EQ(form().List1->count(), 0);
}

TEST_F(BadInput, BinaryBytesAreReadAsFieldsOfText) {
  p->table.cell(0, 0) = QStringLiteral("old");
  serveAsTest(everyByte() + everyByte());
  pick(QStringLiteral("prov1.tst"));
  // Field 0 is the bytes 0..9 up to the line feed: no number, so the table stays.
  EXPECT_TRUE(fails([&] { LaddaTestFilWebb(*p); }));
  EXPECT_EQ(p->table.cell(0, 0), QStringLiteral("old"));
  EXPECT_GT(form().List4->count(), 2);

  serveAsTest("123012\r\n" + everyByte());
  EXPECT_FALSE(fails([&] { LaddaTestFilWebb(*p); }));
  EXPECT_EQ(p->table.cell(0, 0).size(), 10);  // bytes 0..9, the NUL included
  EXPECT_EQ(p->table.cell(0, 0).at(0), QChar(0));

  serveAsList(everyByte());
  EXPECT_FALSE(fails([&] { LaddaTesterWebb(*p); }));
  EXPECT_GT(form().List1->count(), 2);
}

TEST_F(BadInput, BytesOutsideWindows1252AreKeptAsCharacters) {
  // The five bytes Windows-1252 leaves undefined, and a UTF-8 "å" read byte by byte.
  serveAsTest(QByteArray("123012\r\n\x81\x8D\x8F\x90\x9D\r\n\xC3\xA5\r\n\x80"));
  pick(QStringLiteral("prov1.tst"));
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->table.cell(0, 0), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
  EXPECT_EQ(p->table.cell(1, 0), QStringLiteral("Ã¥"));
  EXPECT_EQ(p->table.cell(2, 0), QStringLiteral("€"));
}

TEST_F(BadInput, TensOfMegabytesOfFieldsFillTheTableAndStop) {
  // Twenty megabytes of empty lines: millions of fields, of which the table takes 2010.
  p->table.cell(5, 100) = QStringLiteral("old");
  serveAsTest("123012\r\n" + QByteArray(20 * 1024 * 1024, '\n'));
  pick(QStringLiteral("prov1.tst"));
  EXPECT_THROW(LaddaTestFilWebb(*p), IndexError);
  EXPECT_EQ(p->table.cell(5, 100), QString());
  EXPECT_EQ(form().List4->count(), 1 + QuestionTable::kQuestions * 10 + 1);

  // As a list it is more names than any server holds.
  serveAsList(QByteArray(20 * 1024 * 1024, '\n'));
  EXPECT_TRUE(fails([&] { LaddaTesterWebb(*p); }));
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), "7\r\n");
}

TEST_F(BadInput, OneFieldOfTensOfMegabytesIsOneField) {
  const QByteArray body(20 * 1024 * 1024, 'x');
  serveAsTest(body);
  pick(QStringLiteral("prov1.tst"));
  EXPECT_TRUE(fails([&] { LaddaTestFilWebb(*p); }));  // no number in field 0
  EXPECT_EQ(form().List4->count(), 1);

  serveAsTest("123012\r\n" + body);
  LaddaTestFilWebb(*p);
  EXPECT_EQ(p->table.cell(0, 0).size(), body.size());
}

TEST_F(BadInput, ABodyOverTheClientsLimitIsAFailedTransfer) {
  CurlHttp::Limits limits = testLimits();
  limits.maxBytes = 1024 * 1024;
  CurlHttp small(limits);
  auto q = programAt(server.address(), &small);
  serveAsTest("123012\r\n" + QByteArray(2 * 1024 * 1024, 'x'));
  serveAsList(QByteArray(2 * 1024 * 1024, 'x'));
  q->form().Text5->setText(QStringLiteral("prov1.tst"));
  EXPECT_THROW(LaddaTestFilWebb(*q), HttpError);
  EXPECT_THROW(LaddaTesterWebb(*q), HttpError);
  EXPECT_EQ(readWork(QStringLiteral("temp.txt")), QByteArray());
}

}  // namespace
