#pragma once
// A whole program for the benchmarks: real widgets (offscreen, the main window shown), wired as
// in the real run, a temporary working folder, a loopback web server, a fixed clock and boxes that
// answer at once.
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/Program.h"
#include "platform/CurlHttp.h"
#include "platform/Dialogs.h"
#include "support/FixedClock.h"

#include "BenchServer.h"

// Message boxes are counted; every input box is answered with the same text.
class BenchDialogs : public Dialogs {
 public:
  void msgBox(const QString&) override { ++messages; }
  QString inputBox(const QString&, const QString&, const QString&) override { return answer; }
  QString answer;
  int messages = 0;
};

class BenchProgram {
 public:
  BenchProgram();
  ~BenchProgram();

  // Serves a web test under distanstest/D/name (name = D + ".tst") and the sample pictures
  // beside it; returns the test's address.
  QString serveTest(const QString& name, const QByteArray& bytes);
  // The working folder's path of a file.
  QString work(const QString& name) const;
  // Runs the events the routines posted (painting, deferred deletes), outside the measurement.
  static void settle();

  QTemporaryDir dir;
  BenchServer server;
  BenchDialogs dialogs;
  FixedClock clock;
  CurlHttp http;
  std::unique_ptr<Program> p;
};

// The baseline of the figures that write files: open (creating or truncating), one write, close;
// with `sync`, fdatasync before the close (what it takes for the bytes to be on the disk).
// False when the file could not be written.
bool writePlain(const QByteArray& path, const QByteArray& bytes, bool sync);

// The folder of the sample server's pictures (examples/server/distanstest/...).
QString examplesFolder();

// Runs the given cleanup at the end of the benchmarks, while the application still exists (the
// widgets of a program must go before it).
void atBenchEnd(std::function<void()> cleanup);
void runBenchEnd();

// The one object of a kind (and tag) the benchmarks of a figure share: made on first use, so that
// a run filtered to other figures never makes it, and destroyed by runBenchEnd().
template <class T, int tag = 0>
T& shared() {
  static T* const object = [] {
    auto* o = new T;
    atBenchEnd([o] { delete o; });
    return o;
  }();
  return *object;
}
