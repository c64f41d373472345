// Bitmaps inside the metafile: DIBBITBLT, DIBSTRETCHBLT, STRETCHDIB and SETDIBTODEV.
// The older BITBLT and STRETCHBLT records carry device-dependent bitmaps and are skipped.
#include "picture/WmfDib.h"
#include "picture/WmfPlayer.h"

bool WmfPlayer::playBlitRecord(const WmfRecord& record) {
  const WmfParams& p = record.params;
  // A bit-block record without a bitmap is exactly its fixed words long, with one
  // reserved word more; it then paints with the brush like PATBLT.
  const bool withBitmap = record.sizeWords != uint32_t((record.function >> 8) + 3);
  switch (record.function) {
    case wmf::DIBBITBLT: {
      if (!withBitmap) {
        patBlt(p.u32(0), p.s16(8), p.s16(7), p.s16(6), p.s16(5));
        return true;
      }
      const int ySrc = p.s16(2), xSrc = p.s16(3), h = p.s16(4), w = p.s16(5);
      const int yDst = p.s16(6), xDst = p.s16(7);
      drawDib(p.rest(16), wmf::DIB_RGB_COLORS, QRectF(map(xDst, yDst), map(xDst + w, yDst + h)),
              QRect(xSrc, ySrc, w, h), false, p.u32(0));
      return true;
    }
    case wmf::DIBSTRETCHBLT: {
      if (!withBitmap) {
        patBlt(p.u32(0), p.s16(9), p.s16(8), p.s16(7), p.s16(6));
        return true;
      }
      const int srcH = p.s16(2), srcW = p.s16(3), ySrc = p.s16(4), xSrc = p.s16(5);
      const int h = p.s16(6), w = p.s16(7), yDst = p.s16(8), xDst = p.s16(9);
      drawDib(p.rest(20), wmf::DIB_RGB_COLORS, QRectF(map(xDst, yDst), map(xDst + w, yDst + h)),
              QRect(xSrc, ySrc, srcW, srcH), false, p.u32(0));
      return true;
    }
    case wmf::STRETCHDIB: {
      const int usage = p.u16(2);
      const int srcH = p.s16(3), srcW = p.s16(4), ySrc = p.s16(5), xSrc = p.s16(6);
      const int h = p.s16(7), w = p.s16(8), yDst = p.s16(9), xDst = p.s16(10);
      drawDib(p.rest(22), usage, QRectF(map(xDst, yDst), map(xDst + w, yDst + h)),
              QRect(xSrc, ySrc, srcW, srcH), true, p.u32(0));
      return true;
    }
    case wmf::SETDIBTODEV: {
      const int usage = p.u16(0);
      const int yDib = p.s16(3), xDib = p.s16(4), h = p.s16(5), w = p.s16(6);
      const int yDst = p.s16(7), xDst = p.s16(8);
      drawDib(p.rest(18), usage, QRectF(map(xDst, yDst), map(xDst + w, yDst + h)),
              QRect(xDib, yDib, w, h), true, wmf::SRCCOPY);
      return true;
    }
    default:
      return false;
  }
}

// Draws the part `source` of the bitmap into `dest` (pixels; a negative width or height
// against the source's mirrors it). STRETCHDIB and SETDIBTODEV count a bottom-up
// bitmap's source rows from its bottom.
void WmfPlayer::drawDib(QByteArrayView dib, int colorUsage, QRectF dest, QRect source,
                        bool sourceFromBottom, uint32_t rop) {
  if (!spend(kDrawCallWork + dib.size())) return;
  const WmfDib decoded = decodeDib(dib, colorUsage, dc_.palette.colors);
  QImage image = decoded.image;
  if (image.isNull() || !spend(qint64(image.width()) * image.height())) return;

  const bool mirrorX = (dest.width() < 0) != (source.width() < 0);
  const bool mirrorY = (dest.height() < 0) != (source.height() < 0);
  QRect from = source.normalized();
  if (sourceFromBottom && decoded.bottomUp)
    from.moveTop(image.height() - from.top() - from.height());
  from = from.intersected(image.rect());
  if (from.isEmpty()) from = image.rect();
  if (mirrorX || mirrorY) {
    image = image.copy(from).mirrored(mirrorX, mirrorY);
    from = image.rect();
  }
  const QRectF target = dest.normalized();
  if (!spend(areaWork(target))) return;

  painter_.save();
  switch (rop) {
    case wmf::SRCAND:
      painter_.setCompositionMode(QPainter::CompositionMode_Multiply);
      break;
    case wmf::SRCPAINT:
      painter_.setCompositionMode(QPainter::CompositionMode_Lighten);
      break;
    case wmf::SRCINVERT:
      painter_.setCompositionMode(QPainter::CompositionMode_Difference);
      break;
    default:
      break;  // SRCCOPY, and any other operation drawn as a copy
  }
  painter_.drawImage(target, image, QRectF(from));
  painter_.restore();
}
