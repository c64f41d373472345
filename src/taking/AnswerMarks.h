#pragma once
#include <QString>
#include <array>

#include "model/QuestionTable.h"

class Program;

// The pupil's ticks per question index and answer row; 0 not ticked, 1 ticked.
class AnswerMarks {
 public:
  qint16& at(int q, int row);  // throws IndexError outside 0..200 / 0..10
  qint16 at(int q, int row) const;

 private:
  std::array<std::array<qint16, 11>, QuestionTable::kQuestions> marks_{};
};

// The pupil's typed answers per question index; only column 1 is used.
class TypedAnswers {
 public:
  QString& at(int q, int column);  // throws IndexError outside 0..200 / 0..10
  const QString& at(int q, int column) const;

 private:
  std::array<std::array<QString, 11>, QuestionTable::kQuestions> texts_;
};

// Stores the value of check box ChkSvar(index) for the current question.
void ChkSvar_Click(Program& p, int index);
// Stores the whole text of the answer box for the current question.
void TxtSvar_Change(Program& p);
// Clears rows 1 to 6 of every question's ticks; typed answers stay.
void NollaSvar(Program& p);
