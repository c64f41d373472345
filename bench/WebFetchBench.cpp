// LaddaTestFilWebb fetching a 201-question test from a web server on 127.0.0.1 (the test loader's
// start picture and its timer are not part of it), beside a bare libcurl fetch of the same address
// into memory.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <QListWidget>

#include "BenchProgram.h"
#include "SampleTest.h"
#include "app/Controls.h"
#include "app/Form1.h"
#include "model/Cp1252.h"
#include "source/FirstFields.h"
#include "source/WebSource.h"

namespace {
const QString kName = QStringLiteral("stor201.tst");

struct Fetch {
  BenchProgram b;
  QString url;
  Fetch() {
    url = b.serveTest(kName, sample::webTest(false));
    b.p->form().Text5->setText(kName);
  }
};

Fetch& fetch() {
  return shared<Fetch>();
}

size_t append(char* data, size_t size, size_t count, void* user) {
  static_cast<QByteArray*>(user)->append(data, qsizetype(size * count));
  return size * count;
}

void WebFetch_LaddaTestFilWebb(benchmark::State& state) {
  Fetch& f = fetch();
  for (auto _ : state) {
    LaddaTestFilWebb(*f.b.p);
    state.PauseTiming();
    BenchProgram::settle();
    state.ResumeTiming();
  }
  const int fields = f.b.p->form().List4->count();
  if (fields != 2011) state.SkipWithError("the test did not load whole");
  state.counters["fields"] = double(fields);
}

void WebFetch_BareCurl(benchmark::State& state) {
  Fetch& f = fetch();
  const QByteArray url = f.url.toUtf8();
  qsizetype got = 0;
  for (auto _ : state) {
    QByteArray body;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &append);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    got = body.size();
    benchmark::DoNotOptimize(body.constData());
  }
  state.counters["bytes"] = double(got);
}

// The part of the fetch that the view's List4 costs: emptied, then given the 2,011 fields as items.
void WebFetch_List4Items(benchmark::State& state) {
  const QStringList fields = firstFields(fromCp1252(sample::webTest(false)), 2012);
  QListWidget list;
  list.addItems(fields);
  for (auto _ : state) {
    list.clear();
    list.addItems(fields);
  }
}
}  // namespace

BENCHMARK(WebFetch_List4Items)->Unit(benchmark::kMicrosecond);
BENCHMARK(WebFetch_LaddaTestFilWebb)->Unit(benchmark::kMicrosecond);
BENCHMARK(WebFetch_BareCurl)->Unit(benchmark::kMicrosecond);
