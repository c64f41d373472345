#include "editor/ChooserBrowse.h"

#include <QLabel>

#include "app/Chooser.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "editor/ChooserFiles.h"

void Drive2_Change(Program& p) {
  Chooser& c = *p.form().bildval;
  c.Dir2->setPath(c.Drive2->drive());
}

void Dir2_Change(Program& p) {
  Chooser& c = *p.form().bildval;
  c.File2->setPath(c.Dir2->path());
  c.Label7->setText(c.Dir2->path());
}

void File2_Click(Program& p) {
  Chooser& c = *p.form().bildval;
  const QString name = c.File2->fileName();
  setChosenName(c, name);
  c.imgValdBild->setPicture(loadOrTell(p, joinFolder(c.Dir2->path(), name)));
}

void imgVal_Click(Program& p, int i) {
  Chooser& c = *p.form().bildval;
  c.imgValdBild->setPicture(c.imgVal.at(i)->picture());
  setChosenName(c, c.lblVal.at(i)->text());
}
