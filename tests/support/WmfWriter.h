#pragma once
// Writes small Windows metafiles for tests and samples: a placeable header (or none),
// the metafile header, the records given, and the end record. Sizes, the object count
// and the header checksum are filled in by bytes().
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <algorithm>
#include <cstdint>
#include <initializer_list>

class WmfWriter {
 public:
  // Record functions used below (the renderer has the full list).
  enum : uint16_t {
    SAVEDC = 0x001E,
    SETBKMODE = 0x0102,
    SETMAPMODE = 0x0103,
    SETPOLYFILLMODE = 0x0106,
    RESTOREDC = 0x0127,
    SELECTOBJECT = 0x012D,
    SETTEXTALIGN = 0x012E,
    DELETEOBJECT = 0x01F0,
    SETBKCOLOR = 0x0201,
    SETTEXTCOLOR = 0x0209,
    SETWINDOWORG = 0x020B,
    SETWINDOWEXT = 0x020C,
    SETVIEWPORTORG = 0x020D,
    SETVIEWPORTEXT = 0x020E,
    LINETO = 0x0213,
    MOVETO = 0x0214,
    CREATEPENINDIRECT = 0x02FA,
    CREATEFONTINDIRECT = 0x02FB,
    CREATEBRUSHINDIRECT = 0x02FC,
    POLYGON = 0x0324,
    POLYLINE = 0x0325,
    ELLIPSE = 0x0418,
    RECTANGLE = 0x041B,
    TEXTOUT = 0x0521,
    POLYPOLYGON = 0x0538,
    ROUNDRECT = 0x061C,
    ARC = 0x0817,
    PIE = 0x081A,
    CHORD = 0x0830,
    EXTTEXTOUT = 0x0A32,
    DIBSTRETCHBLT = 0x0B41,
    STRETCHDIB = 0x0F43,
    DIBBITBLT = 0x0940,
    DIBCREATEPATTERNBRUSH = 0x0142,
    EXCLUDECLIPRECT = 0x0415,
    INTERSECTCLIPRECT = 0x0416,
  };

  // A placeable header with this box (logical units) at this many units per inch.
  WmfWriter& placeable(int left, int top, int right, int bottom, int unitsPerInch) {
    placeable_ = true;
    box_[0] = left, box_[1] = top, box_[2] = right, box_[3] = bottom, inch_ = unitsPerInch;
    return *this;
  }

  // A record from 16-bit words.
  WmfWriter& record(uint16_t function, std::initializer_list<int> words) {
    QByteArray params;
    for (int w : words) appendU16(params, uint16_t(w));
    return raw(function, params);
  }
  // A record from parameter bytes (padded to a whole word).
  WmfWriter& raw(uint16_t function, QByteArray params) {
    if (params.size() % 2) params.append('\0');
    records_.append({function, params});
    if (function == CREATEPENINDIRECT || function == CREATEBRUSHINDIRECT ||
        function == CREATEFONTINDIRECT || function == DIBCREATEPATTERNBRUSH)
      ++objects_;
    return *this;
  }

  WmfWriter& windowOrg(int x, int y) { return record(SETWINDOWORG, {y, x}); }
  WmfWriter& windowExt(int w, int h) { return record(SETWINDOWEXT, {h, w}); }
  WmfWriter& viewportOrg(int x, int y) { return record(SETVIEWPORTORG, {y, x}); }
  WmfWriter& viewportExt(int w, int h) { return record(SETVIEWPORTEXT, {h, w}); }
  WmfWriter& mapMode(int mode) { return record(SETMAPMODE, {mode}); }
  WmfWriter& bkMode(int mode) { return record(SETBKMODE, {mode}); }
  WmfWriter& textColor(QColor c) { return record(SETTEXTCOLOR, {lo(c), hi(c)}); }
  WmfWriter& bkColor(QColor c) { return record(SETBKCOLOR, {lo(c), hi(c)}); }
  WmfWriter& textAlign(int align) { return record(SETTEXTALIGN, {align}); }
  WmfWriter& polyFillMode(int mode) { return record(SETPOLYFILLMODE, {mode}); }
  WmfWriter& pen(int style, int width, QColor c) {
    return record(CREATEPENINDIRECT, {style, width, 0, lo(c), hi(c)});
  }
  WmfWriter& brush(int style, QColor c, int hatch = 0) {
    return record(CREATEBRUSHINDIRECT, {style, lo(c), hi(c), hatch});
  }
  WmfWriter& font(int height, int weight, bool italic, const QByteArray& face) {
    QByteArray params;
    for (int w : {height, 0, 0, 0, weight}) appendU16(params, uint16_t(w));
    params.append(char(italic)).append(char(0)).append(char(0)).append(char(0));  // charset 0
    params.append(QByteArray(4, '\0'));  // precisions, quality, pitch and family
    params.append(face.left(31)).append('\0');
    return raw(CREATEFONTINDIRECT, params);
  }
  // A brush that paints with the packed bitmap `dib`.
  WmfWriter& dibPatternBrush(const QByteArray& dib) {
    QByteArray params;
    appendU16(params, 5);  // BS_DIBPATTERN
    appendU16(params, 0);  // DIB_RGB_COLORS
    return raw(DIBCREATEPATTERNBRUSH, params + dib);
  }
  WmfWriter& select(int index) { return record(SELECTOBJECT, {index}); }
  WmfWriter& remove(int index) { return record(DELETEOBJECT, {index}); }
  WmfWriter& moveTo(int x, int y) { return record(MOVETO, {y, x}); }
  WmfWriter& lineTo(int x, int y) { return record(LINETO, {y, x}); }
  WmfWriter& rectangle(int l, int t, int r, int b) { return record(RECTANGLE, {b, r, t, l}); }
  WmfWriter& ellipse(int l, int t, int r, int b) { return record(ELLIPSE, {b, r, t, l}); }
  WmfWriter& roundRect(int l, int t, int r, int b, int w, int h) {
    return record(ROUNDRECT, {h, w, b, r, t, l});
  }
  WmfWriter& intersectClip(int l, int t, int r, int b) {
    return record(INTERSECTCLIPRECT, {b, r, t, l});
  }
  WmfWriter& excludeClip(int l, int t, int r, int b) {
    return record(EXCLUDECLIPRECT, {b, r, t, l});
  }
  WmfWriter& polygon(const QVector<QPoint>& points, uint16_t function = POLYGON) {
    QByteArray params;
    appendU16(params, uint16_t(points.size()));
    for (QPoint p : points) appendU16(params, uint16_t(p.x())), appendU16(params, uint16_t(p.y()));
    return raw(function, params);
  }
  WmfWriter& polyPolygon(const QVector<QVector<QPoint>>& polygons) {
    QByteArray params;
    appendU16(params, uint16_t(polygons.size()));
    for (const auto& poly : polygons) appendU16(params, uint16_t(poly.size()));
    for (const auto& poly : polygons)
      for (QPoint p : poly) appendU16(params, uint16_t(p.x())), appendU16(params, uint16_t(p.y()));
    return raw(POLYPOLYGON, params);
  }
  // ARC, PIE or CHORD on the ellipse of the box, from the start radial to the end radial.
  WmfWriter& arc(uint16_t function, int l, int t, int r, int b, QPoint start, QPoint end) {
    return record(function, {end.y(), end.x(), start.y(), start.x(), b, r, t, l});
  }
  // Text bytes are Windows-1252.
  WmfWriter& textOut(int x, int y, const QByteArray& text) {
    QByteArray params;
    appendU16(params, uint16_t(text.size()));
    params.append(text);
    if (text.size() % 2) params.append('\0');
    appendU16(params, uint16_t(y));
    appendU16(params, uint16_t(x));
    return raw(TEXTOUT, params);
  }
  // With character widths `dx` when given, and a rectangle when `options` asks for one
  // (2: filled with the background colour, 4: the text clipped to it).
  WmfWriter& extTextOut(int x, int y, const QByteArray& text, const QVector<int>& dx = {},
                        int options = 0, QRect box = {}) {
    QByteArray params;
    for (int w : {y, x, int(text.size()), options}) appendU16(params, uint16_t(w));
    if (options & 6)
      for (int v : {box.left(), box.top(), box.right() + 1, box.bottom() + 1})
        appendU16(params, uint16_t(v));
    params.append(text);
    if (text.size() % 2) params.append('\0');
    for (int d : dx) appendU16(params, uint16_t(d));
    return raw(EXTTEXTOUT, params);
  }
  // The whole packed bitmap `dib` stretched into the box at (x, y), w by h.
  WmfWriter& stretchDib(int x, int y, int w, int h, const QByteArray& dib) {
    QByteArray params = srcCopy();
    appendU16(params, 0);  // DIB_RGB_COLORS
    for (int v : {dibHeight(dib), dibWidth(dib), 0, 0, h, w, y, x}) appendU16(params, uint16_t(v));
    return raw(STRETCHDIB, params + dib);
  }
  WmfWriter& dibStretchBlt(int x, int y, int w, int h, const QByteArray& dib) {
    QByteArray params = srcCopy();
    for (int v : {dibHeight(dib), dibWidth(dib), 0, 0, h, w, y, x}) appendU16(params, uint16_t(v));
    return raw(DIBSTRETCHBLT, params + dib);
  }
  // At the bitmap's own size, one pixel to a logical unit.
  WmfWriter& dibBitBlt(int x, int y, const QByteArray& dib) {
    QByteArray params = srcCopy();
    for (int v : {0, 0, dibHeight(dib), dibWidth(dib), y, x}) appendU16(params, uint16_t(v));
    return raw(DIBBITBLT, params + dib);
  }

  QByteArray bytes() const {
    QByteArray body;
    uint32_t maxRecord = 3;
    for (const auto& r : records_) {
      const uint32_t words = 3 + uint32_t(r.params.size() / 2);
      maxRecord = std::max(maxRecord, words);
      appendU32(body, words);
      appendU16(body, r.function);
      body.append(r.params);
    }
    appendU32(body, 3);  // the end record
    appendU16(body, 0);
    QByteArray out;
    if (placeable_) {
      QByteArray head;
      appendU32(head, 0x9AC6CDD7);
      appendU16(head, 0);
      for (int v : box_) appendU16(head, uint16_t(v));
      appendU16(head, uint16_t(inch_));
      appendU32(head, 0);
      uint16_t sum = 0;
      for (int i = 0; i < 10; ++i) sum ^= uint16_t(readU16(head, i * 2));
      appendU16(head, sum);
      out.append(head);
    }
    appendU16(out, 1);       // in memory
    appendU16(out, 9);       // header words
    appendU16(out, 0x0300);  // version
    appendU32(out, uint32_t((18 + body.size()) / 2));
    appendU16(out, uint16_t(objects_));
    appendU32(out, maxRecord);
    appendU16(out, 0);
    out.append(body);
    return out;
  }

  // A packed 24-bit bottom-up bitmap of `image` (for small test pictures).
  static QByteArray dib24(const QImage& image) {
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray dib;
    appendU32(dib, 40);
    appendU32(dib, uint32_t(w));
    appendU32(dib, uint32_t(h));
    appendU16(dib, 1);
    appendU16(dib, 24);
    for (int i = 0; i < 6; ++i) appendU32(dib, 0);  // BI_RGB, sizes, resolutions, colours
    for (int y = h - 1; y >= 0; --y) {
      QByteArray row;
      for (int x = 0; x < w; ++x) {
        const QRgb c = image.pixel(x, y);
        row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
      }
      row.append(QByteArray(stride - row.size(), '\0'));
      dib.append(row);
    }
    return dib;
  }
  // A packed 8-bit bottom-up bitmap with a colour table of `colours` (every pixel of
  // `image` must be one of them).
  static QByteArray dib8(const QImage& image, const QVector<QRgb>& colours) {
    const int w = image.width(), h = image.height();
    const int stride = (w + 3) & ~3;
    QByteArray dib;
    appendU32(dib, 40);
    appendU32(dib, uint32_t(w));
    appendU32(dib, uint32_t(h));
    appendU16(dib, 1);
    appendU16(dib, 8);
    for (int i = 0; i < 4; ++i) appendU32(dib, 0);  // BI_RGB, sizes, resolutions
    appendU32(dib, uint32_t(colours.size()));       // colours used
    appendU32(dib, 0);
    for (QRgb c : colours)
      dib.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    for (int y = h - 1; y >= 0; --y) {
      QByteArray row;
      for (int x = 0; x < w; ++x) row.append(char(colours.indexOf(image.pixel(x, y) | 0xFF000000)));
      row.append(QByteArray(stride - row.size(), '\0'));
      dib.append(row);
    }
    return dib;
  }

  static int lo(QColor c) { return c.red() | (c.green() << 8); }
  static int hi(QColor c) { return c.blue(); }

 private:
  struct Record {
    uint16_t function;
    QByteArray params;
  };
  static void appendU16(QByteArray& out, uint16_t v) {
    out.append(char(v & 0xFF)).append(char(v >> 8));
  }
  static void appendU32(QByteArray& out, uint32_t v) {
    appendU16(out, uint16_t(v & 0xFFFF));
    appendU16(out, uint16_t(v >> 16));
  }
  static QByteArray srcCopy() {
    QByteArray rop;
    appendU16(rop, 0x0020);  // SRCCOPY, low word first
    appendU16(rop, 0x00CC);
    return rop;
  }
  static int dibWidth(const QByteArray& dib) { return int(readU32(dib, 4)); }
  static int dibHeight(const QByteArray& dib) { return int(readU32(dib, 8)); }
  static uint32_t readU16(const QByteArray& b, int at) {
    return uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8);
  }
  static uint32_t readU32(const QByteArray& b, int at) {
    return readU16(b, at) | (readU16(b, at + 2) << 16);
  }

  bool placeable_ = false;
  int box_[4] = {0, 0, 0, 0};
  int inch_ = 1440;
  int objects_ = 0;
  QVector<Record> records_;
};
