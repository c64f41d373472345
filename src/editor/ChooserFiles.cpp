#include "editor/ChooserFiles.h"

#include <QFileInfo>
#include <QLabel>

#include "app/Chooser.h"
#include "app/Program.h"
#include "picture/PictureFile.h"
#include "platform/Dialogs.h"

QString joinFolder(const QString& folder, const QString& fileName) {
  return folder.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
}

QString selectedPath(const Chooser& c) {
  return joinFolder(c.File2->path(), c.File2->fileName());
}

QString selectedExtension(const Chooser& c) {
  return c.File2->fileName().right(3).trimmed().toUpper();
}

QImage loadOrTell(Program& p, const QString& path) {
  QImage picture = loadPicture(path);
  if (picture.isNull())
    p.dialogs().msgBox(
        QStringLiteral("Bilden \"%1\" kunde inte visas: filen saknas, är skadad eller har ett "
                       "format som programmet inte kan läsa.")
            .arg(QFileInfo(path).fileName()));
  return picture;
}

void setChosenName(Chooser& c, const QString& name) {
  c.lblVBild->setText(name);
  c.lblVBild->adjustSize();
}
