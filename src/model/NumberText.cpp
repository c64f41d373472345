#include "model/NumberText.h"

#include <QByteArray>
#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// Reads the longest number at the start of chars[0..n) into out (ASCII, without a
// plus sign) and returns how many characters it took; 0 when none begins there.
// skipBlanks: blanks anywhere are passed over (the leading-number rule).
qsizetype scanNumber(const QChar* chars, qsizetype n, bool skipBlanks, QByteArray& out) {
  out.clear();
  qsizetype i = 0;
  auto skip = [&] {
    if (skipBlanks) {
      while (i < n && isBlank(chars[i])) ++i;
    }
  };
  skip();
  if (i < n && (chars[i] == u'+' || chars[i] == u'-')) {
    if (chars[i] == u'-') out.append('-');
    ++i;
    skip();
  }
  int mantissaDigits = 0;
  while (i < n && isDigit(chars[i])) {
    out.append(char(chars[i].unicode()));
    ++mantissaDigits;
    ++i;
    skip();
  }
  if (i < n && chars[i] == u'.') {
    out.append('.');
    ++i;
    skip();
    while (i < n && isDigit(chars[i])) {
      out.append(char(chars[i].unicode()));
      ++mantissaDigits;
      ++i;
      skip();
    }
  }
  if (mantissaDigits == 0) {
    out.clear();
    return 0;
  }
  qsizetype taken = i;
  // An exponent counts only when at least one digit follows the E and its sign.
  if (i < n && (chars[i] == u'E' || chars[i] == u'e')) {
    const qsizetype mantissaLength = out.size();
    ++i;
    skip();
    out.append('e');
    if (i < n && (chars[i] == u'+' || chars[i] == u'-')) {
      out.append(char(chars[i].unicode()));
      ++i;
      skip();
    }
    bool exponentDigits = false;
    while (i < n && isDigit(chars[i])) {
      out.append(char(chars[i].unicode()));
      exponentDigits = true;
      ++i;
      skip();
    }
    if (exponentDigits) {
      taken = i;
    } else {
      out.truncate(mantissaLength);
    }
  }
  return taken;
}

// The value of a text that scanNumber accepted. Too large gives an infinity, too
// small a zero.
double valueOf(const QByteArray& ascii) {
  return QLocale::c().toDouble(QLatin1StringView(ascii));
}

}  // namespace

namespace {
// The sign place (a blank or the minus sign), the digits and, when asked, one trailing blank, made
// as one string: the result files write some 1,200 of them at every "AVSLUTA".
QString signedDigits(qint64 n, bool trailingBlank) {
  char text[24];  // sign, up to 19 digits, blank
  char* end = std::to_chars(text + 1, text + sizeof text - 1, n).ptr;
  const char* begin = text;
  if (n < 0)
    ++begin;  // to_chars wrote the minus sign itself
  else
    text[0] = ' ';
  if (trailingBlank) *end++ = ' ';
  return QString::fromLatin1(begin, end - begin);
}
}  // namespace

QString numberText(qint64 n) {
  return signedDigits(n, false);
}

QString plainNumber(double x) {
  if (x == 0) return QStringLiteral("0");  // also minus zero
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
    return QString::number(static_cast<qint64>(x));
  }
  return QString::number(x, 'g', 15);
}

QString numberText(double x) {
  const QString plain = plainNumber(x);
  return plain.startsWith(u'-') ? plain : QLatin1Char(' ') + plain;
}

QString printedNumber(qint64 n) {
  return signedDigits(n, true);
}

QString plainText(qint64 n) {
  return QString::number(n);
}

double leadingNumber(const QString& text) {
  QByteArray ascii;
  if (scanNumber(text.data(), text.size(), true, ascii) == 0) return 0;
  return valueOf(ascii);
}

std::optional<double> strictNumber(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  QByteArray ascii;
  const qsizetype taken = scanNumber(text.data() + begin, end - begin, false, ascii);
  if (taken == 0 || taken != end - begin) return std::nullopt;
  const double x = valueOf(ascii);
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

qint16 roundToInt16(double x, bool* ok) {
  double r = std::floor(x);
  const double fraction = x - r;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
  const bool inRange = r >= -32768 && r <= 32767;  // false for NaN too
  if (ok) *ok = inRange;
  return inRange ? static_cast<qint16>(r) : qint16(0);
}
