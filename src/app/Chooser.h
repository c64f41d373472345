#pragma once
// The picture chooser's controls inside Frame2 "Bildval". A view: the editor's routines
// act on them.
#include <array>

#include "app/Controls.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class Chooser {
 public:
  explicit Chooser(QGroupBox* frame);

  QLabel* Label8 = nullptr;
  QLabel* lblVBild = nullptr;
  PictureBox* imgValdBild = nullptr;
  QComboBox* Drive2 = nullptr;
  QListWidget* Dir2 = nullptr;
  FileListBox* File2 = nullptr;
  QLabel* Label7 = nullptr;
  std::array<QWidget*, 4> Picture{};    // 1..3: the boxes that hold the thumbnails
  std::array<PictureBox*, 4> imgVal{};  // 1..3
  std::array<QLabel*, 4> lblVal{};      // 0..3; 0 is a label nothing changes
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QPushButton* Command16 = nullptr;
  QPushButton* Command17 = nullptr;
  QPushButton* Command15 = nullptr;
};
