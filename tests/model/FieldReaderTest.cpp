// The field reader: how the test list and web tests split into fields.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QStringList>
#include <random>

#include "model/Cp1252.h"
#include "model/FieldReader.h"

namespace {

struct FieldCase {
  const char* name;
  QString text;
  QStringList fields;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ReadFields, SplitsAsTheRuleSays) {
  EXPECT_EQ(readFields(GetParam().text), GetParam().fields);
}

const FieldCase kFieldCases[] = {
    {"EmptyText", "", {}},
    {"OneLine", "7\r\n", {"7"}},
    {"NoLineEndAtTheEnd", "7", {"7"}},
    {"EmptyLineIsOneField", "a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"LoneEmptyLine", "\r\n", {""}},
    {"CommaSplitsALine", "a,b\r\n", {"a", "b"}},
    {"CommaBeforeLineEnd", "a,\r\n", {"a", ""}},
    {"CommaAtTheEnd", "a,", {"a", ""}},
    {"OnlyAComma", ",\r\n", {"", ""}},
    {"BlanksBeforeSkippedTrailingKept", "  \tx ,\t y\r\n", {"x ", "y"}},
    {"BlankOnlyLine", "   \r\nx\r\n", {"", "x"}},
    {"BlanksAfterLastLineEnd", "a\r\n  ", {"a", ""}},
    {"QuotedWithComma", "\"a,b\",c\r\n", {"a,b", "c"}},
    {"QuotedAcrossLines", "\"rad 1\r\nrad 2\"\r\nnästa\r\n", {"rad 1\r\nrad 2", "nästa"}},
    {"QuotedEmpty", "\"\"\r\n\"\"\r\n", {"", ""}},
    {"BlanksBeforeQuote", "  \" x \"\r\n", {" x "}},
    {"TextAfterClosingQuoteDropped", "\"ab\"cd,e\r\n", {"ab", "e"}},
    {"TextAfterClosingQuoteToLineEnd", "\"ab\" cd\r\nz\r\n", {"ab", "z"}},
    {"UnterminatedQuoteRunsToTheEnd", "x\r\n\"abc,def\r\nghi", {"x", "abc,def\r\nghi"}},
    {"QuoteInsideAnUnquotedField", "ab\"c,d\r\n", {"ab\"c", "d"}},
    {"CrOnly", "a\rb\r\rc", {"a", "b", "", "c"}},
    {"LfOnly", "a\nb\n\nc\n", {"a", "b", "", "c"}},
    {"LfThenCrAreTwoLineEnds", "a\n\rb", {"a", "", "b"}},
    {"CrLfThenLf", "a\r\n\nb\r", {"a", "", "b"}},
    {"NulIsAnOrdinaryCharacter",
     QString::fromUtf16(u"a\0b,c", 5),
     {QString::fromUtf16(u"a\0b", 3), "c"}},
};

INSTANTIATE_TEST_SUITE_P(Model, ReadFields, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every byte value, in random mixtures rich in the characters that steer the reader:
// the reader must end, and no field can be longer than the text it came from.
TEST(ReadFieldsRobust, ArbitraryBytesNeverBreakIt) {
  std::mt19937 random(1252);
  const char steering[] = {',', '"', '\r', '\n', ' ', '\t', '\0'};
  for (int round = 0; round < 2000; ++round) {
    QByteArray bytes(int(random() % 200), Qt::Uninitialized);
    for (char& b : bytes) {
      b = random() % 3 == 0 ? steering[random() % sizeof steering] : char(random() % 256);
    }
    const QString text = fromCp1252(bytes);
    const QStringList fields = readFields(text);
    qsizetype total = 0;
    for (const QString& f : fields) total += f.size();
    ASSERT_LE(total, text.size()) << bytes.toHex().constData();
  }
}

TEST(ReadFieldsRobust, HugeTexts) {
  const QString commas(1'000'000, u',');
  EXPECT_EQ(readFields(commas).size(), 1'000'001);
  const QString oneQuote = u'"' + QString(1'000'000, u'x');
  const QStringList fields = readFields(oneQuote);
  ASSERT_EQ(fields.size(), 1);
  EXPECT_EQ(fields[0].size(), 1'000'000);
}

struct SlotCase {
  const char* field;
  const char* slot;
};

TEST(ValueSlot, NumbersTakeTheirPlainFormOthersStay) {
  const SlotCase cases[] = {
      {"007", "7"},
      {"1.50", "1.5"},
      {"-0", "0"},
      {"1e3", "1000"},
      {"+5", "5"},
      {".5", "0.5"},
      {"5.", "5"},
      {"12 ", "12"},
      {"-2.25", "-2.25"},
      {"prov1.tst", "prov1.tst"},
      {"fysik1.tst", "fysik1.tst"},
      {"", ""},
      {"1e", "1e"},
      {"5 90", "5 90"},
      {"0x10", "0x10"},
      {"inf", "inf"},
      {"nan", "nan"},
      {"1e400", "1e400"},
  };
  for (const SlotCase& c : cases) {
    EXPECT_EQ(valueSlot(QString::fromUtf8(c.field)), QString::fromUtf8(c.slot)) << c.field;
  }
}

}  // namespace
