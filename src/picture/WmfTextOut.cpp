// TEXTOUT and EXTTEXTOUT. Text bytes are Windows-1252; fonts are matched by face name,
// falling back on the family the record names (a missing "MS Sans Serif" becomes the
// system's sans font). Text is drawn upright in pixels at the mapped reference point,
// so a mapping that turns the y axis upward does not mirror it.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "model/Cp1252.h"
#include "picture/WmfPlayer.h"

namespace {

constexpr qsizetype kMaxTextBytes = 8192;
constexpr double kDefaultPixelSize = 12;
constexpr double kMaxPixelSize = 2000;

QFont::StyleHint styleHint(int pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case 0x10:
      return QFont::Serif;  // FF_ROMAN
    case 0x30:
      return QFont::Monospace;  // FF_MODERN
    case 0x40:
      return QFont::Cursive;  // FF_SCRIPT
    case 0x50:
      return QFont::Decorative;  // FF_DECORATIVE
    default:
      return QFont::SansSerif;  // FF_SWISS, FF_DONTCARE
  }
}

// The font of a logical font, at the pixel sizes the mapping gives it.
QFont qfont(const WmfFont& f, double scaleX, double scaleY) {
  QFont font;
  if (!f.face.isEmpty()) font.setFamily(f.face);
  font.setStyleHint(styleHint(f.pitchAndFamily));
  double pixels = kDefaultPixelSize;
  if (f.height < 0) pixels = -f.height * scaleY;
  if (f.height > 0) {
    // A positive height is the whole cell (ascent and descent); find the size that fills it.
    const double cell = f.height * scaleY;
    font.setPixelSize(std::max(1, int(std::lround(std::min(cell, kMaxPixelSize)))));
    const double fontCell = QFontMetricsF(font).height();
    pixels = fontCell > 0 ? cell * cell / fontCell : cell;
  }
  font.setPixelSize(std::max(1, int(std::lround(std::clamp(pixels, 1.0, kMaxPixelSize)))));
  if (f.weight > 0) font.setWeight(QFont::Weight(std::clamp(f.weight, 100, 900)));
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  if (f.width != 0) {
    const double wanted = std::abs(f.width * scaleX);
    const double own = QFontMetricsF(font).averageCharWidth();
    if (own > 0) font.setStretch(std::clamp(int(std::lround(100 * wanted / own)), 1, 4000));
  }
  return font;
}

}  // namespace

bool WmfPlayer::playTextRecord(const WmfRecord& record) {
  const WmfParams& p = record.params;
  if (record.function == wmf::TEXTOUT) {
    const int length = p.s16(0);
    if (length <= 0) return true;
    const qsizetype yWord = 1 + (length + 1) / 2;
    drawText(QPointF(p.s16(yWord + 1), p.s16(yWord)), p.view(2, length), {}, 0, QRectF());
    return true;
  }
  if (record.function == wmf::EXTTEXTOUT) {
    const int length = p.s16(2);
    const int options = p.u16(3);
    qsizetype textAt = 8;
    QRectF box;
    if (options & (wmf::ETO_OPAQUE | wmf::ETO_CLIPPED)) {
      box = mapRect(p.s16(4), p.s16(5), p.s16(6), p.s16(7));
      textAt = 16;
    }
    const QByteArrayView text = length > 0 ? p.view(textAt, length) : QByteArrayView();
    // The widths of the characters follow the text when the writer stored them.
    std::vector<int> dx;
    const qsizetype dxWord = (textAt + ((length + 1) & ~1)) / 2;
    if (length > 0 && p.words() >= dxWord + length) {
      dx.reserve(std::size_t(length));
      for (int i = 0; i < length; ++i) dx.push_back(p.s16(dxWord + i));
    }
    drawText(QPointF(p.s16(1), p.s16(0)), text, dx, options, box);
    return true;
  }
  return false;
}

void WmfPlayer::drawText(QPointF at, QByteArrayView bytes, const std::vector<int>& dx, int options,
                         const QRectF& box) {
  if (dc_.textAlign & wmf::TA_UPDATECP) at = dc_.position;
  const QString text = fromCp1252(bytes.first(std::min(bytes.size(), kMaxTextBytes)));
  const QFont font = qfont(dc_.font, std::abs(toPixel_.m11()), std::abs(toPixel_.m22()));
  const QFontMetricsF metrics(font);

  // Where each character starts, in pixels from the reference point.
  std::vector<double> starts;
  double width = 0;
  if (!text.isEmpty() && dx.size() >= std::size_t(text.size())) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      starts.push_back(width);
      width += dx[std::size_t(i)] * std::abs(toPixel_.m11());
    }
  } else {
    width = metrics.horizontalAdvance(text);
  }

  double left = 0;
  switch (dc_.textAlign & wmf::TA_HORIZONTAL_MASK) {
    case wmf::TA_RIGHT:
      left = -width;
      break;
    case wmf::TA_CENTER:
      left = -width / 2;
      break;
    default:
      break;
  }
  double baseline = metrics.ascent();  // TA_TOP
  switch (dc_.textAlign & wmf::TA_VERTICAL_MASK) {
    case wmf::TA_BASELINE:
      baseline = 0;
      break;
    case wmf::TA_BOTTOM:
      baseline = -metrics.descent();
      break;
    default:
      break;
  }
  const QRectF cell(left, baseline - metrics.ascent(), width, metrics.height());
  const QPointF origin = map(at.x(), at.y());
  // Choosing a font and laying out text cost far more than their pixels.
  const qint64 work =
      kTextWork + kCharacterWork * text.size() + areaWork(box) +
      areaWork(QTransform().rotate(-dc_.font.escapement / 10.0).mapRect(cell).translated(origin));
  if (!spend(work)) return;

  painter_.save();
  if (options & wmf::ETO_OPAQUE) painter_.fillRect(box, dc_.bkColor);
  if (options & wmf::ETO_CLIPPED) painter_.setClipRect(box, Qt::IntersectClip);
  painter_.translate(origin);
  painter_.rotate(-dc_.font.escapement / 10.0);
  if (dc_.bkMode == wmf::OPAQUE && !text.isEmpty()) painter_.fillRect(cell, dc_.bkColor);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(font);
  painter_.setPen(dc_.textColor);
  if (starts.empty()) {
    painter_.drawText(QPointF(left, baseline), text);
  } else {
    for (qsizetype i = 0; i < text.size(); ++i)
      painter_.drawText(QPointF(left + starts[std::size_t(i)], baseline), QString(text[i]));
  }
  painter_.restore();

  if ((dc_.textAlign & wmf::TA_UPDATECP) && toPixel_.m11() != 0)
    dc_.position.rx() += width / toPixel_.m11();
}
