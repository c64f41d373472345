#include "picture/ClickFlow.h"

#include <QCheckBox>
#include <QLabel>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/NumberText.h"
#include "picture/FrmBild.h"
#include "picture/TargetArea.h"
#include "platform/Dialogs.h"

void KlickBild(Program& p) {
  Form1& f = p.form();
  f.Shape2->show();
  for (int row = 2; row <= 6; ++row) {
    f.TxtFråga[row]->hide();
    f.ChkSvar[row]->hide();
  }
  p.BILDTYP = QStringLiteral("BILD");

  FrmBild& b = p.frmBild();
  if (f.ChkSvar[2]->isChecked() && p.Klick == 1) {
    FråganBesvarad(b);
    b.Label1->show();
  }
  if (p.Klick != 1) return;

  // The frame's edges set here last only until the presenter reads the whole frame from
  // cell 7; a field that is not a number ends the routine quietly.
  const QString cell7 = p.table.cell(7, p.aktuellfråga);
  const auto left = klickLeft(cell7);
  if (!left || !b.ShapeRättPlace.setLeft(*left)) return;
  p.dialogs().msgBox(QStringLiteral("KLICK I KBIL") + numberText(b.ShapeRättPlace.left()));

  if (p.Klick == 1) {
    const auto top = klickTop(cell7);
    if (!top) return;
    b.ShapeRättPlace.setTop(*top);
  }
}

void FråganBesvarad(FrmBild& b) {
  b.Label1->move(b.width() / 2 - b.Label1->width() / 2, b.Label1->y());
}
