// The picture steps of the presenter: the kind of the question, its answer rows, and the
// picture window's place, picture, size, target frame and teacher aids.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <exception>

#include <sys/stat.h>

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

// A file as it is now ("" when there is no such file): its path, and the identity and times of
// change of what lies there. A file replaced through a rename (as downloads are) is another
// inode; one rewritten in place has a later time of change.
QString fileStamp(const QString& path) {
  struct stat s {};
  if (::stat(QFile::encodeName(path).constData(), &s) != 0 || !S_ISREG(s.st_mode)) return QString();
  return path + QStringLiteral("\n%1 %2 %3.%4 %5.%6")
                    .arg(qulonglong(s.st_ino))
                    .arg(qlonglong(s.st_size))
                    .arg(qlonglong(s.st_mtim.tv_sec))
                    .arg(qlonglong(s.st_mtim.tv_nsec))
                    .arg(qlonglong(s.st_ctim.tv_sec))
                    .arg(qlonglong(s.st_ctim.tv_nsec));
}

// Image1 shows the picture of a file, and remembers which file it came from.
void showPictureFile(FrmBild& b, const QString& path) {
  const QString stamp = fileStamp(path);  // taken first: a file changed meanwhile reads anew
  b.Image1->setPicture(loadPicture(path));
  if (b.Image1->hasPicture()) b.Image1File = stamp;
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
  const QString path = picturePath(p, cell8);
  if (p.BILDTYP == kBild && b.Image1->hasPicture()) {
    // Already showing this very file, unchanged since (the nested run has just shown the
    // question): clearing and reading it again would end in the same picture.
    const QString stamp = fileStamp(path);
    if (!stamp.isEmpty() && stamp == b.Image1File) return;
  }
  b.Image1->clearPicture();
  b.Image1File.clear();
  if (p.BILDTYP != kBild) {
    // A question without a picture fetches nothing: a fetch here could only write the last
    // picture fetched into a file named after this question's cell 8 ("bild"), where a later
    // picture-click question would take it for its own picture.
    return;
  }
  showPictureFile(b, path);
  if (b.Image1->hasPicture()) return;

  // Missing here: fetched from the test's folder on the server, saved under its own name.
  p.WebbBild = cell8;
  p.strURL3 = p.strURL2 + cell8;
  try {
    LaddaWebbBild(p);
  } catch (const std::exception&) {
    // A picture the server cannot give stays missing; the window shows none.
  }
  showPictureFile(b, path);
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
