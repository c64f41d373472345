// The metafile renderer: what it draws where, and that damaged or hostile files give a
// null picture or a bounded one, never a crash.
#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <functional>

#include "TestPaths.h"
#include "picture/PictureFile.h"
#include "picture/WmfRenderer.h"
#include "support/SampleWmf.h"
#include "support/WmfWriter.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;

enum { MM_TEXT = 1, MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };
enum { TRANSPARENT = 1, OPAQUE = 2 };
enum { PS_SOLID = 0, PS_NULL = 5, BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, HS_CROSS = 4 };
enum { TA_RIGHT = 2, TA_CENTER = 6 };

QString at(int x, int y) {
  return QString("(%1,%2)").arg(x).arg(y);
}

// The colour at (x, y), as text so that a failure shows it.
QString pixel(const QImage& image, int x, int y) {
  return QString::number(image.pixel(x, y), 16);
}
QString rgb(QRgb c) {
  return QString::number(c, 16);
}

// Pixels in `box` that are not white.
int inked(const QImage& image, const QRect& box) {
  int n = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) n += image.pixel(x, y) != kWhite;
  return n;
}

// A 96 x 96 pixel placeable picture, one device unit to a pixel.
WmfWriter square96() {
  WmfWriter w;
  w.placeable(0, 0, 96, 96, 96);
  return w;
}

TEST(WmfSample, DrawsEachShapeWhereTheHeaderPutsIt) {
  const QImage image = renderWmf(sampleWmf());
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(200, 150));  // 3000 x 2250 twips at 96 dpi
  EXPECT_EQ(image.format(), QImage::Format_ARGB32);

  // The ellipse is filled with its brush and outlined with its pen; its box corner is not.
  EXPECT_EQ(pixel(image, 50, 40), rgb(kRed));
  EXPECT_EQ(pixel(image, 20, 40), rgb(kRed));
  EXPECT_EQ(pixel(image, 12, 12), rgb(kWhite));
  EXPECT_EQ(pixel(image, 95, 40), rgb(kWhite));
  int edge = 0;
  while (edge < 50 && image.pixel(edge, 40) == kWhite) ++edge;
  EXPECT_NEAR(edge, 10, 1);
  EXPECT_EQ(qGray(image.pixel(edge, 40)), 0) << "the outline is black";

  // The rectangle: a blue outline three pixels wide, the hollow brush leaves it white.
  EXPECT_EQ(pixel(image, 100, 40), rgb(kBlue));
  EXPECT_EQ(pixel(image, 145, 10), rgb(kBlue));
  EXPECT_EQ(pixel(image, 145, 40), rgb(kWhite));
  EXPECT_EQ(pixel(image, 96, 40), rgb(kWhite));

  // The line, two pixels wide, along y = 80.
  EXPECT_EQ(pixel(image, 50, 80), rgb(kGreen));
  EXPECT_EQ(pixel(image, 50, 76), rgb(kWhite));
  EXPECT_EQ(pixel(image, 95, 80), rgb(kWhite));

  // The text drew something dark in its box and nothing in colour.
  const QRect textBox(10, 98, 135, 30);
  EXPECT_GT(inked(image, textBox), 100);
  for (int y = textBox.top(); y <= textBox.bottom(); ++y)
    for (int x = textBox.left(); x <= textBox.right(); ++x)
      ASSERT_EQ(qRed(image.pixel(x, y)), qBlue(image.pixel(x, y))) << qPrintable(at(x, y));

  // The 2 x 2 bitmap, upright, each of its pixels 20 x 20.
  EXPECT_EQ(pixel(image, 160, 110), rgb(kYellow));
  EXPECT_EQ(pixel(image, 180, 110), rgb(0xFF00FFFF));
  EXPECT_EQ(pixel(image, 160, 130), rgb(0xFFFF00FF));
  EXPECT_EQ(pixel(image, 180, 130), rgb(0xFF000080));
  EXPECT_EQ(pixel(image, 150, 100), rgb(kYellow));
  EXPECT_EQ(pixel(image, 189, 139), rgb(0xFF000080));
  EXPECT_EQ(pixel(image, 191, 120), rgb(kWhite));
}

// The sample metafile beside the example tests is the one drawn above. To write it anew:
// LUMIVO_WRITE_EXAMPLES=1 test_picture --gtest_filter=WmfSample.*
TEST(WmfSample, ExampleFileIsTheSample) {
  const QString path = QStringLiteral(LUMIVO_EXAMPLES "/server/distanstest/fysik1/ritning.wmf");
  if (qEnvironmentVariableIsSet("LUMIVO_WRITE_EXAMPLES")) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(sampleWmf());
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
  EXPECT_EQ(file.readAll(), sampleWmf());
  const QImage image = loadPicture(path);
  EXPECT_EQ(image.size(), QSize(200, 150));
}

// Each mapping must put the same red square on pixels (24,24)-(47,47).
struct MappingCase {
  const char* name;
  QByteArray bytes;
};

QByteArray redSquare(WmfWriter w, int l, int t, int r, int b) {
  w.pen(PS_NULL, 0, Qt::black).brush(BS_SOLID, QColor(255, 0, 0)).select(0).select(1);
  return w.rectangle(l, t, r, b).bytes();
}

class WmfMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(WmfMapping, PutsTheSquareOnTheSamePixels) {
  const QImage image = renderWmf(GetParam().bytes);
  ASSERT_EQ(image.size(), QSize(96, 96));
  for (QPoint in : {QPoint(24, 24), QPoint(47, 24), QPoint(24, 47), QPoint(47, 47)})
    EXPECT_EQ(pixel(image, in.x(), in.y()), rgb(kRed)) << qPrintable(at(in.x(), in.y()));
  for (QPoint out : {QPoint(23, 30), QPoint(48, 30), QPoint(30, 23), QPoint(30, 48)})
    EXPECT_EQ(pixel(image, out.x(), out.y()), rgb(kWhite)) << qPrintable(at(out.x(), out.y()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WmfMapping,
    testing::Values(
        MappingCase{"PlaceableBoxIsTheWindow",
                    redSquare(WmfWriter().placeable(0, 0, 1440, 1440, 1440), 360, 360, 720, 720)},
        MappingCase{"BoxAwayFromTheOrigin",
                    redSquare(WmfWriter().placeable(100, 200, 196, 296, 96), 124, 224, 148, 248)},
        MappingCase{"WindowOrgAndExt", redSquare(WmfWriter()
                                                     .placeable(0, 0, 960, 960, 960)
                                                     .windowOrg(1000, 1000)
                                                     .windowExt(100, 100),
                                                 1025, 1025, 1050, 1050)},
        MappingCase{"PlainMetafileSizedByItsWindow",
                    redSquare(WmfWriter().windowOrg(0, 0).windowExt(96, 96), 24, 24, 48, 48)},
        MappingCase{"PlainMetafileWithoutWindow",
                    [] {
                      WmfWriter w;
                      w.pen(PS_NULL, 0, Qt::black).brush(BS_SOLID, QColor(255, 0, 0));
                      w.select(0).select(1).moveTo(0, 0).lineTo(95, 95);
                      return w.rectangle(24, 24, 48, 48).bytes();
                    }()},
        MappingCase{
            "ViewportExtScales",
            redSquare(square96().mapMode(MM_ANISOTROPIC).windowExt(48, 48).viewportExt(96, 96), 12,
                      12, 24, 24)},
        MappingCase{"ViewportOrgMoves", redSquare(square96().viewportOrg(20, 20), 4, 4, 28, 28)},
        MappingCase{
            "IsotropicKeepsTheAspect",
            redSquare(square96().mapMode(MM_ISOTROPIC).windowExt(48, 96).viewportExt(96, 96), 24,
                      24, 48, 48)},
        MappingCase{"TextModeIgnoresExtents",
                    redSquare(square96().mapMode(MM_TEXT).windowExt(10, 10), 24, 24, 48, 48)},
        MappingCase{
            "TwipsTurnTheYAxisUp",
            redSquare(
                WmfWriter().placeable(0, 0, 1440, 1440, 1440).mapMode(MM_TWIPS).windowOrg(0, 1440),
                360, 1080, 720, 720)},
        MappingCase{"NegativeWindowExtentMirrors",
                    redSquare(square96().windowOrg(96, 0).windowExt(-96, 96), 48, 24, 72, 48)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WmfSize, FollowsTheHeaderAndIsCapped) {
  struct Case {
    const char* name;
    WmfWriter writer;
    QSize size;
  } cases[] = {
      {"inches at 1000 per inch", WmfWriter().placeable(0, 0, 2000, 1000, 1000), {192, 96}},
      {"box given right to left", WmfWriter().placeable(1440, 0, 0, 720, 1440), {96, 48}},
      {"no units per inch counts twips", WmfWriter().placeable(0, 0, 1440, 1440, 0), {96, 96}},
      {"huge box scaled down whole", WmfWriter().placeable(0, 0, 32000, 16000, 1), {4000, 2000}},
      {"plain window of 30000 units", WmfWriter().windowExt(30000, 300), {4000, 40}},
  };
  for (Case& c : cases) {
    c.writer.pen(PS_SOLID, 0, Qt::black).select(0).moveTo(0, 0).lineTo(10, 10);
    EXPECT_EQ(renderWmf(c.writer.bytes()).size(), c.size) << c.name;
  }
}

// A 40 x 40 box filled with the given brush, no outline, on an opaque yellow background.
QImage brushBox(int style, QColor colour, int hatch) {
  WmfWriter w = square96();
  w.bkMode(OPAQUE).bkColor(QColor(255, 255, 0));
  w.pen(PS_NULL, 0, Qt::black).brush(style, colour, hatch).select(0).select(1);
  return renderWmf(w.rectangle(20, 20, 60, 60).bytes());
}

TEST(WmfBrush, SolidFillsHollowLeavesAndHatchedStripesOnTheBackground) {
  const QImage solid = brushBox(BS_SOLID, QColor(255, 0, 0), 0);
  EXPECT_EQ(pixel(solid, 40, 40), rgb(kRed));
  EXPECT_EQ(inked(solid, QRect(20, 20, 40, 40)), 40 * 40);

  const QImage hollow = brushBox(BS_NULL, QColor(255, 0, 0), 0);
  EXPECT_EQ(inked(hollow, hollow.rect()), 0);

  const QImage hatched = brushBox(BS_HATCHED, QColor(0, 0, 255), HS_CROSS);
  int blue = 0, yellow = 0, other = 0;
  for (int y = 20; y < 60; ++y)
    for (int x = 20; x < 60; ++x) {
      const QRgb c = hatched.pixel(x, y);
      (c == kBlue ? blue : c == kYellow ? yellow : other)++;
    }
  EXPECT_GT(blue, 100);
  EXPECT_GT(yellow, blue) << "the opaque background shows between the hatch lines";
  EXPECT_EQ(other, 0);
  EXPECT_EQ(pixel(hatched, 70, 70), rgb(kWhite));
}

TEST(WmfObjects, NewObjectTakesTheLowestFreeIndexAndSelectionSurvivesDeletion) {
  WmfWriter w = square96();
  w.pen(PS_NULL, 0, Qt::black);                        // 0
  w.brush(BS_SOLID, QColor(0, 255, 0));                // 1
  w.remove(0);                                         // 0 is free again
  w.brush(BS_SOLID, QColor(255, 0, 0));                // takes 0
  w.pen(PS_NULL, 0, Qt::black);                        // 2
  w.select(2).select(0).rectangle(0, 0, 40, 40);       // red
  w.select(1).remove(1).rectangle(50, 0, 90, 40);      // green, though deleted since
  w.select(7).select(60000).rectangle(0, 50, 40, 90);  // unknown indices change nothing
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(pixel(image, 20, 20), rgb(kRed));
  EXPECT_EQ(pixel(image, 70, 20), rgb(0xFF00FF00));
  EXPECT_EQ(pixel(image, 20, 70), rgb(0xFF00FF00));
}

TEST(WmfState, RestoreDcBringsBackBrushAndMapping) {
  WmfWriter w = square96();
  w.pen(PS_NULL, 0, Qt::black).brush(BS_SOLID, QColor(255, 0, 0)).brush(BS_SOLID, Qt::blue);
  w.select(0).select(1);
  w.record(WmfWriter::SAVEDC, {});
  w.select(2).windowExt(48, 48);  // blue, and everything twice as large
  w.record(WmfWriter::SAVEDC, {});
  w.record(WmfWriter::RESTOREDC, {-1});
  w.rectangle(0, 0, 10, 10);  // blue, (0,0)-(20,20)
  w.record(WmfWriter::RESTOREDC, {1});
  w.rectangle(50, 50, 60, 60);           // red again, at its own size
  w.record(WmfWriter::RESTOREDC, {-5});  // nothing saved: no change
  w.rectangle(70, 70, 80, 80);
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(pixel(image, 18, 18), rgb(kBlue));
  EXPECT_EQ(pixel(image, 55, 55), rgb(kRed));
  EXPECT_EQ(pixel(image, 62, 62), rgb(kWhite));
  EXPECT_EQ(pixel(image, 75, 75), rgb(kRed));
}

TEST(WmfPolygons, FillModeDecidesWhetherAnInnerRingIsAHole) {
  const QVector<QVector<QPoint>> rings = {
      {{10, 10}, {80, 10}, {80, 80}, {10, 80}},
      {{30, 30}, {60, 30}, {60, 60}, {30, 60}},
  };
  for (int mode : {1, 2}) {
    WmfWriter w = square96();
    w.pen(PS_NULL, 0, Qt::black).brush(BS_SOLID, QColor(255, 0, 0)).select(0).select(1);
    w.polyFillMode(mode).polyPolygon(rings);
    const QImage image = renderWmf(w.bytes());
    EXPECT_EQ(pixel(image, 20, 20), rgb(kRed)) << mode;
    EXPECT_EQ(pixel(image, 45, 45), rgb(mode == 1 ? kWhite : kRed)) << "fill mode " << mode;
  }
  WmfWriter w = square96();
  w.pen(PS_SOLID, 0, Qt::blue).brush(BS_SOLID, QColor(255, 0, 0)).select(0).select(1);
  w.polygon({{10, 10}, {80, 10}, {10, 80}});
  w.polygon({{90, 20}, {90, 90}, {20, 90}}, WmfWriter::POLYLINE);
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(pixel(image, 20, 20), rgb(kRed));
  EXPECT_EQ(pixel(image, 70, 70), rgb(kWhite)) << "a polyline is not filled";
  EXPECT_EQ(pixel(image, 90, 50), rgb(kBlue));
}

TEST(WmfArcs, PieAndChordFillTheirPartArcOnlyOutlines) {
  // Counter-clockwise from the right (3 o'clock) to the top (12 o'clock): the upper right.
  auto draw = [](uint16_t function) {
    WmfWriter w = square96();
    w.pen(PS_SOLID, 0, Qt::blue).brush(BS_SOLID, QColor(255, 0, 0)).select(0).select(1);
    return renderWmf(w.arc(function, 8, 8, 88, 88, {88, 48}, {48, 8}).bytes());
  };
  const QImage pie = draw(WmfWriter::PIE);
  EXPECT_EQ(pixel(pie, 60, 36), rgb(kRed)) << "inside the upper right quarter";
  EXPECT_EQ(pixel(pie, 36, 36), rgb(kWhite));
  EXPECT_EQ(pixel(pie, 60, 60), rgb(kWhite));
  EXPECT_EQ(pixel(pie, 36, 60), rgb(kWhite));

  const QImage chord = draw(WmfWriter::CHORD);
  EXPECT_EQ(pixel(chord, 70, 26), rgb(kRed)) << "between the arc and its chord";
  EXPECT_EQ(pixel(chord, 55, 40), rgb(kWhite)) << "the other side of the chord";

  const QImage arc = draw(WmfWriter::ARC);
  EXPECT_EQ(pixel(arc, 70, 26), rgb(kWhite));
  EXPECT_GT(inked(arc, QRect(48, 8, 41, 41)), 40);
  EXPECT_EQ(inked(arc, QRect(8, 50, 80, 38)), 0) << "nothing on the lower half";
}

// Text at (48, 40) in the given alignment; the ink must lie on the aligned side.
QImage alignedText(int align, int bkMode, const QByteArray& text = "MMM") {
  WmfWriter w = square96();
  w.font(-16, 400, false, "Arial").select(0);
  w.textColor(QColor(255, 0, 0)).bkMode(bkMode).bkColor(QColor(255, 255, 0)).textAlign(align);
  return renderWmf(w.textOut(48, 40, text).bytes());
}

TEST(WmfText, AlignmentColourAndBackground) {
  const QImage left = alignedText(0, TRANSPARENT);
  EXPECT_GT(inked(left, QRect(48, 40, 48, 20)), 20);
  EXPECT_EQ(inked(left, QRect(0, 0, 47, 96)), 0);
  EXPECT_EQ(inked(left, QRect(0, 0, 96, 39)), 0) << "top alignment: the text hangs below";
  for (int y = 40; y < 60; ++y)
    for (int x = 48; x < 96; ++x)
      ASSERT_EQ(qGreen(left.pixel(x, y)), qBlue(left.pixel(x, y))) << "red on white";

  const QImage right = alignedText(TA_RIGHT, TRANSPARENT);
  EXPECT_GT(inked(right, QRect(0, 40, 48, 20)), 20);
  EXPECT_EQ(inked(right, QRect(50, 0, 46, 96)), 0);

  const QImage centred = alignedText(TA_CENTER, TRANSPARENT);
  EXPECT_GT(inked(centred, QRect(20, 40, 27, 20)), 10);
  EXPECT_GT(inked(centred, QRect(49, 40, 27, 20)), 10);

  const QImage opaque = alignedText(0, OPAQUE);
  EXPECT_EQ(pixel(opaque, 49, 41), rgb(kYellow)) << "the cell is filled with the background";
}

TEST(WmfText, BytesAreWindows1252AndExtTextOutDrawsLikeTextOut) {
  // 0x80 is the euro sign and 0x9F "Ÿ" in Windows-1252; in Latin-1 both are control
  // characters, drawn like 0x81, which Windows-1252 leaves undefined.
  const QImage undefined = alignedText(0, TRANSPARENT, "\x81");
  EXPECT_NE(alignedText(0, TRANSPARENT, "\x80"), undefined);
  EXPECT_NE(alignedText(0, TRANSPARENT, "\x9f"), undefined);
  // "å" is not "a".
  EXPECT_NE(alignedText(0, TRANSPARENT, "\xe5"), alignedText(0, TRANSPARENT, "a"));

  WmfWriter a = square96(), b = square96();
  for (WmfWriter* w : {&a, &b}) w->font(-16, 400, false, "Arial").select(0).bkMode(TRANSPARENT);
  a.textOut(10, 10, "Hall\xe5 \xe4 \xf6");
  b.extTextOut(10, 10, "Hall\xe5 \xe4 \xf6");
  const QImage image = renderWmf(a.bytes());
  EXPECT_GT(inked(image, image.rect()), 50);
  EXPECT_EQ(image, renderWmf(b.bytes()));
}

TEST(WmfText, CharacterWidthsAndTheOpaqueBox) {
  auto draw = [](const QVector<int>& dx, int options) {
    WmfWriter w = square96();
    w.font(-16, 400, false, "Arial").select(0).bkMode(TRANSPARENT).bkColor(QColor(255, 255, 0));
    return renderWmf(w.extTextOut(10, 10, "ii", dx, options, QRect(10, 60, 70, 30)).bytes());
  };
  const QImage own = draw({}, 0);
  EXPECT_EQ(inked(own, QRect(30, 0, 66, 96)), 0);
  const QImage spread = draw({40, 10}, 0);
  EXPECT_GT(inked(spread, QRect(48, 0, 10, 40)), 5) << "the second i stands 40 units on";
  EXPECT_EQ(inked(spread, QRect(30, 0, 18, 96)), 0);
  const QImage boxed = draw({}, 2);
  EXPECT_EQ(pixel(boxed, 75, 85), rgb(kYellow));
  EXPECT_EQ(pixel(boxed, 85, 85), rgb(kWhite));
}

TEST(WmfBitmaps, EachBitmapRecordDrawsTheBitmapUpright) {
  const QByteArray dib24 = WmfWriter::dib24(sampleDibImage());
  const QByteArray dib8 = WmfWriter::dib8(
      sampleDibImage(), {qRgb(0, 0, 128), qRgb(255, 0, 255), qRgb(0, 255, 255), kYellow});
  const struct {
    const char* name;
    std::function<void(WmfWriter&)> draw;
    bool mirrored;
  } cases[] = {
      {"STRETCHDIB", [&](WmfWriter& w) { w.stretchDib(4, 4, 2, 2, dib24); }, false},
      {"STRETCHDIB of 8 bits", [&](WmfWriter& w) { w.stretchDib(4, 4, 2, 2, dib8); }, false},
      {"DIBSTRETCHBLT", [&](WmfWriter& w) { w.dibStretchBlt(4, 4, 2, 2, dib24); }, false},
      {"DIBBITBLT", [&](WmfWriter& w) { w.dibBitBlt(4, 4, dib8); }, false},
      {"negative width", [&](WmfWriter& w) { w.stretchDib(6, 4, -2, 2, dib24); }, true},
  };
  for (const auto& c : cases) {
    WmfWriter w = square96();
    w.windowExt(24, 24);  // four pixels to a unit: the bitmap covers (16,16)-(23,23)
    c.draw(w);
    const QImage image = renderWmf(w.bytes());
    const QRgb left = c.mirrored ? 0xFF00FFFF : kYellow, right = c.mirrored ? kYellow : 0xFF00FFFF;
    EXPECT_EQ(pixel(image, 17, 17), rgb(left)) << c.name;
    EXPECT_EQ(pixel(image, 22, 17), rgb(right)) << c.name;
    EXPECT_EQ(pixel(image, c.mirrored ? 22 : 17, 22), rgb(0xFFFF00FF)) << c.name;
    EXPECT_EQ(pixel(image, 24, 20), rgb(kWhite)) << c.name;
    EXPECT_EQ(pixel(image, 15, 20), rgb(kWhite)) << c.name;
  }
}

TEST(WmfBrush, PatternBrushTilesItsBitmap) {
  WmfWriter w = square96();
  w.pen(PS_NULL, 0, Qt::black).dibPatternBrush(WmfWriter::dib24(sampleDibImage()));
  const QImage image = renderWmf(w.select(0).select(1).rectangle(20, 20, 60, 60).bytes());
  EXPECT_EQ(pixel(image, 20, 20), rgb(kYellow));
  EXPECT_EQ(pixel(image, 21, 20), rgb(0xFF00FFFF));
  EXPECT_EQ(pixel(image, 40, 41), rgb(0xFFFF00FF));
  EXPECT_EQ(pixel(image, 41, 41), rgb(0xFF000080));
  EXPECT_EQ(pixel(image, 61, 61), rgb(kWhite));
}

TEST(WmfState, ClipRectanglesAndTheirRestore) {
  WmfWriter w = square96();
  w.pen(PS_NULL, 0, Qt::black).brush(BS_SOLID, QColor(255, 0, 0)).brush(BS_SOLID, Qt::blue);
  w.select(0).select(1);
  w.intersectClip(20, 20, 60, 60);
  w.record(WmfWriter::SAVEDC, {});
  w.excludeClip(30, 30, 40, 40);
  w.rectangle(0, 0, 96, 96);
  w.record(WmfWriter::RESTOREDC, {-1});
  w.select(2).rectangle(0, 0, 26, 96);
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(pixel(image, 27, 27), rgb(kRed));
  EXPECT_EQ(pixel(image, 59, 59), rgb(kRed));
  EXPECT_EQ(pixel(image, 35, 35), rgb(kWhite)) << "excluded";
  EXPECT_EQ(pixel(image, 10, 10), rgb(kWhite));
  EXPECT_EQ(pixel(image, 65, 40), rgb(kWhite));
  EXPECT_EQ(pixel(image, 22, 40), rgb(kBlue)) << "restored clip still holds the first box";
  EXPECT_EQ(pixel(image, 10, 40), rgb(kWhite));
}

TEST(WmfPens, StyleAndWidthFollowThePen) {
  WmfWriter w = square96();
  w.windowExt(48, 48);  // two pixels to a unit
  w.pen(PS_SOLID, 2, QColor(255, 0, 0)).pen(1 /* PS_DASH */, 0, Qt::blue).pen(PS_NULL, 0, Qt::red);
  w.brush(BS_SOLID, QColor(0, 255, 0));
  w.select(0).moveTo(2, 10).lineTo(46, 10);         // a line 4 pixels wide along y = 20
  w.select(1).moveTo(2, 30).lineTo(46, 30);         // dashes along y = 60
  w.select(2).select(3).rectangle(30, 36, 46, 46);  // filled, no outline
  w.roundRect(2, 36, 22, 46, 8, 8);
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(inked(image, QRect(48, 10, 1, 20)), 4);
  int dash = 0, gap = 0;
  for (int x = 10; x < 80; ++x) (image.pixel(x, 60) == kBlue ? dash : gap)++;
  EXPECT_GT(dash, 20);
  EXPECT_GT(gap, 10);
  EXPECT_EQ(pixel(image, 60, 72), rgb(0xFF00FF00));
  EXPECT_EQ(pixel(image, 60, 91), rgb(0xFF00FF00)) << "no outline";
  EXPECT_EQ(pixel(image, 24, 82), rgb(0xFF00FF00)) << "inside the rounded box";
  EXPECT_EQ(pixel(image, 5, 73), rgb(kWhite)) << "its corner is rounded off";
}

// Files that are not metafiles or are damaged: null, never a crash.
TEST(WmfDamaged, GivesNoPicture) {
  const QByteArray good = sampleWmf();
  QByteArray zeroSize = WmfWriter().placeable(0, 0, 96, 96, 96).record(0x0213, {1, 1}).bytes();
  zeroSize[22 + 18] = 0;  // the first record's size: 0 words
  QByteArray tooLong = zeroSize;
  tooLong[22 + 18] = char(0xFF), tooLong[22 + 19] = char(0x7F);
  QByteArray badHeader = good;
  badHeader[22 + 2] = 12;  // header size 12 words
  QByteArray random(200, '\0');
  QRandomGenerator gen(7);
  for (char& c : random) c = char(gen.bounded(256));

  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"empty", {}},
      {"random bytes", random},
      {"placeable key only", good.left(4)},
      {"placeable header only", good.left(22)},
      {"metafile header cut", good.left(30)},
      {"cut inside an early record", good.left(60)},
      {"cut inside the last record", good.left(good.size() - 10)},
      {"cut inside the end record", good.left(good.size() - 2)},
      {"record of size 0", zeroSize},
      {"record longer than the file", tooLong},
      {"wrong header size", badHeader},
      {"placeable key before random bytes", good.left(22) + random},
  };
  for (const auto& c : cases) EXPECT_TRUE(renderWmf(c.bytes).isNull()) << c.name;
}

// Records that claim more than they hold, or ask for too much, are drawn within bounds.
TEST(WmfHostile, ClaimsBeyondTheRecordAreBounded) {
  QByteArray hugeDib = WmfWriter::dib24(sampleDibImage());
  hugeDib[4] = 0x50, hugeDib[5] = 0xC3;  // 50000 pixels across, with 2 pixels of data
  hugeDib[8] = 0x50, hugeDib[9] = 0xC3;
  WmfWriter w = square96();
  w.pen(PS_SOLID, 0, Qt::black).brush(BS_SOLID, Qt::red).select(0).select(1);
  w.record(WmfWriter::POLYGON, {65535, 10, 10, 50, 10, 50});      // 65535 points, 2 given
  w.record(WmfWriter::POLYPOLYGON, {65535, 65535, 65535, 1, 2});  // 65535 rings
  w.record(WmfWriter::POLYLINE, {3});
  w.record(WmfWriter::TEXTOUT, {30000, 'a'});  // 30000 bytes of text, 2 given
  w.record(WmfWriter::EXTTEXTOUT, {0, 0, 30000, 6, 1, 2});
  w.record(WmfWriter::CREATEFONTINDIRECT, {-32000});  // a font 32000 pixels high
  w.select(2).textOut(0, 0, "W");
  w.record(WmfWriter::RECTANGLE, {});
  w.record(WmfWriter::RESTOREDC, {-32768});
  w.record(WmfWriter::RESTOREDC, {32767});
  w.windowExt(1, 1).viewportExt(32767, 32767).ellipse(-32768, -32768, 32767, 32767);
  w.stretchDib(0, 0, 10, 10, hugeDib);
  w.stretchDib(0, 0, 10, 10, WmfWriter::dib24(sampleDibImage()).left(45));
  for (int i = 0; i < 70000; ++i) w.pen(PS_SOLID, 0, Qt::blue);  // past the object cap
  for (int i = 0; i < 3000; ++i) w.record(WmfWriter::SAVEDC, {});
  const QImage image = renderWmf(w.bytes());
  EXPECT_EQ(image.size(), QSize(96, 96));
}

TEST(WmfHostile, DrawingWorkIsBudgeted) {
  // Each file asks for minutes of drawing; the budget ends it early.
  WmfWriter ellipses;  // 200000 ellipses as large as the picture
  ellipses.placeable(0, 0, 1000, 1000, 96);
  ellipses.pen(PS_SOLID, 0, Qt::black).brush(BS_SOLID, Qt::red).select(0).select(1);
  for (int i = 0; i < 200000; ++i) ellipses.ellipse(0, 0, 1000 - i % 7, 1000);
  const QImage image = renderWmf(ellipses.bytes());
  EXPECT_EQ(image.size(), QSize(1000, 1000));
  EXPECT_EQ(pixel(image, 500, 500), rgb(kRed));

  WmfWriter crossing;  // 100 polygons of 16000 edges that cross each other everywhere
  crossing.placeable(0, 0, 1000, 1000, 96);
  QVector<QPoint> points;
  for (int i = 0; i < 16000; ++i) points.append(QPoint(i * 37 % 1000, i * 91 % 1000));
  for (int i = 0; i < 100; ++i) crossing.polygon(points);
  EXPECT_EQ(renderWmf(crossing.bytes()).size(), QSize(1000, 1000));
}

TEST(WmfHostile, RandomDamageToARealFileNeverCrashes) {
  const QByteArray good = sampleWmf();
  QRandomGenerator gen(20080318);
  for (int round = 0; round < 400; ++round) {
    QByteArray bytes = good;
    const int changes = 1 + gen.bounded(8);
    for (int i = 0; i < changes; ++i)
      bytes[gen.bounded(int(bytes.size()))] = char(gen.bounded(256));
    if (round % 4 == 0) bytes.truncate(gen.bounded(int(bytes.size())));
    const QImage image = renderWmf(bytes);
    if (!image.isNull()) {
      EXPECT_LE(image.width(), kWmfMaxSide);
      EXPECT_LE(image.height(), kWmfMaxSide);
    }
  }
}

}  // namespace
