#pragma once
#include <QWidget>
#include <functional>

#include "app/Controls.h"

class QLabel;
class QLineEdit;
class QPushButton;

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

  // Called when the close box destroys the window.
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* e) override;
};
