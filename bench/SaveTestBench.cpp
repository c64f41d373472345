// SPARAREDIGERATPROV saving a 201-question test (the input box answered at once, the test list
// refreshed after it), beside writing the same 2,011 lines with plain open, write and close.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchProgram.h"
#include "SampleTest.h"
#include "editor/SaveTest.h"

namespace {
// The fixed clock says the 18th at 09:05: the teacher's "Fysik" becomes 1895Fysik.tst.
const QString kSaved = QStringLiteral("1895Fysik.tst");

struct Save {
  BenchProgram b;
  QTemporaryDir plainDir;
  QByteArray plainPath;
  QByteArray bytes;
  Save() {
    Program& p = *b.p;
    sample::fillTable(p.table, false);
    b.dialogs.answer = QStringLiteral("Fysik");
    p.INFIL = QStringLiteral("fysik.tst");
    SPARAREDIGERATPROV(p);
    QFile saved(b.work(kSaved));
    if (saved.open(QIODevice::ReadOnly)) bytes = saved.readAll();
    plainPath = QFile::encodeName(QDir(plainDir.path()).filePath(kSaved));
  }
};

Save& save() {
  return shared<Save>();
}

void SaveTest_SPARAREDIGERATPROV(benchmark::State& state) {
  Save& s = save();
  Program& p = *s.b.p;
  for (auto _ : state) {
    SPARAREDIGERATPROV(p);
    state.PauseTiming();
    // INFIL loses four characters at every save; the teacher's proposal stays the same.
    p.INFIL = QStringLiteral("fysik.tst");
    BenchProgram::settle();
    state.ResumeTiming();
  }
  if (s.bytes.count('\n') != 2011) state.SkipWithError("the saved test is not 2,011 lines");
  state.counters["bytes"] = double(s.bytes.size());
}

void SaveTest_PlainWrite(benchmark::State& state) {
  Save& s = save();
  for (auto _ : state)
    if (!writePlain(s.plainPath, s.bytes, false)) state.SkipWithError("plain write failed");
}

// The same with fdatasync: what writing the file so that it is on the disk costs.
void SaveTest_PlainWriteSynced(benchmark::State& state) {
  Save& s = save();
  for (auto _ : state)
    if (!writePlain(s.plainPath, s.bytes, true)) state.SkipWithError("plain write failed");
}
}  // namespace

BENCHMARK(SaveTest_SPARAREDIGERATPROV)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveTest_PlainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveTest_PlainWriteSynced)->Unit(benchmark::kMicrosecond);
