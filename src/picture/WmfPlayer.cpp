#include "picture/WmfPlayer.h"

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
  for (const WmfRecord& record : records) {
    if (!spend(1)) break;
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
