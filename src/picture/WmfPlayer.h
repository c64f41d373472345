#pragma once
// Plays the records of a metafile onto a picture with QPainter. Shapes are mapped to
// pixels here (window, viewport and the picture's frame), then drawn without a painter
// transform, so pens, text and bitmaps keep the sizes Windows gives them.
//
// Hostile files are bounded: every record is read through WmfParams, the object table,
// the SAVEDC stack and the points of a shape are capped, and each drawing spends from a
// budget of pixel work; once the budget is spent the rest of the file is not drawn.
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <set>
#include <vector>

#include "picture/WmfDc.h"
#include "picture/WmfRecords.h"

// Where the metafile's device units land on the picture.
struct WmfFrame {
  double left = 0, top = 0;      // device units at the picture's top left corner
  double width = 1, height = 1;  // device units across and down (may be negative)
  double unitsPerInch = 96;      // device units per inch, for the fixed map modes
};

class WmfPlayer {
 public:
  WmfPlayer(QImage& canvas, const WmfFrame& frame);
  void play(const std::vector<WmfRecord>& records);

  // Work that one picture may spend, in units of about a nanosecond of drawing: a pixel
  // filled is one unit, an edge crossing a pixel row when a shape is filled costs
  // kCrossingWork (many long edges that cross each other are what make filling slow), and
  // every drawing call costs a fixed amount. Past the budget the rest is not drawn; the
  // clock stops the drawing too, after kTimeLimitMs, whatever the estimate said.
  static constexpr qint64 kWorkBudget = 1'000'000'000;
  static constexpr qint64 kCrossingWork = 200;
  static constexpr qint64 kDrawCallWork = 5'000;
  static constexpr qint64 kTextWork = 10'000;
  static constexpr qint64 kCharacterWork = 2'500;
  static constexpr qint64 kTimeLimitMs = 10'000;
  static constexpr int kMaxSavedStates = 1024;
  static constexpr int kMaxObjects = 65535;  // object indices are 16-bit
  // Mapped coordinates are held within this many pixels of the picture.
  static constexpr double kCoordinateLimit = 1 << 22;

 private:
  void dispatch(const WmfRecord& record);
  bool spend(qint64 work);
  void usePenAndBrush(bool fill);
  qint64 areaWork(const QRectF& pixels) const;
  qint64 pathWork(const QPainterPath& path, double penWidth, bool fill) const;

  // Mapping, modes, colours, SAVEDC/RESTOREDC, clipping (WmfStateRecords.cpp).
  bool playStateRecord(const WmfRecord& record);
  void updateTransform();
  void applyClip();
  void clipToRect(const WmfParams& p, bool exclude);
  void restoreDc(int which);

  // The object table (WmfObjects.cpp).
  bool playObjectRecord(const WmfRecord& record);
  void addObject(WmfObject object);
  void selectObject(int index);
  void deleteObject(int index);
  QPen qpen() const;
  QBrush qbrush() const;

  // Lines, polygons, rectangles, ellipses, arcs (WmfShapes.cpp).
  bool playShapeRecord(const WmfRecord& record);
  void drawPath(const QPainterPath& path, bool fill);
  void drawPolygon(const WmfParams& p, bool closed);
  void drawPolyPolygon(const WmfParams& p);
  void drawBoxShape(const WmfRecord& record);
  void drawArcShape(const WmfRecord& record);
  void patBlt(uint32_t rop, int x, int y, int width, int height);

  // TEXTOUT and EXTTEXTOUT (WmfTextOut.cpp).
  bool playTextRecord(const WmfRecord& record);
  void drawText(QPointF at, QByteArrayView bytes, const std::vector<int>& dx, int options,
                const QRectF& box);

  // Bitmaps inside the metafile (WmfBlits.cpp).
  bool playBlitRecord(const WmfRecord& record);
  void drawDib(QByteArrayView dib, int colorUsage, QRectF dest, QRect source, bool sourceFromBottom,
               uint32_t rop);

  QPointF map(double x, double y) const;
  QRectF mapRect(double left, double top, double right, double bottom) const;
  QPointF point(const WmfParams& p, qsizetype yWord, qsizetype xWord) const {
    return map(p.s16(xWord), p.s16(yWord));
  }

  QImage& canvas_;
  QPainter painter_;
  WmfFrame frame_;
  WmfDc dc_;
  std::vector<WmfDc> saved_;
  std::vector<WmfObject> objects_;
  std::set<int> freeSlots_;
  QTransform toPixel_;
  qint64 budget_ = kWorkBudget;
  QElapsedTimer clock_;
};
