// firstFields reads only a prefix of a long text; it must give exactly the fields that
// reading the whole text gives, wherever the prefix happens to cut.
#include <gtest/gtest.h>

#include <random>

#include "model/FieldReader.h"
#include "source/FirstFields.h"

namespace {

constexpr qsizetype kPrefix = 64 * 1024;  // the first piece firstFields reads

void expectSameAsWholeReading(const QString& text, const std::string& what) {
  const QStringList whole = readFields(text);
  // Around the number of fields of the first prefix its last field decides: it may be cut.
  const qsizetype inPrefix = readFields(text.left(kPrefix)).size();
  for (qsizetype max : {qsizetype(0), qsizetype(1), qsizetype(2012), inPrefix - 2, inPrefix - 1,
                        inPrefix, inPrefix + 1, whole.size(), whole.size() + 5}) {
    if (max < 0) continue;
    EXPECT_EQ(firstFields(text, max), whole.mid(0, max)) << what << " max " << max;
  }
}

// Texts whose field ends fall at and around the places where a prefix is cut.
TEST(FirstFields, CutsAtAnyCharacterGiveTheWholeReadingsFields) {
  const struct {
    const char* name;
    QString around;  // placed so that it straddles the end of the first prefix
  } cases[] = {
      {"comma", QStringLiteral(",b")},
      {"CR LF", QStringLiteral("\r\nb")},
      {"quoted", QStringLiteral("\"x,\r\ny\"z")},
      {"blanks", QStringLiteral("  ,  b")},
      {"empty lines", QStringLiteral("\r\n\r\n\r\n")},
  };
  for (const auto& c : cases) {
    for (qsizetype shift = -4; shift <= 4; ++shift) {
      // Few fields before the cut, so that the prefix must grow past it.
      QString text(kPrefix - c.around.size() / 2 + shift, QLatin1Char('a'));
      text += c.around;
      text += QStringLiteral("tail,1,2\r\n3");
      expectSameAsWholeReading(text, std::string(c.name) + " shift " + std::to_string(shift));
      // Many fields before the cut, so that the first prefix suffices.
      QString dense;
      while (dense.size() < kPrefix - c.around.size() / 2 + shift) dense += QStringLiteral("f,");
      dense += c.around + QStringLiteral("end");
      expectSameAsWholeReading(dense,
                               std::string(c.name) + " dense shift " + std::to_string(shift));
    }
  }
}

TEST(FirstFields, RandomTextsOfEveryShape) {
  std::mt19937 random(20261218);
  const char16_t alphabet[] = u"ab ,\r\n\"";
  for (int round = 0; round < 20; ++round) {
    const qsizetype size = 1000 + random() % (6 * kPrefix);
    // Some texts mostly separators, some mostly letters.
    const int letterWeight = int(random() % 60);
    QString text(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
      const int r = int(random() % 100);
      text[i] = QChar(r < letterWeight ? u'a' : alphabet[random() % 7]);
    }
    expectSameAsWholeReading(text, "round " + std::to_string(round));
  }
}

TEST(FirstFields, TakesOnlyWhatIsAskedForFromMillionsOfFields) {
  const QString text(8 * 1024 * 1024, QLatin1Char('\n'));
  const QStringList fields = firstFields(text, 2012);
  EXPECT_EQ(fields.size(), 2012);
  EXPECT_TRUE(fields.first().isEmpty());
}

}  // namespace
