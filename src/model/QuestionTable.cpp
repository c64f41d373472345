#include "model/QuestionTable.h"

#include <string>

namespace {

void checkIndex(int c, int q) {
  if (c < 0 || c >= QuestionTable::kCells || q < 0 || q >= QuestionTable::kQuestions) {
    throw IndexError("cell (" + std::to_string(c) + ", " + std::to_string(q) +
                     ") lies outside the question table");
  }
}

}  // namespace

QString& QuestionTable::cell(int c, int q) {
  checkIndex(c, q);
  return cells_[q][c];
}

const QString& QuestionTable::cell(int c, int q) const {
  checkIndex(c, q);
  return cells_[q][c];
}
