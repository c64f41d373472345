#include "model/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

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
  // Latin-1 gives every byte but 0x80..0x9F (Qt widens it with vector instructions); those few
  // are then put right. Eight bytes are looked at a time: a byte 100xxxxx has its top three bits
  // 100, and a word holds one when (w & E0..E0) ^ 80..80 has a zero byte.
  QString text = QString::fromLatin1(bytes);
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  char16_t* out = nullptr;
  auto fix = [&](qsizetype i) {
    if ((in[i] & 0xE0) != 0x80) return;
    if (!out) out = reinterpret_cast<char16_t*>(text.data());
    out[i] = kHighControls[in[i] - 0x80];
  };
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  qsizetype i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t w;
    std::memcpy(&w, in + i, 8);
    const std::uint64_t t = (w & (0xE0 * kOnes)) ^ (0x80 * kOnes);
    if (((t - kOnes) & ~t & (0x80 * kOnes)) == 0) continue;
    for (qsizetype k = i; k < i + 8; ++k) fix(k);
  }
  for (; i < n; ++i) fix(i);
  return text;
}

QByteArray toCp1252(QStringView text, bool* lossless) {
  QByteArray bytes(text.size(), Qt::Uninitialized);  // one byte a character at most
  bytes.truncate(writeCp1252(bytes.data(), text, lossless) - bytes.data());
  return bytes;
}

char* writeCp1252(char* out, QStringView text, bool* lossless) {
  const char16_t* in = text.utf16();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = in[i];
    if (c < 0x80) {
      *out++ = char(c);
      continue;
    }
    int b = byteOf(c);
    if (b < 0) {
      if (lossless) *lossless = false;
      b = '?';
      // A pair of surrogates is one character: one '?' for both halves.
      if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(in[i + 1])) ++i;
    }
    *out++ = char(b);
  }
  return out;
}
