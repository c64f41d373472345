#include "picture/PictureWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/NumberText.h"
#include "picture/FrmBild.h"
#include "picture/TargetArea.h"
#include "platform/Dialogs.h"

namespace {
// The picture lies at 250, 150 in the window; the read-out shows the marker's place against
// that corner.
constexpr double kPictureLeft = 250;
constexpr double kPictureTop = 150;
// The judged position is offset by a little less than the picture's place. Teachers read it
// from TxtX and TxtY to write cell 7, so the target areas of existing tests use these figures.
constexpr double kJudgedX = 240;
constexpr double kJudgedY = 135;
}  // namespace

void Image1_MouseMove(Program& p, Qt::MouseButtons buttons, double x, double y) {
  FrmBild& b = p.frmBild();
  const TwipsPlace& m = b.LblTryckytaPlace;
  const double l = m.left(), t = m.top(), w = m.width(), h = m.height();
  b.setWindowTitle(QStringLiteral("BILD    X=") + numberText(x) + QStringLiteral(" Y=") +
                   numberText(y) + QStringLiteral("     X") + numberText(l - kPictureLeft) +
                   QStringLiteral(" -") + numberText(l + w - kPictureLeft) + QStringLiteral(".Y") +
                   numberText(t - kPictureTop) + QStringLiteral(" -") +
                   numberText(t + h - kPictureTop));
  b.TxtX->setText(plainNumber(x + kJudgedX));
  b.TxtY->setText(plainNumber(y + kJudgedY));
  // The marker takes the picture coordinates as window coordinates, unchanged.
  if (buttons != Qt::NoButton) {
    b.LblTryckytaPlace.setLeft(x);
    b.LblTryckytaPlace.setTop(y);
  }
}

void Image1_Click(Program& p) {
  Form1& f = p.form();
  if (f.ChkSvar[2]->isChecked() || f.ChkSvar[3]->isChecked()) return;  // answered already

  FrmBild& b = p.frmBild();
  const JudgedArea area = judgedArea(f.TxtFråga[7]->text());
  const double x = leadingNumber(b.TxtX->text());
  const double y = leadingNumber(b.TxtY->text());
  if (p.Klick != 1) return;

  // Each tick is stored in the marks through the check box's own event; the order of the
  // ticks around the message is the one the marks rely on.
  if (isInside(area, x, y)) {
    f.ChkSvar[2]->setChecked(true);
    p.dialogs().msgBox(QStringLiteral("BRA Du hittade RÄTT"));
    f.ChkSvar[3]->setChecked(false);
  } else {
    f.ChkSvar[3]->setChecked(true);
    p.dialogs().msgBox(QStringLiteral("SORRY!"));
    f.ChkSvar[2]->setChecked(true);
  }
}

void Command1_Click(Program& p) {
  p.frmBild().hide();
}
