#include "model/TestFile.h"

#include <algorithm>

#include "model/Cp1252.h"
#include "model/FieldReader.h"

namespace {

constexpr int kWrittenCells = 10;  // cells 0..9; cell 10 is not saved

// Would the field reader, given the cell's text as a line of its own, read it
// differently (split it, or drop blanks or quotes at its start)?
bool needsQuotes(const QString& cell) {
  if (cell.isEmpty()) return false;
  const QChar first = cell.front();
  if (first == u' ' || first == u'\t' || first == u'"') return true;
  for (QChar c : cell) {
    if (c == u',' || c == u'\r' || c == u'\n') return true;
  }
  return false;
}

}  // namespace

TestFileImage writeTestFile(const QuestionTable& table) {
  TestFileImage image;
  // A byte a character, two for a line end, two for quotes: room for the whole file, into which
  // each cell is encoded where it belongs.
  qsizetype room = qstrlen(kTestFileHeader) + 2;
  for (int q = 0; q < QuestionTable::kQuestions; ++q)
    for (int c = 0; c < kWrittenCells; ++c) room += table.cell(c, q).size() + 4;
  QByteArray& bytes = image.bytes;
  bytes.resize(room);
  char* out = bytes.data();
  auto line = [&out](const char* text) {
    for (; *text; ++text) *out++ = *text;
    *out++ = '\r';
    *out++ = '\n';
  };
  line(kTestFileHeader);
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    for (int c = 0; c < kWrittenCells; ++c) {
      const QString& text = table.cell(c, q);
      bool kept = true;
      if (needsQuotes(text)) {
        QString inside = text;
        if (inside.contains(u'"')) {
          kept = false;
          inside.replace(u'"', u'\'');
        }
        *out++ = '"';
        out = writeCp1252(out, inside, &kept);
        *out++ = '"';
      } else {
        out = writeCp1252(out, text, &kept);
      }
      line("");
      if (!kept) image.unkept.push_back({q, c});
    }
  }
  bytes.truncate(out - bytes.data());
  return image;
}

QuestionTable readTestFile(QByteArrayView bytes) {
  QuestionTable table;
  const QStringList fields = readFields(fromCp1252(bytes));
  const qsizetype cells =
      std::min<qsizetype>(fields.size() - 1, qsizetype(QuestionTable::kQuestions) * kWrittenCells);
  for (qsizetype i = 0; i < cells; ++i) {
    table.cell(int(i % kWrittenCells), int(i / kWrittenCells)) = fields[i + 1];
  }
  return table;
}
