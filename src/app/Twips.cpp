#include "app/Twips.h"

#include <QWidget>

void place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}

void placeAt(QWidget* w, int left, int top) {
  w->move(tw(left), tw(top));
}
