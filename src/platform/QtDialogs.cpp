#include "platform/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// The boxes carry the program's name as their title, as the main window does.
const QString kAppTitle = QStringLiteral("Lumivo");

// A wait cursor set around a download must not stay over a box that waits for the user.
struct NormalCursor {
  int depth = 0;
  NormalCursor() {
    while (QApplication::overrideCursor()) {
      QApplication::restoreOverrideCursor();
      ++depth;
    }
  }
  ~NormalCursor() {
    for (int i = 0; i < depth; ++i) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
};
}  // namespace

void QtDialogs::msgBox(const QString& text) {
  NormalCursor normal;
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent_);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
  NormalCursor normal;
  QInputDialog box(parent_);
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setTextValue(defaultText);
  // Set here rather than left to Qt's translation catalogues, which Debian ships incomplete.
  box.setOkButtonText(QStringLiteral("OK"));
  box.setCancelButtonText(QStringLiteral("Avbryt"));
  box.setWindowModality(Qt::ApplicationModal);
  if (box.exec() != QDialog::Accepted) return QString();
  return box.textValue();
}
