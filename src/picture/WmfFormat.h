#pragma once
// Numbers of the Windows metafile format: record functions and the values of the
// modes and styles that the renderer understands. Records are 16-bit little-endian
// words: a 32-bit size in words (header included), a 16-bit function, then parameters.
#include <cstdint>

namespace wmf {

// The key that opens a placeable metafile (the 22-byte header in front of the metafile).
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kMetaHeaderBytes = 18;
constexpr int kRecordHeaderWords = 3;

enum Function : uint16_t {
  EOF_ = 0x0000,
  SAVEDC = 0x001E,
  REALIZEPALETTE = 0x0035,
  SETPALENTRIES = 0x0037,
  CREATEPALETTE = 0x00F7,
  SETBKMODE = 0x0102,
  SETMAPMODE = 0x0103,
  SETROP2 = 0x0104,
  SETRELABS = 0x0105,
  SETPOLYFILLMODE = 0x0106,
  SETSTRETCHBLTMODE = 0x0107,
  SETTEXTCHAREXTRA = 0x0108,
  RESTOREDC = 0x0127,
  INVERTREGION = 0x012A,
  PAINTREGION = 0x012B,
  SELECTCLIPREGION = 0x012C,
  SELECTOBJECT = 0x012D,
  SETTEXTALIGN = 0x012E,
  RESIZEPALETTE = 0x0139,
  DIBCREATEPATTERNBRUSH = 0x0142,
  SETLAYOUT = 0x0149,
  DELETEOBJECT = 0x01F0,
  CREATEPATTERNBRUSH = 0x01F9,
  SETBKCOLOR = 0x0201,
  SETTEXTCOLOR = 0x0209,
  SETTEXTJUSTIFICATION = 0x020A,
  SETWINDOWORG = 0x020B,
  SETWINDOWEXT = 0x020C,
  SETVIEWPORTORG = 0x020D,
  SETVIEWPORTEXT = 0x020E,
  OFFSETWINDOWORG = 0x020F,
  OFFSETVIEWPORTORG = 0x0211,
  LINETO = 0x0213,
  MOVETO = 0x0214,
  OFFSETCLIPRGN = 0x0220,
  FILLREGION = 0x0228,
  SETMAPPERFLAGS = 0x0231,
  SELECTPALETTE = 0x0234,
  CREATEPENINDIRECT = 0x02FA,
  CREATEFONTINDIRECT = 0x02FB,
  CREATEBRUSHINDIRECT = 0x02FC,
  POLYGON = 0x0324,
  POLYLINE = 0x0325,
  SCALEWINDOWEXT = 0x0410,
  SCALEVIEWPORTEXT = 0x0412,
  EXCLUDECLIPRECT = 0x0415,
  INTERSECTCLIPRECT = 0x0416,
  ELLIPSE = 0x0418,
  FLOODFILL = 0x0419,
  RECTANGLE = 0x041B,
  SETPIXEL = 0x041F,
  FRAMEREGION = 0x0429,
  ANIMATEPALETTE = 0x0436,
  TEXTOUT = 0x0521,
  POLYPOLYGON = 0x0538,
  EXTFLOODFILL = 0x0548,
  ROUNDRECT = 0x061C,
  PATBLT = 0x061D,
  ESCAPE = 0x0626,
  CREATEREGION = 0x06FF,
  ARC = 0x0817,
  PIE = 0x081A,
  CHORD = 0x0830,
  BITBLT = 0x0922,
  DIBBITBLT = 0x0940,
  EXTTEXTOUT = 0x0A32,
  STRETCHBLT = 0x0B23,
  DIBSTRETCHBLT = 0x0B41,
  SETDIBTODEV = 0x0D33,
  STRETCHDIB = 0x0F43,
};

enum MapMode : int {
  MM_TEXT = 1,
  MM_LOMETRIC = 2,
  MM_HIMETRIC = 3,
  MM_LOENGLISH = 4,
  MM_HIENGLISH = 5,
  MM_TWIPS = 6,
  MM_ISOTROPIC = 7,
  MM_ANISOTROPIC = 8,
};

enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode : int { ALTERNATE = 1, WINDING = 2 };

enum PenStyle : int {
  PS_SOLID = 0,
  PS_DASH = 1,
  PS_DOT = 2,
  PS_DASHDOT = 3,
  PS_DASHDOTDOT = 4,
  PS_NULL = 5,
  PS_INSIDEFRAME = 6,
  PS_STYLE_MASK = 0x000F,
  PS_ENDCAP_SQUARE = 0x0100,
  PS_ENDCAP_FLAT = 0x0200,
  PS_ENDCAP_MASK = 0x0F00,
  PS_JOIN_BEVEL = 0x1000,
  PS_JOIN_MITER = 0x2000,
  PS_JOIN_MASK = 0xF000,
};

enum BrushStyle : int {
  BS_SOLID = 0,
  BS_NULL = 1,
  BS_HATCHED = 2,
  BS_PATTERN = 3,
  BS_DIBPATTERN = 5,
  BS_DIBPATTERNPT = 6,
};

enum HatchStyle : int {
  HS_HORIZONTAL = 0,
  HS_VERTICAL = 1,
  HS_FDIAGONAL = 2,
  HS_BDIAGONAL = 3,
  HS_CROSS = 4,
  HS_DIAGCROSS = 5,
};

enum TextAlign : int {
  TA_UPDATECP = 0x0001,
  TA_RIGHT = 0x0002,
  TA_CENTER = 0x0006,
  TA_HORIZONTAL_MASK = 0x0006,
  TA_BOTTOM = 0x0008,
  TA_BASELINE = 0x0018,
  TA_VERTICAL_MASK = 0x0018,
};

enum ExtTextOutOptions : int { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

enum ColorUsage : int { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

// Raster operations of the bit-block records that are drawn; others are drawn as a copy.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

}  // namespace wmf
