#include "picture/FrmBild.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "app/Looks.h"
#include "app/Twips.h"

TwipsPlace::TwipsPlace(QWidget* control, double left, double top, double width, double height)
    : control_(control), left_(left), top_(top), width_(width), height_(height) {
  apply();
}

namespace {
bool acceptable(double twips) {
  return std::isfinite(twips) && std::fabs(twips) <= TwipsPlace::kLimit;
}
int pixels(double twips) {
  return qRound(twips / kTwipsPerPixel);
}
}  // namespace

bool TwipsPlace::setLeft(double twips) {
  if (!acceptable(twips)) return false;
  left_ = twips;
  apply();
  return true;
}

bool TwipsPlace::setTop(double twips) {
  if (!acceptable(twips)) return false;
  top_ = twips;
  apply();
  return true;
}

bool TwipsPlace::setWidth(double twips) {
  if (!acceptable(twips) || twips < 0) return false;
  width_ = twips;
  apply();
  return true;
}

bool TwipsPlace::setHeight(double twips) {
  if (!acceptable(twips) || twips < 0) return false;
  height_ = twips;
  apply();
  return true;
}

void TwipsPlace::apply() {
  control_->setGeometry(pixels(left_), pixels(top_), pixels(width_), pixels(height_));
}

FrmBild::FrmBild()
    : Image1(new PictureBox(this, false)),
      ShapeRätt(new Shape(this)),
      LblTryckyta(new QLabel(QStringLiteral("TRYCKYTA"), this)),
      ShapeRättPlace(ShapeRätt, 840, 3000, 855, 615),
      LblTryckytaPlace(LblTryckyta, 0, 0, 1455, 615) {
  setWindowTitle(QStringLiteral("BILD"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setGeometry(tw(7395), tw(2145), tw(7275), tw(4215));
  // Designed maximised; the presenter makes it normal before it places a picture.
  setWindowState(Qt::WindowMaximized);

  place(Image1, 0, 0, 7335, 4095);

  Command1 = new QPushButton(QStringLiteral("STÄNG"), this);
  place(Command1, 0, 0, 255, 1095);
  Command1->setToolTip(QStringLiteral("STÄNG BILD"));

  ShapeRätt->setBorderColor(QColor(0, 0xFF, 0));
  ShapeRätt->setBorderWidth(2);
  ShapeRätt->hide();

  Label1 = new QLabel(QStringLiteral("FRÅGAN BESVARAD GÅ VIDARE"), this);
  place(Label1, 1920, 960, 2895, 1815);
  styleLabel(Label1, QColor(0, 0, 0xC0), designFont(kArial, 21.75, true), Qt::AlignCenter,
             QColor(0xFF, 0xFF, 0));
  Label1->setWordWrap(true);
  Label1->hide();

  TxtX = new QLineEdit(QStringLiteral("Text1"), this);
  place(TxtX, 3360, 0, 735, 285);
  TxtX->hide();
  TxtY = new QLineEdit(QStringLiteral("Text2"), this);
  place(TxtY, 4680, 0, 735, 285);
  TxtY->hide();

  LblX = new QLabel(QStringLiteral("X"), this);
  placeAt(LblX, 3120, 0);
  LblX->setFont(designFont(kArial, 12, true));
  LblX->adjustSize();
  LblX->hide();
  LblY = new QLabel(QStringLiteral("Y"), this);
  placeAt(LblY, 4440, 0);
  LblY->setFont(designFont(kArial, 12, true));
  LblY->adjustSize();
  LblY->hide();

  // Never shown: only its place feeds the pointer read-out.
  LblTryckyta->setFrameShape(QFrame::Box);
  LblTryckyta->setEnabled(false);
  LblTryckyta->hide();

  // The notice and the controls lie over the picture.
  ShapeRätt->raise();
  Label1->raise();
  Command1->raise();
}

void FrmBild::closeEvent(QCloseEvent* e) {
  e->accept();
  if (onClosed) onClosed();
}
