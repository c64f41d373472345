// The object table of a metafile: pens, brushes, fonts and palettes that records
// create, select and delete by index.
#include <QPen>
#include <algorithm>
#include <cmath>

#include "model/Cp1252.h"
#include "picture/WmfDib.h"
#include "picture/WmfPlayer.h"

namespace {

WmfPen readPen(const WmfParams& p) {
  WmfPen pen;
  pen.style = p.u16(0);
  pen.width = p.s16(1);  // the x of a point; the y is unused
  pen.color = p.color(3);
  return pen;
}

WmfBrush readBrush(const WmfParams& p) {
  WmfBrush brush;
  brush.style = p.u16(0);
  brush.color = p.color(1);
  brush.hatch = p.u16(3);
  return brush;
}

WmfFont readFont(const WmfParams& p) {
  WmfFont font;
  font.height = p.s16(0);
  font.width = p.s16(1);
  font.escapement = p.s16(2);
  font.weight = p.s16(4);
  font.italic = p.byte(10) != 0;
  font.underline = p.byte(11) != 0;
  font.strikeOut = p.byte(12) != 0;
  font.pitchAndFamily = p.byte(17);
  // The face name: at most 32 bytes, ended by a zero byte.
  QByteArrayView face = p.view(18, 32);
  if (const qsizetype end = face.indexOf('\0'); end >= 0) face = face.first(end);
  font.face = fromCp1252(face);
  return font;
}

WmfPalette readPalette(const WmfParams& p) {
  WmfPalette palette;
  const int count = std::min<int>(p.u16(1), 1024);
  for (int i = 0; i < count && 4 + i * 4 + 4 <= p.bytes(); ++i) {
    const qsizetype at = 4 + i * 4;
    palette.colors.append(qRgb(p.byte(at), p.byte(at + 1), p.byte(at + 2)));
  }
  return palette;
}

// A brush that paints with a bitmap; the older device-dependent bitmap is not read and
// paints grey.
WmfBrush readDibPatternBrush(const WmfParams& p, const QVector<QRgb>& palette) {
  WmfBrush brush;
  const int style = p.u16(0);
  if (style != wmf::BS_PATTERN) {
    brush.pattern = decodeDib(p.rest(4), p.u16(1), palette).image;
  }
  if (brush.pattern.isNull()) {
    brush.style = wmf::BS_SOLID;
    brush.color = Qt::gray;
  } else {
    brush.style = wmf::BS_DIBPATTERNPT;
  }
  return brush;
}

}  // namespace

bool WmfPlayer::playObjectRecord(const WmfRecord& record) {
  const WmfParams& p = record.params;
  switch (record.function) {
    case wmf::CREATEPENINDIRECT:
      addObject(readPen(p));
      return true;
    case wmf::CREATEBRUSHINDIRECT:
      addObject(readBrush(p));
      return true;
    case wmf::CREATEFONTINDIRECT:
      addObject(readFont(p));
      return true;
    case wmf::CREATEPALETTE:
      addObject(readPalette(p));
      return true;
    case wmf::DIBCREATEPATTERNBRUSH: {
      WmfBrush brush = readDibPatternBrush(p, dc_.palette.colors);
      spend(qint64(brush.pattern.width()) * brush.pattern.height());
      addObject(std::move(brush));
      return true;
    }
    case wmf::CREATEPATTERNBRUSH: {
      WmfBrush grey;
      grey.color = Qt::gray;
      addObject(grey);
      return true;
    }
    case wmf::CREATEREGION:
      addObject(WmfUnsupportedObject{});
      return true;
    case wmf::SELECTOBJECT:
    case wmf::SELECTPALETTE:
      selectObject(p.u16(0));
      return true;
    case wmf::DELETEOBJECT:
      deleteObject(p.u16(0));
      return true;
    default:
      return false;
  }
}

// A new object takes the lowest free index, as in Windows. Past the cap it is dropped.
void WmfPlayer::addObject(WmfObject object) {
  if (!freeSlots_.empty()) {
    const int index = *freeSlots_.begin();
    freeSlots_.erase(freeSlots_.begin());
    objects_[std::size_t(index)] = std::move(object);
  } else if (objects_.size() < std::size_t(kMaxObjects)) {
    objects_.push_back(std::move(object));
  }
}

void WmfPlayer::selectObject(int index) {
  if (index < 0 || std::size_t(index) >= objects_.size()) return;
  const WmfObject& object = objects_[std::size_t(index)];
  if (const auto* pen = std::get_if<WmfPen>(&object)) dc_.pen = *pen;
  if (const auto* brush = std::get_if<WmfBrush>(&object)) dc_.brush = *brush;
  if (const auto* font = std::get_if<WmfFont>(&object)) dc_.font = *font;
  if (const auto* palette = std::get_if<WmfPalette>(&object)) dc_.palette = *palette;
}

void WmfPlayer::deleteObject(int index) {
  if (index < 0 || std::size_t(index) >= objects_.size()) return;
  if (std::holds_alternative<std::monostate>(objects_[std::size_t(index)])) return;
  objects_[std::size_t(index)] = std::monostate{};
  freeSlots_.insert(index);
}

QPen WmfPlayer::qpen() const {
  const WmfPen& pen = dc_.pen;
  const int style = pen.style & wmf::PS_STYLE_MASK;
  if (style == wmf::PS_NULL) return Qt::NoPen;
  // Windows scales a pen's width with the x of the mapping; 0 is always one pixel.
  const double width =
      pen.width == 0 ? 1.0 : std::clamp(std::abs(pen.width * toPixel_.m11()), 1.0, 4000.0);
  QPen q(pen.color, std::round(width));
  switch (style) {
    case wmf::PS_DASH:
      q.setStyle(Qt::DashLine);
      break;
    case wmf::PS_DOT:
      q.setStyle(Qt::DotLine);
      break;
    case wmf::PS_DASHDOT:
      q.setStyle(Qt::DashDotLine);
      break;
    case wmf::PS_DASHDOTDOT:
      q.setStyle(Qt::DashDotDotLine);
      break;
    default:
      q.setStyle(Qt::SolidLine);
      break;
  }
  switch (pen.style & wmf::PS_ENDCAP_MASK) {
    case wmf::PS_ENDCAP_SQUARE:
      q.setCapStyle(Qt::SquareCap);
      break;
    case wmf::PS_ENDCAP_FLAT:
      q.setCapStyle(Qt::FlatCap);
      break;
    default:
      q.setCapStyle(Qt::RoundCap);
      break;
  }
  switch (pen.style & wmf::PS_JOIN_MASK) {
    case wmf::PS_JOIN_BEVEL:
      q.setJoinStyle(Qt::BevelJoin);
      break;
    case wmf::PS_JOIN_MITER:
      q.setJoinStyle(Qt::MiterJoin);
      break;
    default:
      q.setJoinStyle(Qt::RoundJoin);
      break;
  }
  return q;
}

QBrush WmfPlayer::qbrush() const {
  const WmfBrush& brush = dc_.brush;
  switch (brush.style) {
    case wmf::BS_NULL:
      return Qt::NoBrush;
    case wmf::BS_HATCHED: {
      static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                    Qt::FDiagPattern, Qt::BDiagPattern,
                                                    Qt::CrossPattern, Qt::DiagCrossPattern};
      const int hatch = brush.hatch >= 0 && brush.hatch < 6 ? brush.hatch : 0;
      return QBrush(brush.color, kHatches[hatch]);
    }
    case wmf::BS_PATTERN:
    case wmf::BS_DIBPATTERN:
    case wmf::BS_DIBPATTERNPT:
      if (!brush.pattern.isNull()) return QBrush(brush.pattern);
      return QBrush(Qt::gray);
    default:
      return QBrush(brush.color);
  }
}
