#pragma once
// Windows-1252, the single-byte code of every file the program reads and writes.
// Latin-1 is not enough: 0x80..0x9F hold the euro sign, typographic quotes and dashes.
// The five bytes that Windows-1252 leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) map to
// the control characters of the same number and back, so every byte survives a round trip.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString fromCp1252(QByteArrayView bytes);
// A character that Windows-1252 cannot hold becomes '?' and sets *lossless to false
// (it is left alone otherwise). A character outside the basic plane gives one '?'.
QByteArray toCp1252(QStringView text, bool* lossless = nullptr);
// The same bytes, written from `out` on (room for text.size() bytes is enough); returns the end.
// A file made of many texts is written into one buffer so, with no buffer for each text.
char* writeCp1252(char* out, QStringView text, bool* lossless = nullptr);
