#include "source/FirstFields.h"

#include "model/FieldReader.h"

QStringList firstFields(const QString& text, qsizetype max) {
  // Every field of a prefix of the text but its last is also a field of the whole text, in the
  // same place: only the last one can be cut short, or be the empty field after a comma that
  // ends the prefix. So a prefix that gives more than `max` fields gives the first `max`
  // exactly. The prefix grows until it does, or until it is the whole text.
  for (qsizetype length = 64 * 1024;; length *= 4) {
    if (length >= text.size()) return readFields(text).mid(0, max);
    QStringList fields = readFields(text.left(length));
    if (fields.size() > max) return fields.mid(0, max);
  }
}
