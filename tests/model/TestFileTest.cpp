// The test file writer: exact bytes, and a saved table that reads back as the same table.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QFile>
#include <set>

#include "TestPaths.h"
#include "model/Cp1252.h"
#include "model/FieldReader.h"
#include "model/TestFile.h"

namespace {

QByteArray readData(const QString& name) {
  QFile file(QStringLiteral(LUMIVO_TEST_DATA "/model/") + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TEST(WriteTestFile, ExactBytesOfASmallTable) {
  QuestionTable table;
  const char* question0[] = {
      "Fråga 1", "Vad är 2+2?",    "r 4",          "f 5", "", "", "reserv", "",
      "bild",    "Obs, med komma", "aldrig sparad"};
  for (int c = 0; c < 11; ++c) table.cell(c, 0) = QString::fromUtf8(question0[c]);
  table.cell(0, 1) = "SLUT";
  table.cell(9, 200) = "sist";

  const TestFileImage image = writeTestFile(table);
  const QByteArray expected = readData("small_test.tst");
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(image.bytes, expected);
  EXPECT_TRUE(image.unkept.empty());
}

TEST(WriteTestFile, EmptyTableIsHeaderAnd2010EmptyLines) {
  const TestFileImage image = writeTestFile(QuestionTable());
  EXPECT_EQ(image.bytes, QByteArray("15sek 099Max\r\n") + QByteArray("\r\n").repeated(2010));
}

// Every cell lands on its own line in question-major order, so a test of six questions
// has its "SLUT" on line 62, and a former test's cells behind it are still written.
TEST(WriteTestFile, CellsInQuestionMajorOrder) {
  QuestionTable table;
  for (int q = 0; q < 6; ++q) table.cell(0, q) = QStringLiteral("Fråga %1").arg(q + 1);
  table.cell(0, 6) = "SLUT";
  table.cell(1, 7) = "kvar från förra testet";
  const QList<QByteArray> lines = writeTestFile(table).bytes.split('\n');
  ASSERT_EQ(lines.size(), 2012);  // 2011 lines, each ending in LF, and nothing after the last
  EXPECT_EQ(lines.last(), "");
  EXPECT_EQ(lines[61], "SLUT\r");
  EXPECT_EQ(lines[1], "Fr\xE5ga 1\r");
  EXPECT_EQ(lines[72], "kvar fr\xE5n f\xF6rra testet\r");
}

// A web test is the saved file with a number as its first line.
QuestionTable loadAsWebTest(const QByteArray& saved) {
  const QByteArray web = "100005" + saved.mid(saved.indexOf("\r\n"));
  const QStringList fields = readFields(fromCp1252(web));
  EXPECT_EQ(fields.value(0), "100005");
  QuestionTable table;
  for (qsizetype i = 1; i < fields.size() && i <= 2010; ++i) {
    table.cell(int((i - 1) % 10), int((i - 1) / 10)) = fields[i];
  }
  return table;
}

struct RoundTripCell {
  const char* name;
  QString text;
  bool kept;
};

const RoundTripCell kRoundTripCells[] = {
    {"Plain", "Vad är 2+2?", true},
    {"Empty", "", true},
    {"Swedish", "Å ä ö Å Ä Ö é ü €", true},
    {"Comma", "Stockholm, Sverige", true},
    {"OnlyAComma", ",", true},
    {"CrLf", "rad 1\r\nrad 2", true},
    {"LfAlone", "rad 1\nrad 2", true},
    {"CrAlone", "rad 1\rrad 2", true},
    {"EndsInLineBreak", "rad 1\r\n", true},
    {"LeadingBlank", " indragen", true},
    {"LeadingTab", "\tindragen", true},
    {"OnlyBlanks", "   ", true},
    {"TrailingBlanks", "slut   ", true},
    {"QuoteInside", "han sa \"hej\" och gick", true},
    {"QuoteAtEnd", "tum\"", true},
    {"QuoteAtStart", "\"citat\" sa han", false},
    {"QuoteAndComma", "ja, \"kanske\"", false},
    {"QuoteAndLineBreak", "\"a\"\r\n\"b\"", false},
    {"NotInWindows1252", "π r²", false},
    {"NulAndControls", QString::fromUtf16(u"a\0b\x01", 4), true},
};

// Each case goes into a cell of its own, followed by a cell that must keep its place.
TEST(WriteTestFile, RoundTripGivesTheSameTable) {
  QuestionTable table;
  std::set<std::pair<int, int>> expectedUnkept;
  int slot = 0;
  for (const RoundTripCell& c : kRoundTripCells) {
    const int q = slot / 10, cell = slot % 10;
    table.cell(cell, q) = c.text;
    if (!c.kept) expectedUnkept.insert({q, cell});
    ++slot;
    table.cell(slot % 10, slot / 10) = QStringLiteral("vakt %1").arg(slot);
    ++slot;
  }
  table.cell(0, 200) = "SLUT";
  table.cell(9, 200) = "sista, med komma";
  table.cell(10, 5) = "cell 10 sparas inte";

  const TestFileImage image = writeTestFile(table);
  std::set<std::pair<int, int>> unkept;
  for (const UnkeptCell& u : image.unkept) unkept.insert({u.question, u.cell});
  EXPECT_EQ(unkept, expectedUnkept);

  for (const QuestionTable& back : {loadAsWebTest(image.bytes), readTestFile(image.bytes)}) {
    for (int q = 0; q < QuestionTable::kQuestions; ++q) {
      for (int c = 0; c < 10; ++c) {
        if (unkept.count({q, c})) continue;
        EXPECT_EQ(back.cell(c, q), table.cell(c, q)) << "question " << q << " cell " << c;
      }
    }
    EXPECT_EQ(back.cell(10, 5), "");
  }
}

// A cell that cannot be kept is still written as one field, close to what it held.
TEST(WriteTestFile, UnkeptCellsStillKeepTheirPlace) {
  QuestionTable table;
  table.cell(1, 0) = "ja, \"kanske\"";
  table.cell(2, 0) = "π";
  table.cell(3, 0) = "r efter";
  const TestFileImage image = writeTestFile(table);
  const QuestionTable back = readTestFile(image.bytes);
  EXPECT_EQ(back.cell(1, 0), "ja, 'kanske'");
  EXPECT_EQ(back.cell(2, 0), "?");
  EXPECT_EQ(back.cell(3, 0), "r efter");
  ASSERT_EQ(image.unkept.size(), 2u);
  EXPECT_EQ(image.unkept[0].question, 0);
  EXPECT_EQ(image.unkept[0].cell, 1);
  EXPECT_EQ(image.unkept[1].cell, 2);
}

}  // namespace
