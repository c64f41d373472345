#pragma once
// The test file (".tst") that the editor saves: Windows-1252, CR LF after every line.
// Line 1 is the header; then for each question 0..200 its cells 0..9, one per line,
// 2011 lines in all. Cell 10 is never written. Lines 2.. have the layout of fields
// 1.. of a web test, so the file loads back through the field reader.
#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "model/QuestionTable.h"

// A cell that cannot be written so that it reads back the same.
struct UnkeptCell {
  int question;
  int cell;
};

struct TestFileImage {
  QByteArray bytes;
  std::vector<UnkeptCell> unkept;  // in file order
};

inline constexpr const char* kTestFileHeader = "15sek 099Max";

// A cell that holds a comma, a CR or an LF, or that begins with a blank or a double
// quote, is written inside double quotes, which the field reader reads back as the
// same text. Such a cell that also holds a double quote cannot be written so: its
// double quotes become apostrophes, so that it still stays one field and every later
// cell keeps its place, and it is listed in unkept. So is a cell with characters that
// Windows-1252 cannot hold (they become '?'). Every other cell is written as it stands.
TestFileImage writeTestFile(const QuestionTable& table);

// Reads test file bytes into a fresh table as the web loader fills it: the first field
// (the header) is skipped, the next fields go into cells 0..9 of question after
// question until the fields or the table's 201 questions are used up.
QuestionTable readTestFile(QByteArrayView bytes);
