#pragma once
// Reading a picture file for the picture window.
//
// Formats: BMP, JPEG, GIF and PNG (Qt's readers) and Windows metafiles (placeable, with
// the 0x9AC6CDD7 key, and plain). The format is told by the content, never by the name:
// a picture file named "bild" has no extension at all.
//
// Limits: a raster picture of more than kMaxPicturePixels pixels is refused before it
// is decoded, and Qt's readers may allocate up to kPictureAllocationLimitMb megabytes
// for one picture (an 8000 x 8000 picture at 32 bits takes 256 MB). Metafiles are drawn
// at most 4000 pixels on their longer side (see WmfRenderer.h).
#include <QByteArray>
#include <QImage>
#include <QString>

constexpr qint64 kMaxPicturePixels = 100'000'000;
constexpr int kPictureAllocationLimitMb = 512;

// A null QImage when the file holds no picture: missing, a folder, empty, damaged, or of
// another format. Never throws; time and memory stay bounded on hostile input. A picture
// cut short (a JPEG or GIF missing its end) gives what Qt's reader makes of it.
QImage loadPicture(const QString& path);
QImage loadPicture(const QByteArray& bytes);  // same, from memory
