// "AVSLUTA" after a 201-question test, up to the end of writing both result files (scoring
// included), beside writing the same bytes to two files with plain open, write and close.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchProgram.h"
#include "SampleTest.h"
#include "grading/AnswersFile.h"
#include "grading/Finishing.h"
#include "grading/Scoring.h"
#include "grading/WrongAnswersFile.h"
#include "model/Markers.h"

namespace {
struct Finish {
  BenchProgram b;
  QTemporaryDir plainDir;
  std::vector<std::pair<QByteArray, QByteArray>> files;  // path, bytes
  Finish() {
    Program& p = *b.p;
    sample::fillTable(p.table, false);
    p.INFIL = QStringLiteral("stor201.tst");
    p.ANVÄNDARE = QStringLiteral("Elev Elevsson");
    p.KLASS = QStringLiteral("7A");
    // The pupil has answered every question, three in four of them rightly.
    for (int q = 0; q < QuestionTable::kQuestions; ++q) {
      if (ärSvar(p.table.cell(0, q))) p.typed.at(q, 1) = QStringLiteral("ett svar på frågan");
      for (int r = 2; r <= 6; ++r) {
        const bool right = ärRätt(p.table.cell(r, q));
        p.marks.at(q, r) = qint16(q % 4 == 0 ? !right && ärFel(p.table.cell(r, q)) : right);
      }
    }
    // The bytes of the two files, for the plain writes beside.
    RättaProv(p);
    files.emplace_back(QFile::encodeName(QDir(plainDir.path()).filePath(svarsfilnamn(p))),
                       svarsfil(p));
    files.emplace_back(QFile::encodeName(QDir(plainDir.path()).filePath(felfilnamn(p))), felfil(p));
  }
};

Finish& finish() {
  return shared<Finish>();
}

void Finishing_Avsluta(benchmark::State& state) {
  Finish& f = finish();
  Program& p = *f.b.p;
  for (auto _ : state) {
    Command3_Click(p);
    state.PauseTiming();
    BenchProgram::settle();
    state.ResumeTiming();
  }
  if (!p.ended() || f.b.dialogs.messages != 0) state.SkipWithError("AVSLUTA did not finish");
  qint64 bytes = 0;
  for (const auto& file : f.files) bytes += file.second.size();
  state.counters["bytes"] = double(bytes);
}

void plainWrites(benchmark::State& state, bool sync) {
  Finish& f = finish();
  for (auto _ : state)
    for (const auto& [path, bytes] : f.files)
      if (!writePlain(path, bytes, sync)) state.SkipWithError("plain write failed");
}

void Finishing_PlainWrite(benchmark::State& state) {
  plainWrites(state, false);
}

// The same with fdatasync: what writing the two files so that they are on the disk costs.
void Finishing_PlainWriteSynced(benchmark::State& state) {
  plainWrites(state, true);
}
}  // namespace

BENCHMARK(Finishing_Avsluta)->Unit(benchmark::kMicrosecond);
BENCHMARK(Finishing_PlainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(Finishing_PlainWriteSynced)->Unit(benchmark::kMicrosecond);
