#pragma once
// Windows metafiles (WMF), which Qt cannot read, drawn onto a white ARGB32 picture.
//
// Size of the picture: for a placeable metafile, its box at 96 dots per inch
// (width = (right - left) * 96 / units per inch); for a plain metafile, its window
// extent taken as pixels, or, without one, the box round the coordinates it draws.
// The longer side is at most kWmfMaxSide pixels; a larger picture is scaled down whole.
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

constexpr int kWmfMaxSide = 4000;
// Larger files are not read: no real picture of this kind comes near it.
constexpr qsizetype kWmfMaxBytes = 64 * 1024 * 1024;

// True when the bytes begin like a metafile; the first 40 bytes are enough to tell.
bool isWmf(QByteArrayView head);

// Null when the bytes are not a metafile or the metafile is damaged (a header or a
// record cut short, a record smaller than its own header).
QImage renderWmf(const QByteArray& bytes);
