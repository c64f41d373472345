#pragma once
#include <QRect>
#include <QtGlobal>

class QWidget;

// Places and sizes are designed in twips; at 96 dpi 15 twips make one pixel. Qt scales
// device-independent pixels for high-dpi screens.
constexpr int kTwipsPerPixel = 15;
inline int tw(int twips) {
  return qRound(twips / double(kTwipsPerPixel));
}
inline int toTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}
// Places a control at left, top, width × height in twips within its parent.
void place(QWidget* w, int left, int top, int width, int height);
void placeAt(QWidget* w, int left, int top);
