#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {
QString swedishReason(const QFileDevice& f) {
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
  // The bytes must be on disk before the rename: QSaveFile buffers them, and commit() ignores a
  // flush that fails for want of space, so on a full disk it would put an empty file in place
  // of the old one and report success.
  if (f.write(bytes) != bytes.size() || !f.flush()) {
    const QString why = swedishReason(f);
    f.cancelWriting();
    throw FileError(path, why);
  }
  if (::fsync(f.handle()) != 0) {
    const QString why = errno == ENOSPC ? QStringLiteral("disken är full")
                                        : QStringLiteral("skrivningen misslyckades");
    const QString detail = QString::fromLocal8Bit(std::strerror(errno));
    f.cancelWriting();
    throw FileError(path, why + QStringLiteral(" (") + detail + QLatin1Char(')'));
  }
  if (!f.commit()) throw FileError(path, swedishReason(f));
}

void writeScratchFile(const QString& path, const QByteArray& bytes) {
  if (QFileInfo(path).isDir())
    throw FileError(path, QStringLiteral("det finns en mapp med samma namn"));
  // Beside the file, so that the rename stays on one file system and replaces it in one step:
  // the file is complete or as it was, as with writeFileAtomically, only sooner.
  QTemporaryFile f(path + QStringLiteral(".XXXXXX"));
  if (!f.open()) throw FileError(path, swedishReason(f));
  if (f.write(bytes) != bytes.size() || !f.flush()) throw FileError(path, swedishReason(f));
  f.close();
  if (std::rename(QFile::encodeName(f.fileName()).constData(),
                  QFile::encodeName(path).constData()) != 0) {
    const int why = errno;
    throw FileError(path,
                    (why == EACCES || why == EPERM ? QStringLiteral("behörighet saknas")
                                                   : QStringLiteral("filen kunde inte ersättas")) +
                        QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(why)) +
                        QLatin1Char(')'));
  }
  f.setAutoRemove(false);
}
