// The picture steps of the presenter: the kind of the question, its answer rows, and the
// picture window's place, picture, size, target frame and teacher aids.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <exception>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/TeacherCheck.h"
#include "app/Twips.h"
#include "model/Markers.h"
#include "picture/ClickFlow.h"
#include "picture/FrmBild.h"
#include "picture/PictureFile.h"
#include "picture/TargetArea.h"
#include "source/WebSource.h"
#include "taking/Kinds.h"

namespace {
const QString kBild = QStringLiteral("BILD");
const QString kKlic = QStringLiteral("KLIC");

const QString& cell(Program& p, int c) {
  return p.table.cell(c, p.aktuellfråga);
}

// Cell 8 names the picture file; a relative name lies in the working folder.
QString picturePath(Program& p, const QString& cell8) {
  return QDir::isAbsolutePath(cell8) ? cell8 : p.inWorkDir(cell8);
}
}  // namespace

namespace kind {

void P1(Program& p) {
  FrmBild& b = p.frmBild();
  b.ShapeRätt->hide();
  if (ärLärare(p)) b.ShapeRätt->show();
}

void P3(Program& p) {
  p.BILDTYP = cell(p, 0).left(4);
  if (!utanBild(cell(p, 8))) p.BILDTYP = kBild;
  if (p.BILDTYP == kKlic) p.Klick = 1;
}

void P4(Program& p) {
  Form1& f = p.form();
  f.Shape2->hide();
  for (int row = 2; row <= 6; ++row) {
    f.TxtFråga[row]->show();
    f.ChkSvar[row]->show();
  }
  if (ärReserv(cell(p, 6))) {
    f.TxtFråga[6]->hide();
    f.ChkSvar[6]->hide();
  }
}

void P5(Program& p) {
  if (p.BILDTYP == kKlic) KlickBild(p);
}

void P6(Program& p) {
  if (p.BILDTYP != kBild) return;
  FrmBild& b = p.frmBild();
  b.setWindowState(Qt::WindowNoState);
  b.move(tw(7600), tw(2300));  // the window's top-left corner on the screen
}

void P7(Program& p) {
  FrmBild& b = p.frmBild();
  if (cell(p, 8).size() > 5 && p.BILDTYP == kBild) {
    b.show();
    b.raise();
    b.activateWindow();
  } else if (p.BILDTYP != kBild) {
    b.hide();
  }
}

void P8(Program& p) {
  FrmBild& b = p.frmBild();
  const QString cell8 = cell(p, 8);
  b.Image1->clearPicture();
  if (p.BILDTYP != kBild) {
    // A question without a picture fetches nothing: a fetch here could only write the last
    // picture fetched into a file named after this question's cell 8 ("bild"), where a later
    // picture-click question would take it for its own picture.
    return;
  }
  b.Image1->setPicture(loadPicture(picturePath(p, cell8)));
  if (b.Image1->hasPicture()) return;

  // Missing here: fetched from the test's folder on the server, saved under its own name.
  p.WebbBild = cell8;
  p.strURL3 = p.strURL2 + cell8;
  try {
    LaddaWebbBild(p);
  } catch (const std::exception&) {
    // A picture the server cannot give stays missing; the window shows none.
  }
  b.Image1->setPicture(loadPicture(picturePath(p, cell8)));
}

void P9(Program& p) {
  if (p.BILDTYP != kBild) return;
  FrmBild& b = p.frmBild();
  // The designed width and height are taken as the size of the window's client area.
  b.resize(tw(toTwips(b.Image1->width()) + 500), tw(toTwips(b.Image1->height()) + 500));
  placeAt(b.Image1, 250, 150);
}

void P10(Program& p) {
  if (p.Klick != 1) return;
  const FrameArea a = frameArea(cell(p, 7));
  TwipsPlace& frame = p.frmBild().ShapeRättPlace;
  // An edge that is not a number, or a size the frame cannot take, leaves that edge as it was.
  if (a.left) frame.setLeft(*a.left);
  if (a.top) frame.setTop(*a.top);
  if (a.width) frame.setWidth(*a.width);
  if (a.height) frame.setHeight(*a.height);
}

void P11(Program& p) {
  if (!ärLärare(p) || p.Klick != 1) return;
  FrmBild& b = p.frmBild();
  b.ShapeRätt->show();
  b.TxtX->show();
  b.LblX->show();
  b.TxtY->show();
  b.LblY->show();
}

}  // namespace kind
