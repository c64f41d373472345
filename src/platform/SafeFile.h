#pragma once
#include <QByteArray>
#include <QString>
#include <stdexcept>

// A file that could not be written; the text says which file and why, in Swedish.
struct FileError : std::runtime_error {
  FileError(const QString& path, const QString& reason);
  QString path;
  QString reason;
  QString text() const;  // "Filen X kunde inte sparas: reason"
};

// Writes a whole file: to a temporary file beside it, then renamed into place, so the file is
// either complete or as it was before, never half written. Throws FileError.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
