#include "app/Looks.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

QFont designFont(const QString& family, double points, bool bold) {
  QFont f(family);
  // Liberation Sans has Arial's metrics and comes close to MS Sans Serif, so texts fit the
  // places they were designed for.
  f.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void paintBackground(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void setTextColor(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, c);
  pal.setColor(QPalette::Text, c);
  pal.setColor(QPalette::ButtonText, c);
  w->setPalette(pal);
}

QColor textColor(const QWidget* w) {
  return w->palette().color(QPalette::WindowText);
}

void styleLabel(QLabel* l, const QColor& text, const QFont& f, Qt::Alignment align,
                const QColor& background) {
  setTextColor(l, text);
  l->setFont(f);
  l->setAlignment(align);
  // Labels break a text that does not fit their width onto further lines.
  l->setWordWrap(true);
  if (background.isValid()) paintBackground(l, background);
}

void styleText(QPlainTextEdit* t, const QColor& background, const QColor& text, const QFont& f,
               bool border) {
  QPalette pal = t->palette();
  pal.setColor(QPalette::Base, background);
  pal.setColor(QPalette::Text, text);
  t->setPalette(pal);
  t->setFont(f);
  t->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
}

void styleButton(QPushButton* b, const QColor& background, const QFont& f) {
  // A coloured button is drawn flat in its own colour with a raised edge, not in the style's
  // gradient, so that it shows exactly the colour it was designed with.
  b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                  " border: 2px outset #A0A0A0; }"
                                  "QPushButton:pressed { border-style: inset; }")
                       .arg(background.name()));
  b->setFont(f);
}

void sizeToText(QLabel* l) {
  l->adjustSize();
}
