// VäxlaFråga moving between two text questions of a 201-question test, its nested run through the
// scroll bar included, beside setting the same texts and check boxes straight on the widgets.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <array>

#include "BenchProgram.h"
#include "SampleTest.h"
#include "app/Controls.h"
#include "app/Form1.h"
#include "model/Markers.h"
#include "taking/Presenter.h"

namespace {
// Two neighbouring multiple-choice questions (neither asks for a typed answer).
constexpr int kFirst = 11;

struct Shown {
  QString number;
  std::array<QString, 8> texts;
  QString typed;
  std::array<bool, 7> ticks{};
};

struct Presenter {
  BenchProgram b;
  std::array<Shown, 2> shown;
  Presenter() {
    Program& p = *b.p;
    sample::fillTable(p.table, false);
    p.form().VScroll1->setMaximum(200);
    // The pupil has ticked different rows on the two questions.
    p.marks.at(kFirst, 2) = 1;
    p.marks.at(kFirst + 1, 3) = 1;
    p.marks.at(kFirst + 1, 4) = 1;
    for (int i = 0; i < 2; ++i) {
      const int q = kFirst + i;
      Shown& s = shown[i];
      s.number = QString::number(q + 1);
      for (int c = 0; c <= 7; ++c) s.texts[c] = utanRadmärke(p.table.cell(c, q));
      s.typed = p.typed.at(q, 1);
      for (int r = 2; r <= 6; ++r) s.ticks[r] = p.marks.at(q, r) != 0;
    }
    p.aktuellfråga = qint16(kFirst + 1);
    p.Riktning = QStringLiteral("BACKA");
    VäxlaFråga(p);
    BenchProgram::settle();
  }
};

// One program for each side: ticking in code stores the marks of the question shown, so the
// baseline's ticks must not reach the presenter's table.
Presenter& presenter(int side) {
  return side == 0 ? shared<Presenter, 0>() : shared<Presenter, 1>();
}

void Presenter_VaxlaFraga(benchmark::State& state) {
  Presenter& pr = presenter(0);
  Program& p = *pr.b.p;
  const QString nästa = QStringLiteral("NÄSTA"), backa = QStringLiteral("BACKA");
  for (auto _ : state) {
    // Forward to the second question, then back: each move runs the presenter nested.
    p.Riktning = p.aktuellfråga == kFirst ? nästa : backa;
    VäxlaFråga(p);
    state.PauseTiming();
    BenchProgram::settle();
    state.ResumeTiming();
  }
  if (pr.b.dialogs.messages != 0) state.SkipWithError("a message box came up");
}

void Presenter_DirectSet(benchmark::State& state) {
  Presenter& pr = presenter(1);
  Form1& f = pr.b.p->form();
  int i = 0;
  for (auto _ : state) {
    i = 1 - i;
    const Shown& s = pr.shown[i];
    f.Label5->setText(s.number);
    for (int c = 0; c <= 7; ++c) f.TxtFråga[c]->setText(s.texts[c]);
    f.TxtSvar->setText(s.typed);
    for (int r = 2; r <= 6; ++r) f.ChkSvar[r]->setChecked(s.ticks[r]);
    state.PauseTiming();
    BenchProgram::settle();
    state.ResumeTiming();
  }
}
}  // namespace

BENCHMARK(Presenter_VaxlaFraga)->Unit(benchmark::kMicrosecond);
BENCHMARK(Presenter_DirectSet)->Unit(benchmark::kMicrosecond);
