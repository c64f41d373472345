#include <QString>
#include <algorithm>

#include "fuzz/FuzzChecks.h"
#include "model/TestFile.h"

namespace {
void fail(const char* what) {
  fuzzFail("test file", what);
}

// Fills a table from the bytes as UTF-8: 0x1F moves to the next cell (cell 10 included, which
// the file does not keep), 0x1E to the next question.
QuestionTable tableOf(const QString& text) {
  QuestionTable t;
  int q = 0, c = 0;
  for (QChar ch : text) {
    if (ch == u'\x1e') {
      q = (q + 1) % QuestionTable::kQuestions;
      c = 0;
    } else if (ch == u'\x1f') {
      c = (c + 1) % QuestionTable::kCells;
    } else {
      t.cell(c, q) += ch;
    }
  }
  return t;
}

// The table written and read back: a cell differs exactly when the save reported it.
void roundTrip(const QuestionTable& table) {
  const TestFileImage image = writeTestFile(table);
  if (!image.bytes.startsWith("15sek 099Max\r\n") || !image.bytes.endsWith("\r\n"))
    fail("the header or the last line end is missing");
  const QuestionTable back = readTestFile(image.bytes);
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    if (!back.cell(10, q).isEmpty()) fail("cell 10 came back");
    for (int c = 0; c < 10; ++c) {
      const bool differs = back.cell(c, q) != table.cell(c, q);
      const bool reported =
          std::any_of(image.unkept.begin(), image.unkept.end(),
                      [&](UnkeptCell u) { return u.question == q && u.cell == c; });
      if (differs && !reported) fail("a cell came back changed and the save did not say so");
      if (reported && !differs) fail("the save named a cell that came back the same");
    }
  }
}
}  // namespace

void checkTestFile(const uint8_t* data, size_t size) {
  if (size == 0) return;
  const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
  if (data[0] & 1)
    roundTrip(readTestFile(bytes));
  else
    roundTrip(tableOf(QString::fromUtf8(bytes)));
}
