#pragma once
// The metafile split into its records, each a bounded view on the file's bytes.
// Every read goes through WmfParams, which answers 0 (or an empty view) for anything
// outside the record, so a short or hostile record can never read past its end.
#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// The parameters of one record (the bytes after its size and function).
class WmfParams {
 public:
  WmfParams() = default;
  WmfParams(const char* data, qsizetype bytes) : data_(data), bytes_(bytes) {}

  qsizetype bytes() const { return bytes_; }
  qsizetype words() const { return bytes_ / 2; }

  uint16_t u16(qsizetype word) const {
    const qsizetype at = word * 2;
    if (word < 0 || at + 2 > bytes_) return 0;
    return uint16_t(uint8_t(data_[at]) | (uint8_t(data_[at + 1]) << 8));
  }
  int16_t s16(qsizetype word) const { return int16_t(u16(word)); }
  // Two words, the low one first.
  uint32_t u32(qsizetype word) const { return u16(word) | (uint32_t(u16(word + 1)) << 16); }
  // A COLORREF: red, green, blue, then a flag byte that is ignored.
  QColor color(qsizetype word) const {
    const uint32_t v = u32(word);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
  }
  uint8_t byte(qsizetype at) const {
    return at >= 0 && at < bytes_ ? uint8_t(data_[at]) : uint8_t(0);
  }
  // The bytes from `at` on, at most `length` of them; empty when `at` is outside.
  QByteArrayView view(qsizetype at, qsizetype length) const {
    if (at < 0 || at >= bytes_ || length <= 0) return {};
    return QByteArrayView(data_ + at, std::min(length, bytes_ - at));
  }
  QByteArrayView rest(qsizetype at) const { return view(at, bytes_); }

 private:
  const char* data_ = nullptr;
  qsizetype bytes_ = 0;
};

struct WmfRecord {
  uint16_t function = 0;
  uint32_t sizeWords = 0;  // as the record states it, header included
  WmfParams params;
};

struct WmfPlaceable {
  int16_t left = 0, top = 0, right = 0, bottom = 0;
  uint16_t unitsPerInch = 0;
};

struct WmfDocument {
  std::optional<WmfPlaceable> placeable;
  uint16_t objectCount = 0;        // size of the object table the header asks for
  std::vector<WmfRecord> records;  // up to, not including, the end record
};

// The most records that are read; the rest of a longer file is not drawn.
constexpr std::size_t kWmfMaxRecords = 1'000'000;

// True when the bytes begin like a metafile (placeable key, or a metafile header).
bool looksLikeWmf(QByteArrayView head);

// Splits the metafile into records. Empty when the header is damaged or a record runs
// past the end of the bytes or states a size below its own header: such a file is
// damaged, not a picture. The records view `bytes`, which must outlive the result.
std::optional<WmfDocument> parseWmf(const QByteArray& bytes);
