#pragma once
// The loaded test in memory: 201 questions of 11 text cells each. Cells that nothing
// has filled read as "". The table is never cleared as a whole; a load overwrites
// only the cells it fills.
#include <QString>
#include <array>
#include <stdexcept>

// An index outside the table: the routine that used it fails.
struct IndexError : std::out_of_range {
  using std::out_of_range::out_of_range;
};

class QuestionTable {
 public:
  static constexpr int kQuestions = 201;  // questions 0..200
  static constexpr int kCells = 11;       // cells 0..10

  // Cell c of question q; throws IndexError outside 0..10 / 0..200.
  QString& cell(int c, int q);
  const QString& cell(int c, int q) const;

 private:
  std::array<std::array<QString, kCells>, kQuestions> cells_;
};
