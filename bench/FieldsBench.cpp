// Reading a 201-question web test into fields, as the web loader does (Windows-1252 text, then
// the fields a test can use), beside a plain memchr scan of the same bytes for the characters
// that end fields.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "SampleTest.h"
#include "model/Cp1252.h"
#include "model/QuestionTable.h"
#include "source/FirstFields.h"

namespace {
// Field 0, ten cells a question, and the one field whose filling fails: the most a test uses.
constexpr qsizetype kTestFields = 1 + QuestionTable::kQuestions * 10 + 1;

const QByteArray& testBytes() {
  static const QByteArray bytes = sample::webTest(false);
  return bytes;
}

void Fields_Read(benchmark::State& state) {
  const QByteArray& bytes = testBytes();
  qsizetype fields = 0;
  for (auto _ : state) {
    const QStringList list = firstFields(fromCp1252(bytes), kTestFields);
    fields = list.size();
    benchmark::DoNotOptimize(list.constData());
  }
  state.counters["fields"] = double(fields);
  state.counters["bytes"] = double(bytes.size());
}

void Fields_MemchrScan(benchmark::State& state) {
  const QByteArray& bytes = testBytes();
  for (auto _ : state) {
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    std::size_t found = 0;
    for (const char c : {',', '\n'}) {
      for (const void* at = begin;
           (at = std::memchr(at, c, std::size_t(end - static_cast<const char*>(at))));
           at = static_cast<const char*>(at) + 1)
        ++found;
    }
    benchmark::DoNotOptimize(found);
  }
}

// What any reader that gives the fields as a QStringList pays at the least: one QString made for
// each field, here from offsets known beforehand (no scanning, no decoding).
void Fields_QStringsFloor(benchmark::State& state) {
  const QByteArray& bytes = testBytes();
  std::vector<std::pair<qsizetype, qsizetype>> spans;  // start and length of each line
  for (qsizetype start = 0, end; (end = bytes.indexOf('\n', start)) >= 0; start = end + 1)
    spans.emplace_back(start, end - 1 - start);  // without the CR
  for (auto _ : state) {
    QStringList list;
    for (const auto& [start, length] : spans)
      list.append(length ? QString::fromLatin1(bytes.constData() + start, length) : QString());
    benchmark::DoNotOptimize(list.constData());
  }
}
}  // namespace

BENCHMARK(Fields_Read);
BENCHMARK(Fields_MemchrScan);
BENCHMARK(Fields_QStringsFloor);
