// Moving onto a picture question whose 4000 x 3000 JPEG lies in the working folder but is not shown
// yet (the presenter with its nested run, the picture window's steps), beside QImageReader decoding
// that file alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QScrollBar>

#include "BenchProgram.h"
#include "SampleTest.h"
#include "app/Form1.h"
#include "picture/FrmBild.h"
#include "taking/Presenter.h"

namespace {
constexpr int kText = 11;  // a multiple-choice question without a picture
constexpr int kPicture = kText + 1;
const QString kFile = QStringLiteral("stor.jpg");

// A photograph-like picture: smooth shading with fine grain, so that the JPEG has the detail (and
// the decoding work) of a camera picture rather than of a flat drawing.
QImage photoLike(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  std::uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int grain = int(noise >> 27);
      line[x] = qRgb((x * 255 / width + grain) & 0xFF, (y * 255 / height + grain) & 0xFF,
                     ((x + y) / 16 + grain) & 0xFF);
    }
  }
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 40; ++i) {
    painter.setBrush(QColor::fromHsv(i * 9 % 360, 160, 200));
    painter.drawEllipse(QPoint(i * 97 % width, i * 71 % height), 150 + i * 7, 120 + i * 5);
  }
  return image;
}

struct PictureQuestion {
  BenchProgram b;
  QString path;
  PictureQuestion() {
    Program& p = *b.p;
    sample::fillTable(p.table, false);
    p.table.cell(8, kPicture) = kFile;
    p.form().VScroll1->setMaximum(200);
    path = b.work(kFile);
    photoLike(4000, 3000).save(path, "JPEG", 85);
    show(kText);
  }
  // Shows a question next to the one shown, as "NÄSTA" or "BACKA" does.
  void show(int q) {
    Program& p = *b.p;
    p.aktuellfråga = qint16(q == kText ? kPicture : kText);
    p.Riktning = q == kText ? QStringLiteral("BACKA") : QStringLiteral("NÄSTA");
    VäxlaFråga(p);
    BenchProgram::settle();
  }
};

PictureQuestion& pictureQuestion() {
  return shared<PictureQuestion>();
}

void Picture_Question(benchmark::State& state) {
  PictureQuestion& pq = pictureQuestion();
  Program& p = *pq.b.p;
  for (auto _ : state) {
    state.PauseTiming();
    pq.show(kText);  // the picture window hidden and its picture cleared
    state.ResumeTiming();
    p.Riktning = QStringLiteral("NÄSTA");
    VäxlaFråga(p);
    state.PauseTiming();
    BenchProgram::settle();
    state.ResumeTiming();
  }
  const FrmBild& bild = p.frmBild();
  if (!bild.Image1->hasPicture() || bild.isHidden()) state.SkipWithError("no picture shown");
}

void Picture_ReaderAlone(benchmark::State& state) {
  PictureQuestion& pq = pictureQuestion();
  for (auto _ : state) {
    QImageReader reader(pq.path);
    const QImage image = reader.read();
    benchmark::DoNotOptimize(image.constBits());
  }
}
}  // namespace

BENCHMARK(Picture_Question)->Unit(benchmark::kMillisecond)->MinTime(0.4);
BENCHMARK(Picture_ReaderAlone)->Unit(benchmark::kMillisecond)->MinTime(0.4);
