#include "picture/WmfRecords.h"

#include "picture/WmfFormat.h"

namespace {

// The metafile header (after any placeable header): type 1 (memory) or 2 (disk),
// a header of 9 words, and version 1.0 or 3.0.
bool isMetaHeader(WmfParams h) {
  const uint16_t type = h.u16(0);
  const uint16_t version = h.u16(2);
  return h.bytes() >= wmf::kMetaHeaderBytes && (type == 1 || type == 2) && h.u16(1) == 9 &&
         (version == 0x0100 || version == 0x0300);
}

bool hasPlaceableKey(WmfParams h) {
  return h.bytes() >= 4 && h.u32(0) == wmf::kPlaceableKey;
}

}  // namespace

bool looksLikeWmf(QByteArrayView head) {
  const WmfParams h(head.data(), head.size());
  return hasPlaceableKey(h) || isMetaHeader(h);
}

std::optional<WmfDocument> parseWmf(const QByteArray& bytes) {
  const WmfParams all(bytes.constData(), bytes.size());
  WmfDocument doc;
  qsizetype pos = 0;
  if (hasPlaceableKey(all)) {
    if (all.bytes() < wmf::kPlaceableHeaderBytes) return std::nullopt;
    // The checksum is not checked: writers get it wrong, and nothing depends on it.
    WmfPlaceable p;
    p.left = all.s16(3);
    p.top = all.s16(4);
    p.right = all.s16(5);
    p.bottom = all.s16(6);
    p.unitsPerInch = all.u16(7);
    doc.placeable = p;
    pos = wmf::kPlaceableHeaderBytes;
  }
  const WmfParams header(bytes.constData() + pos, bytes.size() - pos);
  if (!isMetaHeader(header)) return std::nullopt;
  doc.objectCount = header.u16(5);
  pos += wmf::kMetaHeaderBytes;

  while (pos < bytes.size()) {
    const qsizetype left = bytes.size() - pos;
    if (left < wmf::kRecordHeaderWords * 2) return std::nullopt;
    const WmfParams head(bytes.constData() + pos, left);
    const uint32_t sizeWords = head.u32(0);
    const uint16_t function = head.u16(2);
    if (sizeWords < uint32_t(wmf::kRecordHeaderWords)) return std::nullopt;
    if (qint64(sizeWords) * 2 > left) return std::nullopt;
    if (function == wmf::EOF_) break;
    if (doc.records.size() >= kWmfMaxRecords) break;
    const qsizetype paramBytes = qsizetype(sizeWords) * 2 - wmf::kRecordHeaderWords * 2;
    doc.records.push_back(
        {function, sizeWords,
         WmfParams(bytes.constData() + pos + wmf::kRecordHeaderWords * 2, paramBytes)});
    pos += qsizetype(sizeWords) * 2;
  }
  return doc;
}
