#include "taking/AnswerMarks.h"

#include <QCheckBox>

#include "app/Form1.h"
#include "app/Program.h"

namespace {
void check(int q, int i) {
  if (q < 0 || q >= QuestionTable::kQuestions || i < 0 || i > 10)
    throw IndexError("answer index outside the table");
}
}  // namespace

qint16& AnswerMarks::at(int q, int row) {
  check(q, row);
  return marks_[q][row];
}

qint16 AnswerMarks::at(int q, int row) const {
  check(q, row);
  return marks_[q][row];
}

QString& TypedAnswers::at(int q, int column) {
  check(q, column);
  return texts_[q][column];
}

const QString& TypedAnswers::at(int q, int column) const {
  check(q, column);
  return texts_[q][column];
}

void ChkSvar_Click(Program& p, int index) {
  p.marks.at(p.aktuellfråga, index) = p.form().ChkSvar.at(index)->isChecked() ? 1 : 0;
}

void TxtSvar_Change(Program& p) {
  p.typed.at(p.aktuellfråga, 1) = p.form().TxtSvar->text();
}

void NollaSvar(Program& p) {
  for (int q = 0; q < QuestionTable::kQuestions; ++q)
    for (int row = 1; row <= 6; ++row) p.marks.at(q, row) = 0;
}
