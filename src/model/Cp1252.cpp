#include "model/Cp1252.h"

#include <array>

namespace {

// The characters of bytes 0x80..0x9F; an undefined byte maps to its own control character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The byte of a character, or -1 when Windows-1252 has none for it.
int byteOf(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return 0x80 + i;
  }
  return -1;
}

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

QString fromCp1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const unsigned char b = in[i];
    out[i] = (b & 0xE0) == 0x80 ? kHighControls[b - 0x80] : char16_t(b);
  }
  return text;
}

QByteArray toCp1252(QStringView text, bool* lossless) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  char* out = bytes.data();
  qsizetype n = 0;
  const char16_t* in = text.utf16();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = in[i];
    if (c < 0x80) {
      out[n++] = char(c);
      continue;
    }
    int b = byteOf(c);
    if (b < 0) {
      if (lossless) *lossless = false;
      b = '?';
      // A pair of surrogates is one character: one '?' for both halves.
      if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(in[i + 1])) ++i;
    }
    out[n++] = char(b);
  }
  bytes.truncate(n);
  return bytes;
}
