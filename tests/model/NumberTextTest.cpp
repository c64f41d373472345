// Number texts and the two ways of reading a number out of a text.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <cmath>
#include <limits>

#include "model/NumberText.h"

namespace {

TEST(NumberText, WholeNumbers) {
  EXPECT_EQ(numberText(qint64(12)), " 12");
  EXPECT_EQ(numberText(qint64(0)), " 0");
  EXPECT_EQ(numberText(qint64(-3)), "-3");
  EXPECT_EQ(numberText(qint16(-32768)), "-32768");  // a 16-bit value takes the whole-number form
  EXPECT_EQ(numberText(590), " 590");
  EXPECT_EQ(printedNumber(12), " 12 ");
  EXPECT_EQ(printedNumber(0), " 0 ");
  EXPECT_EQ(printedNumber(-3), "-3 ");
  EXPECT_EQ(plainText(12), "12");
  EXPECT_EQ(plainText(0), "0");
  EXPECT_EQ(plainText(-3), "-3");
}

TEST(NumberText, Doubles) {
  EXPECT_EQ(numberText(1000.0), " 1000");
  EXPECT_EQ(numberText(-7.0), "-7");
  EXPECT_EQ(numberText(0.5), " 0.5");
  EXPECT_EQ(numberText(-1.25), "-1.25");
  EXPECT_EQ(numberText(-0.0), " 0");
  EXPECT_EQ(numberText(0.1 + 0.2), " 0.3");
  EXPECT_EQ(numberText(1e20), " 1e+20");
  EXPECT_EQ(plainNumber(-1.5), "-1.5");
  EXPECT_EQ(plainNumber(std::numeric_limits<double>::infinity()), "inf");  // no overflow of qint64
}

struct LeadingCase {
  const char* text;
  double value;
};

TEST(LeadingNumber, TakesWhatFormsANumber) {
  const LeadingCase cases[] = {
      {" 590", 590},     {"590X", 590},  {"5 90", 590}, {"5 90X", 590}, {"rese", 0},
      {"-1.5e2x", -150}, {"1e", 1},      {"1e+", 1},    {"1E2", 100},   {"1e 2", 100},
      {"+", 0},          {"-", 0},       {"", 0},       {".", 0},       {".5", 0.5},
      {"- 5", -5},       {"1.2.3", 1.2}, {"0590", 590}, {"X059", 0},    {"--5", 0},
      {"\t7", 7},        {"9E99", 9e99}, {"-0", 0},
  };
  for (const LeadingCase& c : cases) {
    EXPECT_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
  }
}

TEST(LeadingNumber, TooLargeIsAnInfinityAndLongTextsAreFine) {
  EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("1e-400"), 0);
  EXPECT_EQ(leadingNumber(QString(100'000, u'0') + "42"), 42);
}

TEST(StrictNumber, WholeTextMustBeANumber) {
  const LeadingCase good[] = {
      {"0590", 590}, {" 590", 590}, {"590 ", 590}, {"\t590\t", 590}, {"-1.5", -1.5},
      {"+3", 3},     {"1e3", 1000}, {".5", 0.5},   {"5.", 5},        {"1E-2", 0.01},
  };
  for (const LeadingCase& c : good) {
    const std::optional<double> n = strictNumber(QString::fromUtf8(c.text));
    ASSERT_TRUE(n.has_value()) << c.text;
    EXPECT_EQ(*n, c.value) << c.text;
  }
  const char* bad[] = {"X059", "rese", "",    "   ",      "5 90",  "1e",   "1e+",  "+",   "-",
                       ".",    "inf",  "nan", "Infinity", "1e400", "590X", "0x10", "1,5", "- 5"};
  for (const char* text : bad) EXPECT_FALSE(strictNumber(QString::fromUtf8(text))) << text;
}

TEST(RoundToInt16, HalvesToEvenAndRangeChecked) {
  struct Case {
    double x;
    qint16 value;
    bool ok;
  };
  const Case cases[] = {
      {590, 590, true},
      {0.5, 0, true},
      {1.5, 2, true},
      {2.5, 2, true},
      {-0.5, 0, true},
      {-1.5, -2, true},
      {2.6, 3, true},
      {-2.4, -2, true},
      {32767.4, 32767, true},
      {32767.5, 0, false},
      {-32768.5, -32768, true},
      {-32768.6, 0, false},
      {1e10, 0, false},
      {9e99, 0, false},
      {std::numeric_limits<double>::infinity(), 0, false},
      {std::numeric_limits<double>::quiet_NaN(), 0, false},
  };
  for (const Case& c : cases) {
    bool ok = !c.ok;
    EXPECT_EQ(roundToInt16(c.x, &ok), c.value) << c.x;
    EXPECT_EQ(ok, c.ok) << c.x;
  }
  EXPECT_EQ(roundToInt16(3.5), 4);  // ok may be left out
}

}  // namespace
