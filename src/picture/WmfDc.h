#pragma once
// The drawing state that metafile records change (what Windows calls the device
// context) and the objects a metafile creates. SAVEDC pushes a copy of WmfDc;
// the objects are copied into it when selected, so deleting one leaves the drawing
// state as it was.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <QVector>
#include <variant>

#include "picture/WmfFormat.h"

struct WmfPen {
  int style = wmf::PS_SOLID;
  int width = 0;  // logical units; 0 is one pixel
  QColor color = Qt::black;
};

struct WmfBrush {
  int style = wmf::BS_SOLID;
  QColor color = Qt::white;
  int hatch = wmf::HS_HORIZONTAL;
  QImage pattern;  // for pattern brushes
};

struct WmfFont {
  QString face;
  int height = 0;      // logical units; negative: character height, positive: cell height
  int width = 0;       // average character width, 0 for the font's own
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int weight = 0;      // 0 for normal, else 100..900
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int pitchAndFamily = 0;
};

struct WmfPalette {
  QVector<QRgb> colors;
};

// A region or a bitmap of the older device-dependent kind: it holds its place in the
// object table but is not drawn.
struct WmfUnsupportedObject {};

using WmfObject =
    std::variant<std::monostate, WmfPen, WmfBrush, WmfFont, WmfPalette, WmfUnsupportedObject>;

// Logical coordinates to the metafile's device units: window and viewport.
struct WmfMapping {
  int mode = wmf::MM_ANISOTROPIC;
  QPointF windowOrg, windowExt{1, 1};
  QPointF viewportOrg, viewportExt{1, 1};
};

struct WmfDc {
  WmfPen pen;
  WmfBrush brush;
  WmfFont font;
  WmfPalette palette;
  QColor textColor = Qt::black;
  QColor bkColor = Qt::white;
  int bkMode = wmf::OPAQUE;
  int textAlign = 0;
  int polyFillMode = wmf::ALTERNATE;
  WmfMapping mapping;
  QPointF position;  // current position, logical units
  bool clipped = false;
  QRegion clip;  // pixels of the picture, when clipped
};
