#include "app/WindowPlace.h"

#include "app/Form1.h"
#include "app/Twips.h"

void placeMainWindow(Form1& f, int leftTwips, int topTwips, int widthTwips) {
  // The frame around the client area (borders) is part of the width asked for.
  const int frameExtra = f.frameGeometry().width() - f.width();
  f.resize(tw(widthTwips) - frameExtra, f.height());
  // A window's position is that of its frame.
  f.move(tw(leftTwips), tw(topTwips));
}

void placeMainWindow(Form1& f, int leftTwips, int widthTwips) {
  placeMainWindow(f, leftTwips, f.y() * kTwipsPerPixel, widthTwips);
}
