#pragma once
#include <QMainWindow>
#include <array>
#include <functional>

#include "app/Controls.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class Chooser;

// The main window: its named controls, placed as designed, with their looks. It holds no
// routine; the wiring connects the controls' events to the handlers.
class Form1 : public QMainWindow {
 public:
  Form1();
  ~Form1() override;

  // The client area all places are measured in.
  QWidget* client = nullptr;

  ClickLabel* Label1 = nullptr;
  ClickLabel* Label2 = nullptr;
  ClickLabel* Label6 = nullptr;
  QPushButton* Command14 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  std::array<TextBox*, 8> TxtFråga{};   // 0 heading, 1 question text, 2..6 rows, 7 target area
  std::array<QCheckBox*, 7> ChkSvar{};  // 2..6
  std::array<Shape*, 7> Shape1{};       // 2..6
  Shape* Shape2 = nullptr;
  TextBox* TxtSvar = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QLabel* LblRätt = nullptr;
  QPushButton* CmdBakåt = nullptr;
  QPushButton* CmdNästa = nullptr;
  ClickLabel* Label3 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command2 = nullptr;
  SortedList* List1 = nullptr;
  TextBox* Text5 = nullptr;
  FileListBox* File1 = nullptr;
  QListWidget* List4 = nullptr;
  QFrame* Frame1 = nullptr;
  PictureBox* Image2 = nullptr;
  Timer Timer1;
  Timer Timer2;
  QGroupBox* Frame2 = nullptr;
  Chooser* bildval = nullptr;  // the picture chooser's controls inside Frame2
  QAction* MnuAvsluta = nullptr;

  // Called when the window is closed through its frame.
  std::function<void()> onClose;

 protected:
  void closeEvent(QCloseEvent* e) override;
};

// "Visible" is the control's own flag, whether or not its window is on screen.
bool visible(const QWidget* w);
