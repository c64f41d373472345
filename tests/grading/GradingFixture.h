#pragma once
// A program with a pupil's attempt set up directly in its tables, as the loader, the presenter
// and the pupil's clicks would leave them.
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

#include "support/ProgramFixture.h"

// Readable failure messages: GoogleTest would print a QString as raw bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toUtf8().toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '{' << list.join(QStringLiteral(" | ")).toUtf8().toStdString() << '}';
}

class GradingFixture : public ProgramFixture {
 public:
  // Cells 0.. of question q, the rows the pupil ticked and the typed answer.
  void fråga(int q, const QStringList& cells, std::initializer_list<int> ticks = {},
             const QString& typed = QString());

 protected:
  // The attempt of a scenario in tests/data/grading/scenarios.json, with its clock.
  void attempt(const QJsonObject& scenario);
  // Every entry of the working folder, hidden ones included, in code-point order.
  QStringList workEntries() const;
  static QStringList sorted(QStringList names) {
    names.sort();
    return names;
  }
  // The files under tests/data/grading/expected/<scenario>.
  static QString expectedFolder(const QString& scenario);
};

// The scenarios of tests/data/grading/scenarios.json by name.
QJsonObject scenario(const QString& name);
QStringList scenarioNames();
