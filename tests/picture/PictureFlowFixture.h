#pragma once
// A program with a test in its table, shown through the real presenter and the real picture
// window, and pictures made on the spot.
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "app/Twips.h"
#include "model/QtPrinters.h"
#include "picture/FrmBild.h"
#include "support/ProgramFixture.h"
#include "taking/Navigation.h"

// A PNG of the given size in pixels.
inline QByteArray pngBytes(int width, int height, QColor colour = QColor(0x20, 0x80, 0xC0)) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Cell 7 of the sample area: 590 to 1040 across, 150 to 465 down.
inline const QString kArea = QStringLiteral("X0590-1040.Y0150-0465");

class PictureFlowFixture : public ProgramFixture {
 protected:
  // The test "t.tst" as loaded from the loopback server: its questions in the table, its folder
  // address in strURL2.
  void load(const std::vector<QStringList>& questions) {
    for (size_t q = 0; q < questions.size(); ++q)
      for (int c = 0; c < questions[q].size(); ++c) p->table.cell(c, int(q)) = questions[q][c];
    p->strURL2 = server.address() + QStringLiteral("distanstest/t/");
  }
  // Shows question q as "BACKA" does from the question after it.
  void show(int q) {
    p->aktuellfråga = qint16(q == 0 ? 0 : q + 1);
    CmdBakåt_Click(*p);
    ASSERT_EQ(p->aktuellfråga, q);
  }
  void becomeTeacher() { form().Label1->setText(QStringLiteral("LÄRARE")); }

  FrmBild& bild() { return p->frmBild(); }
  bool ticked(int row) { return form().ChkSvar[row]->isChecked(); }

  // A picture-click question on "bild" with the given target area; rows 2 and 3 score a hit.
  static QStringList clickQuestion(const QString& cell7 = kArea) {
    return question(QStringLiteral("KLIC Klicka på målet"), QStringLiteral("Var ligger målet?"),
                    {QStringLiteral("r Besvarad"), QStringLiteral("f Miss")}, cell7,
                    QStringLiteral("bild"));
  }
  static QStringList plainQuestion(const QString& heading = QStringLiteral("Fråga 1")) {
    return question(heading, QStringLiteral("Vad?"), {QStringLiteral("r Ja"), "f Nej"});
  }
  static QStringList pictureQuestion(const QString& picture,
                                     const QString& heading = QStringLiteral("Fråga 2")) {
    return question(heading, QStringLiteral("Vad visar bilden?"), {QStringLiteral("r Ja")},
                    QString(), picture);
  }
};
