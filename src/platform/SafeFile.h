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

// Writes a whole scratch file, one the program makes again whenever it needs it ("temp.txt"), as
// writeFileAtomically does (complete or as it was before) but without waiting until the disk
// holds it, a wait of milliseconds at every test load. Throws FileError.
void writeScratchFile(const QString& path, const QByteArray& bytes);
