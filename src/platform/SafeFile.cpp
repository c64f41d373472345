#include "platform/SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
QString swedishReason(const QSaveFile& f) {
  QString why;
  switch (f.error()) {
    case QFileDevice::PermissionsError:
      why = QStringLiteral("behörighet saknas");
      break;
    case QFileDevice::ResourceError:
      why = QStringLiteral("disken är full eller resurserna räcker inte");
      break;
    case QFileDevice::WriteError:
      why = QStringLiteral("skrivningen misslyckades");
      break;
    default:
      why = QStringLiteral("filen kunde inte skapas");
      break;
  }
  return why + QStringLiteral(" (") + f.errorString() + QLatin1Char(')');
}
}  // namespace

FileError::FileError(const QString& p, const QString& r)
    : std::runtime_error((p + QStringLiteral(": ") + r).toStdString()), path(p), reason(r) {}

QString FileError::text() const {
  return QStringLiteral("Filen \"%1\" kunde inte sparas: %2")
      .arg(QFileInfo(path).fileName(), reason);
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
  if (QFileInfo(path).isDir())
    throw FileError(path, QStringLiteral("det finns en mapp med samma namn"));
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) throw FileError(path, swedishReason(f));
  if (f.write(bytes) != bytes.size()) {
    const QString why = swedishReason(f);
    f.cancelWriting();
    throw FileError(path, why);
  }
  if (!f.commit()) throw FileError(path, swedishReason(f));
}
