#include "app/Chooser.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/Looks.h"
#include "app/Twips.h"

namespace {
constexpr std::array<int, 4> kBoxLefts = {0, 840, 3000, 5160};
}

Chooser::Chooser(QGroupBox* frame) {
  Label8 = new QLabel(QStringLiteral("Vald bild:"), frame);
  placeAt(Label8, 240, 240);
  Label8->setFont(designFont(kSansSerif, 8.25, true));
  Label8->adjustSize();

  lblVBild = new QLabel(QStringLiteral("lblVBild"), frame);
  placeAt(lblVBild, 1320, 240);
  lblVBild->setFont(designFont(kSansSerif, 8.25, true));
  lblVBild->adjustSize();

  imgValdBild = new PictureBox(frame, true);
  place(imgValdBild, 240, 600, 6975, 5535);
  imgValdBild->setFrameShape(QFrame::Box);

  Drive2 = new QComboBox(frame);
  place(Drive2, 7320, 240, 2535, 315);
  Dir2 = new QListWidget(frame);
  place(Dir2, 7320, 600, 2535, 1215);
  File2 = new FileListBox(frame, QStringLiteral("*.bmp;*.jpg;*.gif;*.wmf;*.jpeg"));
  place(File2, 7320, 1800, 2535, 3795);

  Label7 = new QLabel(QStringLiteral("Left 6120    Top 8295"), frame);
  place(Label7, 7320, 5880, 2535, 255);
  Label7->setAlignment(Qt::AlignCenter);
  Label7->setFont(designFont(kSansSerif, 8.25, true));

  lblVal[0] = new QLabel(QStringLiteral("lblVal"), frame);
  placeAt(lblVal[0], 7320, 5640);
  lblVal[0]->adjustSize();
  for (int i = 1; i <= 3; ++i) {
    Picture[i] = new QWidget(frame);
    place(Picture[i], kBoxLefts[i], 6240, 2055 + 60, 1815 + 60);
    Picture[i]->setAutoFillBackground(true);
    imgVal[i] = new PictureBox(Picture[i], true);
    place(imgVal[i], 30, 30, 2055, 1815);
    lblVal[i] = new QLabel(QStringLiteral("lblVal"), frame);
    place(lblVal[i], kBoxLefts[i], 8040, 2055, 255);
  }
  Label10 = new QLabel(QStringLiteral("Label10"), frame);
  placeAt(Label10, 240, 6000);
  Label10->adjustSize();
  Label11 = new QLabel(QStringLiteral("Label11"), frame);
  placeAt(Label11, 1320, 6000);
  Label11->adjustSize();

  Command16 = new QPushButton(QStringLiteral("INFOGA BILD"), frame);
  place(Command16, 7680, 6240, 1815, 375);
  styleButton(Command16, QColor(0xC0, 0xFF, 0xC0), designFont(kSansSerif, 8.25, true));
  Command17 = new QPushButton(QStringLiteral("INGEN BILD"), frame);
  place(Command17, 7680, 6720, 1815, 375);
  Command15 = new QPushButton(QStringLiteral("STÄNG BILDVAL"), frame);
  place(Command15, 7680, 7200, 1815, 375);
}
