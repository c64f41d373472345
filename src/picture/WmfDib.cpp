#include "picture/WmfDib.h"

#include <QBuffer>
#include <QImageReader>

#include "picture/WmfFormat.h"
#include "picture/WmfRecords.h"

namespace {

constexpr int kCoreHeaderBytes = 12;  // BITMAPCOREHEADER
constexpr int kInfoHeaderBytes = 40;  // BITMAPINFOHEADER
constexpr int kMaxHeaderBytes = 124;  // BITMAPV5HEADER
constexpr uint32_t kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5, kBiAlphaBitfields = 6;

void appendU16(QByteArray& out, uint16_t v) {
  out.append(char(v & 0xFF)).append(char(v >> 8));
}
void appendU32(QByteArray& out, uint32_t v) {
  appendU16(out, uint16_t(v & 0xFFFF));
  appendU16(out, uint16_t(v >> 16));
}

QImage readBounded(const QByteArray& bytes, const char* format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  const QSize size = reader.size();
  if (!size.isValid() || qint64(size.width()) * size.height() > kWmfMaxDibPixels) return {};
  return reader.read();
}

// The colour table of a palette-index bitmap, turned into the RGB entries a BMP holds.
QByteArray paletteTable(QByteArrayView indices, int count, int entryBytes,
                        const QVector<QRgb>& palette) {
  QByteArray table;
  const WmfParams in(indices.data(), indices.size());
  for (int i = 0; i < count; ++i) {
    const int index = in.u16(i);
    const QRgb c = index < palette.size() ? palette[index] : qRgb(index, index, index);
    table.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
    if (entryBytes == 4) table.append('\0');
  }
  return table;
}

}  // namespace

WmfDib decodeDib(QByteArrayView dib, int colorUsage, const QVector<QRgb>& palette) {
  const WmfParams d(dib.data(), dib.size());
  const uint32_t headerBytes = d.u32(0);
  int64_t width = 0, height = 0;
  int bitCount = 0;
  uint32_t compression = 0, colorsUsed = 0;
  int entryBytes = 4;
  if (headerBytes == kCoreHeaderBytes) {
    width = d.u16(2);
    height = d.u16(3);
    bitCount = d.u16(5);
    entryBytes = 3;
  } else if (headerBytes >= kInfoHeaderBytes && headerBytes <= kMaxHeaderBytes) {
    width = int32_t(d.u32(2));
    height = int32_t(d.u32(4));
    bitCount = d.u16(7);
    compression = d.u32(8);
    colorsUsed = d.u32(16);
  } else {
    return {};
  }
  if (dib.size() < qsizetype(headerBytes) || width <= 0 || height == 0) return {};
  if (width * std::abs(height) > kWmfMaxDibPixels) return {};

  WmfDib result;
  result.bottomUp = height > 0;
  const qsizetype maskBytes = headerBytes == uint32_t(kInfoHeaderBytes)
                                  ? (compression == kBiBitfields        ? 12
                                     : compression == kBiAlphaBitfields ? 16
                                                                        : 0)
                                  : 0;
  int64_t colors = colorsUsed;
  if (bitCount <= 8 && (colors == 0 || colors > (int64_t(1) << bitCount)))
    colors = int64_t(1) << bitCount;
  const bool indexed = colorUsage == wmf::DIB_PAL_COLORS;
  const int64_t tableBytes = colors * (indexed ? 2 : entryBytes);
  const int64_t bitsAt = int64_t(headerBytes) + maskBytes + tableBytes;
  if (bitsAt > dib.size()) return {};
  const QByteArrayView bits = dib.sliced(qsizetype(bitsAt));

  // A bitmap may hold a whole JPEG or PNG stream as its pixels.
  if (compression == kBiJpeg || compression == kBiPng) {
    result.image = readBounded(bits.toByteArray(), compression == kBiJpeg ? "jpeg" : "png");
    return result;
  }

  QByteArray table = indexed ? paletteTable(dib.sliced(headerBytes + maskBytes, tableBytes),
                                            int(colors), entryBytes, palette)
                             : dib.sliced(headerBytes + maskBytes, tableBytes).toByteArray();
  QByteArray bmp;
  const qsizetype offBits = 14 + headerBytes + maskBytes + table.size();
  bmp.reserve(offBits + bits.size());
  bmp.append("BM");
  appendU32(bmp, uint32_t(offBits + bits.size()));
  appendU32(bmp, 0);
  appendU32(bmp, uint32_t(offBits));
  bmp.append(dib.first(headerBytes + maskBytes));
  bmp.append(table);
  bmp.append(bits);
  result.image = readBounded(bmp, "bmp");
  return result;
}
