#pragma once
// Bitmaps inside a metafile come as packed device-independent bitmaps: a bitmap
// header, a colour table and the pixels, i.e. a BMP file without its 14-byte file
// header. decodeDib puts that header in front and lets Qt's BMP reader decode it.
#include <QByteArrayView>
#include <QImage>
#include <QVector>

struct WmfDib {
  QImage image;          // null when the bitmap is damaged or too large
  bool bottomUp = true;  // rows stored from the bottom (a positive height)
};

// The largest embedded bitmap that is decoded.
constexpr qint64 kWmfMaxDibPixels = 4096LL * 4096;

// colorUsage 1 (DIB_PAL_COLORS): the colour table holds 16-bit indices into `palette`.
WmfDib decodeDib(QByteArrayView dib, int colorUsage, const QVector<QRgb>& palette);
