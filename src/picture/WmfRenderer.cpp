#include "picture/WmfRenderer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "picture/WmfFormat.h"
#include "picture/WmfPlayer.h"
#include "picture/WmfRecords.h"

namespace {

// A placeable file's box, at its own units per inch (0 is taken as twips, the usual unit).
std::optional<WmfFrame> placeableFrame(const WmfPlaceable& p) {
  WmfFrame frame;
  frame.left = p.left;
  frame.top = p.top;
  frame.width = double(p.right) - p.left;
  frame.height = double(p.bottom) - p.top;
  frame.unitsPerInch = p.unitsPerInch != 0 ? p.unitsPerInch : 1440;
  if (frame.width == 0 || frame.height == 0) return std::nullopt;
  return frame;
}

// A plain file has no box: its window says where its picture is, else what it draws does.
std::optional<WmfFrame> plainFrame(const std::vector<WmfRecord>& records) {
  std::optional<QPointF> org, ext;
  double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
  auto see = [&](double x, double y) {
    minX = std::min(minX, x), maxX = std::max(maxX, x);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  };
  for (const WmfRecord& r : records) {
    const WmfParams& p = r.params;
    switch (r.function) {
      case wmf::SETWINDOWORG:
        if (!org) org = QPointF(p.s16(1), p.s16(0));
        break;
      case wmf::SETWINDOWEXT:
        if (!ext && p.s16(0) != 0 && p.s16(1) != 0) ext = QPointF(p.s16(1), p.s16(0));
        break;
      case wmf::MOVETO:
      case wmf::LINETO:
        see(p.s16(1), p.s16(0));
        break;
      case wmf::RECTANGLE:
      case wmf::ELLIPSE:
        see(p.s16(3), p.s16(2));
        see(p.s16(1), p.s16(0));
        break;
      case wmf::POLYGON:
      case wmf::POLYLINE: {
        const qsizetype count = std::min<qsizetype>(p.u16(0), (p.words() - 1) / 2);
        for (qsizetype i = 0; i < count; ++i) see(p.s16(1 + 2 * i), p.s16(2 + 2 * i));
        break;
      }
      default:
        break;
    }
  }
  WmfFrame frame;
  frame.unitsPerInch = 96;
  if (ext) {
    frame.left = org ? org->x() : 0;
    frame.top = org ? org->y() : 0;
    frame.width = ext->x();
    frame.height = ext->y();
    return frame;
  }
  if (maxX < minX) return std::nullopt;
  frame.left = minX;
  frame.top = minY;
  frame.width = std::max(1.0, maxX - minX + 1);
  frame.height = std::max(1.0, maxY - minY + 1);
  return frame;
}

QSize pictureSize(const WmfFrame& frame) {
  double w = std::abs(frame.width) * 96 / frame.unitsPerInch;
  double h = std::abs(frame.height) * 96 / frame.unitsPerInch;
  const double longest = std::max(w, h);
  if (longest > kWmfMaxSide) {
    w = w * kWmfMaxSide / longest;
    h = h * kWmfMaxSide / longest;
  }
  return QSize(std::max(1, int(std::lround(w))), std::max(1, int(std::lround(h))));
}

}  // namespace

bool isWmf(QByteArrayView head) {
  return looksLikeWmf(head);
}

QImage renderWmf(const QByteArray& bytes) {
  if (bytes.size() > kWmfMaxBytes) return {};
  const std::optional<WmfDocument> doc = parseWmf(bytes);
  if (!doc) return {};
  std::optional<WmfFrame> frame;
  if (doc->placeable) frame = placeableFrame(*doc->placeable);
  if (!frame) frame = plainFrame(doc->records);
  if (!frame) return {};
  QImage canvas(pictureSize(*frame), QImage::Format_ARGB32);
  if (canvas.isNull()) return {};
  canvas.fill(Qt::white);
  WmfPlayer(canvas, *frame).play(doc->records);
  return canvas;
}
