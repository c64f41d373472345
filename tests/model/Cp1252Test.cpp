// Windows-1252: every byte survives a round trip, and characters it lacks are reported.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QStringDecoder>

#include "model/Cp1252.h"

namespace {

TEST(Cp1252, EveryByteRoundTrips) {
  QByteArray all(256, Qt::Uninitialized);
  for (int b = 0; b < 256; ++b) all[b] = char(b);
  const QString text = fromCp1252(all);
  ASSERT_EQ(text.size(), 256);
  bool lossless = true;
  EXPECT_EQ(toCp1252(text, &lossless), all);
  EXPECT_TRUE(lossless);
}

TEST(Cp1252, KnownCharacters) {
  EXPECT_EQ(toCp1252(u"ä"), QByteArray("\xE4"));
  EXPECT_EQ(toCp1252(u"å"), QByteArray("\xE5"));
  EXPECT_EQ(toCp1252(u"ö"), QByteArray("\xF6"));
  EXPECT_EQ(toCp1252(u"Å"), QByteArray("\xC5"));
  EXPECT_EQ(toCp1252(u"€"), QByteArray("\x80"));
  EXPECT_EQ(toCp1252(u"—"), QByteArray("\x97"));
  EXPECT_EQ(fromCp1252("\x80"), u"€");
  EXPECT_EQ(fromCp1252("\x9F"), u"Ÿ");
  EXPECT_EQ(fromCp1252("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(fromCp1252("Fr\xE5ga"), u"Fråga");
}

// The hand-written table agrees with the system's own Windows-1252 decoder on every
// byte that Windows-1252 defines.
TEST(Cp1252, AgreesWithTheSystemDecoder) {
  QStringDecoder system("windows-1252");
  if (!system.isValid()) GTEST_SKIP() << "no system Windows-1252 decoder";
  for (int b = 0; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    const QByteArray one(1, char(b));
    EXPECT_EQ(fromCp1252(one), QString(system.decode(one))) << b;
  }
}

TEST(Cp1252, CharactersItLacksBecomeQuestionMarks) {
  struct Case {
    QString text;
    QByteArray bytes;
  };
  const Case cases[] = {
      {QStringLiteral("π r²"), "? r\xB2"},
      {QStringLiteral("a😀b"), "a?b"},  // a surrogate pair is one character
      {QString(QChar(0x80)), "?"},     // the control that Windows-1252 puts the euro on
      {QString(QChar(0xD800)), "?"},   // a lone surrogate
  };
  for (const Case& c : cases) {
    bool lossless = true;
    EXPECT_EQ(toCp1252(c.text, &lossless), c.bytes);
    EXPECT_FALSE(lossless);
  }
}

}  // namespace
