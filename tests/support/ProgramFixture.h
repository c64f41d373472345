#pragma once
// A whole program on real, offscreen widgets, wired as in the real run, with a temporary working
// folder, a loopback web server, scripted boxes and a fixed clock.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/Form1.h"
#include "app/Program.h"
#include "platform/CurlHttp.h"
#include "support/FixedClock.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedDialogs.h"

class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture();
  ~ProgramFixture() override;

  // Short limits, so that a stalled server ends a test within seconds.
  static CurlHttp::Limits testLimits();

  Form1& form() { return p->form(); }
  // A path in the working folder.
  QString work(const QString& name) const;
  // Bytes of a file in the working folder ("" when missing).
  QByteArray readWork(const QString& name) const;
  void writeWork(const QString& name, const QByteArray& bytes) const;

  // Serves a web test under distanstest/D/N on the loopback server (N = D + ".tst"), in
  // Windows-1252 with CR LF: field 0, then the given cells, ten a question.
  void serveTest(const QString& name, const QString& field0, const QStringList& cells);
  // Serves a picture (or any file) beside a test.
  void serveFile(const QString& testName, const QString& fileName, const QByteArray& bytes);

  QTemporaryDir dir;
  LoopbackServer server;
  ScriptedDialogs dialogs;
  FixedClock clock;
  CurlHttp http{testLimits()};
  std::unique_ptr<Program> p;
};

// Cells of one question: heading, text, rows 2..6, cell 7, cell 8 (picture), cell 9.
QStringList question(const QString& heading, const QString& text, const QStringList& rows,
                     const QString& cell7 = QString(),
                     const QString& cell8 = QStringLiteral("bild"),
                     const QString& cell9 = QString());
// The end marker question.
QStringList endMarker();
