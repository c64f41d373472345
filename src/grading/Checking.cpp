#include "grading/Checking.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>

#include "app/Form1.h"
#include "app/Looks.h"
#include "app/Program.h"
#include "model/Markers.h"
#include "picture/FrmBild.h"

namespace {
const QColor kGrön(0x00, 0xFF, 0x00);
const QColor kRöd(0xFF, 0x00, 0x00);
const QColor kRättText(0x00, 0xC0, 0x00);
}  // namespace

void Label3_Click(Program& p) {
  RättaAktuellFråga(p);
}

void RättaAktuellFråga(Program& p) {
  Form1& f = p.form();
  const int q = p.aktuellfråga;

  for (int r = 2; r <= 6; ++r) {
    f.Shape1[r]->hide();
    f.Shape1[r]->setBorderColor(kGrön);
  }

  // The boxes as shown, not the stored marks: on a click-in-picture question they are the
  // ticks the picture window's judgement set.
  for (int r = 2; r <= 6; ++r) {
    const QString& rad = p.table.cell(r, q);
    const bool ikryssad = f.ChkSvar[r]->isChecked();
    if (ärRätt(rad) && ikryssad) {
      f.Shape1[r]->show();
    } else if (ärRätt(rad) && !ikryssad) {
      f.Shape1[r]->setBorderColor(kRöd);
      f.Shape1[r]->show();
    } else if (ärFel(rad) && ikryssad) {
      f.Shape1[r]->setBorderColor(kRöd);
      f.Shape1[r]->show();
    }
  }

  // A typed answer about a picture is right only when it is exactly row 2 as shown.
  if (ärBildsvar(p.table.cell(0, q))) {
    if (p.typed.at(q, 1) != f.TxtFråga[2]->text()) {
      setTextColor(f.LblRätt, kRöd);
      f.LblRätt->setText(QStringLiteral("FEL"));
    } else {
      setTextColor(f.LblRätt, kRättText);
      f.LblRätt->setText(QStringLiteral("RÄTT"));
    }
    f.LblRätt->show();
  }

  // The picture window is used here as anywhere else: a window not made yet is made, hidden.
  FrmBild& bild = p.frmBild();
  bild.ShapeRätt->hide();
  if (visible(&bild)) {
    bild.show();
    bild.raise();
    bild.activateWindow();
  }
}
