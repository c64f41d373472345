#pragma once
// The sample metafile of the picture tests, also written into the example tests:
// 200 x 150 pixels (3000 x 2250 twips). In pixels: a red ellipse with a black outline in
// (10,10)-(90,70), a blue 3-pixel rectangle outline in (100,10)-(190,70), a green line
// along y = 80 from x = 10 to 90, the text "Hallå ä ö" in bold 20-pixel Arial from
// (10,100), and a 2 x 2 bitmap (yellow, cyan / magenta, navy) stretched into
// (150,100)-(190,140).
#include <QImage>

#include "support/WmfWriter.h"

inline QImage sampleDibImage() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 255, 0));
  image.setPixel(1, 0, qRgb(0, 255, 255));
  image.setPixel(0, 1, qRgb(255, 0, 255));
  image.setPixel(1, 1, qRgb(0, 0, 128));
  return image;
}

inline QByteArray sampleWmf() {
  WmfWriter w;
  w.placeable(0, 0, 3000, 2250, 1440);
  w.mapMode(8).windowOrg(0, 0).windowExt(3000, 2250);
  w.pen(0, 0, Qt::black).brush(0, QColor(255, 0, 0)).select(0).select(1);
  w.ellipse(150, 150, 1350, 1050);
  w.pen(0, 45, QColor(0, 0, 255)).brush(1, Qt::black).select(2).select(3);
  w.rectangle(1500, 150, 2850, 1050);
  w.pen(0, 30, QColor(0, 128, 0)).select(4);
  w.moveTo(150, 1200).lineTo(1350, 1200);
  w.font(-300, 700, false, "Arial").select(5);
  w.textColor(Qt::black).bkMode(1).textAlign(0);
  w.textOut(150, 1500, "Hall\xe5 \xe4 \xf6");
  w.stretchDib(2250, 1500, 600, 600, WmfWriter::dib24(sampleDibImage()));
  return w.bytes();
}
