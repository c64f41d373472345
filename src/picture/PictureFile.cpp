#include "picture/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "picture/WmfRenderer.h"

namespace {

// The raster formats a picture may have. Qt reads more (TGA, PBM, ...), but some of
// those have no signature and would take random bytes for a picture.
bool isPictureFormat(const QByteArray& format) {
  return format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif" ||
         format == "png";
}

// Qt's limit is process-wide; it is raised once, before the first picture is read.
void raiseAllocationLimit() {
  static const bool raised = [] {
    if (QImageReader::allocationLimit() < kPictureAllocationLimitMb)
      QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    return true;
  }();
  (void)raised;
}

QImage readRaster(QIODevice* device) {
  raiseAllocationLimit();
  QImageReader reader(device);
  reader.setDecideFormatFromContent(true);
  if (!isPictureFormat(reader.format())) return {};
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) return {};
  QImage image = reader.read();
  if (qint64(image.width()) * image.height() > kMaxPicturePixels) return {};
  return image;
}

}  // namespace

QImage loadPicture(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (isWmf(file.peek(64))) {
    // One byte more than the limit tells a file that is too large from one that fits.
    const QByteArray bytes = file.read(kWmfMaxBytes + 1);
    return renderWmf(bytes);
  }
  return readRaster(&file);
}

QImage loadPicture(const QByteArray& bytes) {
  if (isWmf(bytes)) return renderWmf(bytes);
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  return readRaster(&buffer);
}
