#include "picture/WmfPlayer.h"

#include <QLineF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

WmfPlayer::WmfPlayer(QImage& canvas, const WmfFrame& frame) : canvas_(canvas), frame_(frame) {
  // The frame's box is both the window and the viewport until the file says otherwise,
  // as when Windows plays a metafile into a rectangle in anisotropic mode.
  dc_.mapping.mode = wmf::MM_ANISOTROPIC;
  dc_.mapping.windowOrg = dc_.mapping.viewportOrg = QPointF(frame.left, frame.top);
  dc_.mapping.windowExt = dc_.mapping.viewportExt = QPointF(frame.width, frame.height);
  updateTransform();
}

void WmfPlayer::play(const std::vector<WmfRecord>& records) {
  if (!painter_.begin(&canvas_)) return;
  // Windows draws metafiles without smoothing; so do we, which also keeps colours exact.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  clock_.start();
  for (const WmfRecord& record : records) {
    if (!spend(1) || clock_.elapsed() > kTimeLimitMs) break;
    dispatch(record);
  }
  painter_.end();
}

void WmfPlayer::dispatch(const WmfRecord& record) {
  // Each family answers whether the record was one of its own; the rest are skipped.
  playStateRecord(record) || playObjectRecord(record) || playShapeRecord(record) ||
      playTextRecord(record) || playBlitRecord(record);
}

bool WmfPlayer::spend(qint64 work) {
  budget_ -= std::max<qint64>(work, 1);
  return budget_ >= 0;
}

qint64 WmfPlayer::areaWork(const QRectF& pixels) const {
  const QRectF seen = pixels.normalized().intersected(QRectF(canvas_.rect()));
  return qint64(seen.width() + 1) * qint64(seen.height() + 1);
}

qint64 WmfPlayer::pathWork(const QPainterPath& path, double penWidth, bool fill) const {
  const double pad = penWidth / 2 + 1;
  const double top = -pad, bottom = canvas_.height() + pad;
  const double longest = canvas_.width() + canvas_.height() + 2 * pad;
  // A fill, or a wide pen's outline, is rasterised: count the pixel rows its edges cross on
  // the picture (twice for an outline, which has two sides). A thin line costs its length.
  const bool rasterised = fill || penWidth > 1;
  double work = 0;
  auto edge = [&](QPointF a, QPointF b) {
    if (!rasterised) {
      work += std::min(QLineF(a, b).length(), longest);
      return;
    }
    const double rows =
        std::min(std::max(a.y(), b.y()), bottom) - std::max(std::min(a.y(), b.y()), top);
    const double crossed = std::max(rows, 0.0) + (fill ? 0 : std::min(penWidth, longest));
    work += kCrossingWork * (fill ? crossed : 2 * crossed);
  };
  QPointF start, last;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QPointF p(e.x, e.y);
    if (e.isMoveTo()) {
      if (fill && i > 0) edge(last, start);
      start = p;
    } else {
      edge(last, p);
    }
    last = p;
  }
  if (fill) edge(last, start);
  const QRectF box = path.controlPointRect().adjusted(-pad, -pad, pad, pad);
  return kDrawCallWork + areaWork(box) + qint64(std::min(work, 1e15));
}

void WmfPlayer::updateTransform() {
  const WmfMapping& m = dc_.mapping;
  // Logical units to device units, by map mode.
  double sx = 1, sy = 1;
  const double inch = frame_.unitsPerInch;
  switch (m.mode) {
    case wmf::MM_LOMETRIC:
      sx = inch / 254.0, sy = -sx;
      break;
    case wmf::MM_HIMETRIC:
      sx = inch / 2540.0, sy = -sx;
      break;
    case wmf::MM_LOENGLISH:
      sx = inch / 100.0, sy = -sx;
      break;
    case wmf::MM_HIENGLISH:
      sx = inch / 1000.0, sy = -sx;
      break;
    case wmf::MM_TWIPS:
      sx = inch / 1440.0, sy = -sx;
      break;
    case wmf::MM_ISOTROPIC:
    case wmf::MM_ANISOTROPIC:
      sx = m.viewportExt.x() / m.windowExt.x();
      sy = m.viewportExt.y() / m.windowExt.y();
      if (m.mode == wmf::MM_ISOTROPIC) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
      }
      break;
    default:
      break;  // MM_TEXT: one logical unit is one device unit
  }
  // Device units to pixels of the picture.
  const double px = canvas_.width() / frame_.width;
  const double py = canvas_.height() / frame_.height;
  const double dx = (m.viewportOrg.x() - m.windowOrg.x() * sx - frame_.left) * px;
  const double dy = (m.viewportOrg.y() - m.windowOrg.y() * sy - frame_.top) * py;
  const QTransform t(sx * px, 0, 0, sy * py, dx, dy);
  // A degenerate mapping (an extent of 0 is refused before it gets here) keeps the last one.
  if (std::isfinite(t.m11()) && std::isfinite(t.m22()) && std::isfinite(dx) && std::isfinite(dy))
    toPixel_ = t;
}

QPointF WmfPlayer::map(double x, double y) const {
  const QPointF p = toPixel_.map(QPointF(x, y));
  return QPointF(std::clamp(p.x(), -kCoordinateLimit, kCoordinateLimit),
                 std::clamp(p.y(), -kCoordinateLimit, kCoordinateLimit));
}

QRectF WmfPlayer::mapRect(double left, double top, double right, double bottom) const {
  return QRectF(map(left, top), map(right, bottom)).normalized();
}
