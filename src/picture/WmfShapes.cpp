// Lines, polygons, rectangles, ellipses and arcs.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "picture/WmfPlayer.h"

namespace {

// Angle of a point on the ellipse in `box`, as QPainterPath's arcs measure it (degrees,
// counter-clockwise, on the ellipse's own parameter rather than the plain angle).
double arcAngle(const QRectF& box, QPointF p) {
  const QPointF c = box.center();
  const double rx = box.width() / 2, ry = box.height() / 2;
  return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / std::numbers::pi;
}

}  // namespace

bool WmfPlayer::playShapeRecord(const WmfRecord& record) {
  const WmfParams& p = record.params;
  switch (record.function) {
    case wmf::MOVETO:
      dc_.position = QPointF(p.s16(1), p.s16(0));
      return true;
    case wmf::LINETO: {
      QPainterPath path(map(dc_.position.x(), dc_.position.y()));
      path.lineTo(point(p, 0, 1));
      drawPath(path, false);
      dc_.position = QPointF(p.s16(1), p.s16(0));
      return true;
    }
    case wmf::POLYLINE:
      drawPolygon(p, false);
      return true;
    case wmf::POLYGON:
      drawPolygon(p, true);
      return true;
    case wmf::POLYPOLYGON:
      drawPolyPolygon(p);
      return true;
    case wmf::RECTANGLE:
    case wmf::ELLIPSE:
    case wmf::ROUNDRECT:
      drawBoxShape(record);
      return true;
    case wmf::ARC:
    case wmf::PIE:
    case wmf::CHORD:
      drawArcShape(record);
      return true;
    case wmf::SETPIXEL:
      if (spend(kDrawCallWork)) painter_.fillRect(QRectF(point(p, 2, 3), QSizeF(1, 1)), p.color(0));
      return true;
    case wmf::PATBLT:
      patBlt(p.u32(0), p.s16(5), p.s16(4), p.s16(3), p.s16(2));
      return true;
    default:
      return false;
  }
}

void WmfPlayer::usePenAndBrush(bool fill) {
  painter_.setPen(qpen());
  painter_.setBrush(fill ? qbrush() : QBrush(Qt::NoBrush));
  painter_.setBackground(dc_.bkColor);
  painter_.setBackgroundMode(dc_.bkMode == wmf::OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
}

void WmfPlayer::drawPath(const QPainterPath& path, bool fill) {
  usePenAndBrush(fill);
  QPen pen = painter_.pen();
  const bool filled = fill && painter_.brush().style() != Qt::NoBrush;
  const double penWidth = pen.style() == Qt::NoPen ? 0 : pen.widthF();
  if (!spend(pathWork(path, penWidth, filled))) return;
  // Dashes along a line far longer than the picture cost time and show nothing more.
  const QRectF box = path.controlPointRect();
  if (pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen &&
      std::max(box.width(), box.height()) > 8.0 * std::max(canvas_.width(), canvas_.height())) {
    pen.setStyle(Qt::SolidLine);
    painter_.setPen(pen);
  }
  painter_.drawPath(path);
}

void WmfPlayer::drawPolygon(const WmfParams& p, bool closed) {
  const qsizetype count = std::min<qsizetype>(p.u16(0), (p.words() - 1) / 2);
  if (count < 2) return;
  QPolygonF points;
  points.reserve(count);
  for (qsizetype i = 0; i < count; ++i) points.append(point(p, 2 + 2 * i, 1 + 2 * i));
  QPainterPath path;
  path.setFillRule(dc_.polyFillMode == wmf::WINDING ? Qt::WindingFill : Qt::OddEvenFill);
  path.addPolygon(points);
  if (closed) path.closeSubpath();
  drawPath(path, closed);
}

void WmfPlayer::drawPolyPolygon(const WmfParams& p) {
  const qsizetype polygons = std::min<qsizetype>(p.u16(0), p.words() - 1);
  qsizetype next = 1 + polygons;  // the word of the first point
  QPainterPath path;
  path.setFillRule(dc_.polyFillMode == wmf::WINDING ? Qt::WindingFill : Qt::OddEvenFill);
  for (qsizetype k = 0; k < polygons; ++k) {
    const qsizetype count = std::min<qsizetype>(p.u16(1 + k), (p.words() - next) / 2);
    if (count <= 0) break;
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i) points.append(point(p, next + 2 * i + 1, next + 2 * i));
    path.addPolygon(points);
    path.closeSubpath();
    next += 2 * count;
  }
  if (!path.isEmpty()) drawPath(path, true);
}

// RECTANGLE, ELLIPSE and ROUNDRECT: a box given as bottom, right, top, left (after the
// corner size of a ROUNDRECT). As in Windows, the outline stays inside the right and
// bottom edges.
void WmfPlayer::drawBoxShape(const WmfRecord& record) {
  const WmfParams& p = record.params;
  const qsizetype at = record.function == wmf::ROUNDRECT ? 2 : 0;
  QRectF box = mapRect(p.s16(at + 3), p.s16(at + 2), p.s16(at + 1), p.s16(at + 0));
  if (qpen().style() != Qt::NoPen) box.adjust(0, 0, -1, -1);
  if (box.width() <= 0 && box.height() <= 0) return;
  QPainterPath path;
  if (record.function == wmf::RECTANGLE) {
    path.addRect(box);
  } else if (record.function == wmf::ELLIPSE) {
    path.addEllipse(box);
  } else {
    const double rx = std::abs(p.s16(1) * toPixel_.m11()) / 2;
    const double ry = std::abs(p.s16(0) * toPixel_.m22()) / 2;
    path.addRoundedRect(box, rx, ry, Qt::AbsoluteSize);
  }
  drawPath(path, true);
}

// ARC, PIE and CHORD: counter-clockwise on the ellipse of the box, from the point where
// the line from the centre to the start point meets it to where the line to the end point
// does.
void WmfPlayer::drawArcShape(const WmfRecord& record) {
  const WmfParams& p = record.params;
  const QRectF box = mapRect(p.s16(7), p.s16(6), p.s16(5), p.s16(4));
  if (box.width() < 1 || box.height() < 1) return;
  QPointF start = point(p, 2, 3), end = point(p, 0, 1);
  // A mapping that mirrors one axis turns the direction round on the picture.
  if (toPixel_.m11() * toPixel_.m22() < 0) std::swap(start, end);
  const double from = arcAngle(box, start);
  double span = arcAngle(box, end) - from;
  while (span <= 0) span += 360;
  QPainterPath path;
  if (record.function == wmf::PIE) {
    path.moveTo(box.center());
    path.arcTo(box, from, span);
    path.closeSubpath();
  } else {
    path.arcMoveTo(box, from);
    path.arcTo(box, from, span);
    if (record.function == wmf::CHORD) path.closeSubpath();
  }
  drawPath(path, record.function != wmf::ARC);
}

// A rectangle painted with the brush, black or white; other raster operations are skipped.
void WmfPlayer::patBlt(uint32_t rop, int x, int y, int width, int height) {
  const QRectF box = mapRect(x, y, x + width, y + height);
  if (!spend(kDrawCallWork + areaWork(box))) return;
  if (rop == wmf::PATCOPY)
    painter_.fillRect(box, qbrush());
  else if (rop == wmf::BLACKNESS)
    painter_.fillRect(box, Qt::black);
  else if (rop == wmf::WHITENESS)
    painter_.fillRect(box, Qt::white);
}
