// Reading cell 7: the judgement's edges, the frame's edges, and the picture-click flow's reads.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <cmath>

#include "picture/TargetArea.h"

namespace {

QString kSample() {
  return QStringLiteral("X0590-1040.Y0150-0465");
}

struct JudgedCase {
  const char* name;
  const char16_t* cell7;
  qint16 x1, x2, y1, y2;
};

class JudgedAreaTest : public ::testing::TestWithParam<JudgedCase> {};

TEST_P(JudgedAreaTest, ReadsTheLeadingNumbersOfTheFourFields) {
  const JudgedCase& c = GetParam();
  const JudgedArea a = judgedArea(QString::fromUtf16(c.cell7));
  EXPECT_EQ(a.x1, c.x1);
  EXPECT_EQ(a.x2, c.x2);
  EXPECT_EQ(a.y1, c.y1);
  EXPECT_EQ(a.y2, c.y2);
}

INSTANTIATE_TEST_SUITE_P(
    Cell7, JudgedAreaTest,
    ::testing::Values(
        JudgedCase{"Sample", u"X0590-1040.Y0150-0465", 590, 1040, 150, 465},
        JudgedCase{"BlanksForLeadingZeros", u"X 590-1040.Y 150- 465", 590, 1040, 150, 465},
        JudgedCase{"BlankInsideANumber", u"X5 90-1040.Y0150-0465", 590, 1040, 150, 465},
        JudgedCase{"TrailingLetter", u"X590X-1040.Y0150-0465", 590, 1040, 150, 465},
        JudgedCase{"Reserv", u"reserv", 0, 0, 0, 0}, JudgedCase{"Empty", u"", 0, 0, 0, 0},
        JudgedCase{"CutShortAfterTheRightEdge", u"X0590-1040", 590, 1040, 0, 0},
        JudgedCase{"Negative", u"X-100-0200.Y-050-0100", -100, 200, -50, 100},
        // Halves go to the even neighbour.
        JudgedCase{"HalvesToEven", u"X02.5-03.5.Y-2.5-00.5", 2, 4, -2, 0},
        // A value outside the 16-bit range counts as a field without a number.
        JudgedCase{"OutOfRangeCountsZero", u"X9E99-1040.Y0150-9E99", 0, 1040, 150, 0},
        JudgedCase{"NegativeOutOfRange", u"X-9E9-1040.Y0150-0465", 0, 1040, 150, 465}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TargetAreaTest, APointOnAnEdgeIsOutsideAndOneTwipInsideIsIn) {
  const JudgedArea a{590, 1040, 150, 465};
  EXPECT_TRUE(isInside(a, 800, 300));
  for (auto [x, y] : {std::pair{590.0, 300.0}, {1040.0, 300.0}, {800.0, 150.0}, {800.0, 465.0}})
    EXPECT_FALSE(isInside(a, x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{591.0, 300.0}, {1039.0, 300.0}, {800.0, 151.0}, {800.0, 464.0}})
    EXPECT_TRUE(isInside(a, x, y)) << x << "," << y;
  // A fraction past an edge is inside: the pointer is compared unrounded.
  EXPECT_TRUE(isInside(a, 590.5, 300));
  // The empty area of a cell 7 without numbers takes no click at all.
  EXPECT_FALSE(isInside(JudgedArea{}, 0, 0));
}

TEST(TargetAreaTest, FrameTakesStrictEdgesAndLeadingSizes) {
  const FrameArea sample = frameArea(kSample());
  EXPECT_EQ(sample.left, 590);
  EXPECT_EQ(sample.top, 150);
  EXPECT_EQ(sample.width, 450);
  EXPECT_EQ(sample.height, 315);

  // Blanks in place of leading zeros give the same frame.
  const FrameArea blanks = frameArea(QStringLiteral("X 590-1040.Y 150- 465"));
  EXPECT_EQ(blanks.left, 590);
  EXPECT_EQ(blanks.top, 150);
  EXPECT_EQ(blanks.width, 450);
  EXPECT_EQ(blanks.height, 315);

  // A field that is not wholly a number gives no edge, though its leading number sizes the frame.
  const FrameArea trailing = frameArea(QStringLiteral("X590X-1040.Y15x0-0465"));
  EXPECT_FALSE(trailing.left);
  EXPECT_FALSE(trailing.top);
  EXPECT_EQ(trailing.width, 450);
  EXPECT_EQ(trailing.height, 450);

  // A negative size is not given; a size of 0 is.
  const FrameArea reversed = frameArea(QStringLiteral("X1040-0590.Y0465-0465"));
  EXPECT_FALSE(reversed.width);
  EXPECT_EQ(reversed.height, 0);

  const FrameArea reserv = frameArea(QStringLiteral("reserv"));
  EXPECT_FALSE(reserv.left);
  EXPECT_FALSE(reserv.top);
  EXPECT_EQ(reserv.width, 0);
  EXPECT_EQ(reserv.height, 0);
}

TEST(TargetAreaTest, ClickFlowReadsColumnsOneToFourAndThirteenToSixteen) {
  EXPECT_EQ(klickLeft(QStringLiteral("0590-1040.Y0150-0465")), 590);
  EXPECT_EQ(klickLeft(QStringLiteral(" 590")), 590);
  EXPECT_FALSE(klickLeft(kSample()));  // "X059"
  EXPECT_FALSE(klickLeft(QStringLiteral("reserv")));
  EXPECT_FALSE(klickLeft(QString()));
  EXPECT_EQ(klickTop(kSample()), 150);
  EXPECT_FALSE(klickTop(QStringLiteral("0590-1040.Yrese-0465")));
}

// Any text at all: the reads never fail, and what they give is consistent.
TEST(TargetAreaTest, AnyTextReadsWithoutFailure) {
  QRandomGenerator random(20261218);
  const QString alphabet = QStringLiteral("0123456789 -+.eEXY,\"åÄ\t\x00\xFF");
  for (int i = 0; i < 20000; ++i) {
    QString text;
    const int length = random.bounded(30);
    for (int k = 0; k < length; ++k)
      text += random.bounded(10) == 0 ? QChar(char16_t(random.bounded(1, 0xD7FF)))
                                      : alphabet[random.bounded(alphabet.size())];
    const JudgedArea a = judgedArea(text);
    const FrameArea f = frameArea(text);
    if (isInside(a, 0, 0)) {
      EXPECT_LT(a.x1, a.x2);
      EXPECT_LT(a.y1, a.y2);
    }
    for (const auto& size : {f.width, f.height})
      EXPECT_TRUE(!size || (*size >= 0 && std::isfinite(*size))) << text.toStdString();
    for (const auto& edge : {f.left, f.top, klickLeft(text), klickTop(text)})
      EXPECT_TRUE(!edge || std::isfinite(*edge)) << text.toStdString();
  }
}

// Well-formed areas, with blanks for any leading zeros: judgement and frame agree.
TEST(TargetAreaTest, WellFormedAreasReadBackTheirEdges) {
  QRandomGenerator random(7);
  auto field = [&](int n) {
    QString digits = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    // Leading zeros, from the first on, may stand as blanks.
    for (int k = 0; k < 3 && digits[k] == u'0' && random.bounded(2); ++k) digits[k] = u' ';
    return digits;
  };
  for (int i = 0; i < 2000; ++i) {
    const int x1 = random.bounded(10000), x2 = random.bounded(10000);
    const int y1 = random.bounded(10000), y2 = random.bounded(10000);
    const QString cell7 =
        QStringLiteral("X%1-%2.Y%3-%4").arg(field(x1), field(x2), field(y1), field(y2));
    const JudgedArea a = judgedArea(cell7);
    ASSERT_EQ(a.x1, x1) << cell7.toStdString();
    ASSERT_EQ(a.x2, x2);
    ASSERT_EQ(a.y1, y1);
    ASSERT_EQ(a.y2, y2);
    const FrameArea f = frameArea(cell7);
    ASSERT_EQ(f.left, x1);
    ASSERT_EQ(f.top, y1);
    ASSERT_EQ(f.width.has_value(), x2 >= x1);
    ASSERT_EQ(f.width.value_or(x2 - x1), x2 - x1);
    ASSERT_EQ(f.height.has_value(), y2 >= y1);
  }
}

}  // namespace
