#include "editor/ChooserDrop.h"

#include <QLabel>
#include <QStringList>

#include "app/Chooser.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "editor/ChooserFiles.h"
#include "platform/Dialogs.h"

namespace {
const QString kFileTypes =
    QStringLiteral("\r\nTry one of these file types:\r\n\r\n     .txt, .bmp, .exe, .hlp");
}

void imgValdBild_MouseDown(Program& p) {
  p.form().bildval->imgValdBild->beginDrag();
}

void imgVal_DragDrop(Program& p, int i) {
  Chooser& c = *p.form().bildval;
  DropPictureBox* thumbnail = c.imgVal.at(i);
  thumbnail->clearPicture();
  // The drop takes the file selected in File2, not the picture that was dragged.
  static const QStringList shown = {QStringLiteral("BMP"), QStringLiteral("WMF"),
                                    QStringLiteral("JPG")};
  if (shown.contains(selectedExtension(c)))
    thumbnail->setPicture(loadOrTell(p, selectedPath(c)));
  else
    p.dialogs().msgBox(kFileTypes);
  c.lblVal.at(i)->setText(c.lblVBild->text());
}

void Picture1_DragDrop(Program& p) {
  Chooser& c = *p.form().bildval;
  c.Picture[1]->clearPicture();
  if (selectedExtension(c) == QStringLiteral("BMP"))
    c.Picture[1]->setPicture(loadOrTell(p, selectedPath(c)));
  else
    p.dialogs().msgBox(kFileTypes);
}

void imgValdBild_DragDrop(Program&) {
  // Nothing names a thumbnail to take a picture from, so the preview and the chosen name
  // stay as they are.
}
