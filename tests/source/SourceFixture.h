#pragma once
// What the tests of the web source share: a program whose server can be swapped for another
// address (a dead port, a file:// folder) or another client (smaller limits).
#include <QByteArray>
#include <QString>
#include <memory>

#include "app/Program.h"
#include "support/DeadPort.h"
#include "support/ProgramFixture.h"

class SourceFixture : public ProgramFixture {
 protected:
  // Picks a test as the pupil would have: its name in Text5.
  void pick(const QString& name);
  // A second program on the same working folder, fetching from `serverAddress` with `client`
  // (the fixture's client when null).
  std::unique_ptr<Program> programAt(const QString& serverAddress, Http* client = nullptr);
  // The text of a web test: field 0 and the cells, one a line, in Windows-1252 with CR LF.
  static QByteArray testText(const QString& field0, const QStringList& cells);
  // "c0", "c1", ... as many cells as asked for.
  static QStringList numberedCells(int count);
};
