#pragma once
#include <QWidget>
#include <functional>

#include "app/Controls.h"

class QLabel;
class QLineEdit;
class QPushButton;

// A control's place in twips, kept as set. Pixels hold a place only to the nearest 15 twips,
// while the target frame and the marker are read back in twips (a left edge of 590 must read
// 590, not 585).
class TwipsPlace {
 public:
  TwipsPlace(QWidget* control, double left, double top, double width, double height);
  double left() const { return left_; }
  double top() const { return top_; }
  double width() const { return width_; }
  double height() const { return height_; }
  // Each setter refuses what the view cannot take (a value that is not finite or lies beyond
  // kLimit twips, a negative size): it leaves the place as it was and returns false.
  bool setLeft(double twips);
  bool setTop(double twips);
  bool setWidth(double twips);
  bool setHeight(double twips);

  static constexpr double kLimit = 15.0 * 32767;

 private:
  void apply();
  QWidget* control_;
  double left_, top_, width_, height_;
};

// The picture window: the picture of the current question, the target frame, the answered
// notice and the teacher's coordinate fields. A view; the picture routines act on it.
class FrmBild : public QWidget {
 public:
  FrmBild();

  PictureBox* Image1 = nullptr;
  QPushButton* Command1 = nullptr;
  Shape* ShapeRätt = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* TxtX = nullptr;
  QLineEdit* TxtY = nullptr;
  QLabel* LblX = nullptr;
  QLabel* LblY = nullptr;
  QLabel* LblTryckyta = nullptr;

  // The places of the target frame and of the marker, in twips.
  TwipsPlace ShapeRättPlace;
  TwipsPlace LblTryckytaPlace;

  // The file Image1's picture was read from, with its size and time of change then (empty when
  // Image1 holds none): the presenter's nested run and its outer run show the same question, and
  // the second need not decode the same picture again.
  QString Image1File;

  // Called when the close box destroys the window.
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* e) override;
};
