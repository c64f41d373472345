#include <QString>
#include <QStringList>

#include "fuzz/FuzzChecks.h"
#include "model/Cp1252.h"
#include "model/FieldReader.h"
#include "source/FirstFields.h"

void checkFields(const uint8_t* data, size_t size) {
  if (size == 0) return;
  const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
  QString text = fromCp1252(bytes);

  // Every byte is some character: the text is as long as the bytes.
  if (text.size() != bytes.size()) fuzzFail("fields", "Windows-1252 lost or added characters");
  if ((data[0] & 7) == 7) {
    // One input in eight: long enough that firstFields reads prefixes of the text, not the whole of
    // it.
    const QString piece = text.isEmpty() ? QStringLiteral(",") : text;
    while (text.size() < 70 * 1024) text += piece;
  }

  const QStringList fields = readFields(text);
  qsizetype ends = 0;
  for (QChar c : text)
    if (c == u',' || c == u'\n' || c == u'\r') ++ends;
  if (fields.size() > ends + 1) fuzzFail("fields", "more fields than field ends");
  for (const QString& f : fields) (void)valueSlot(f);

  const qsizetype wanted = data[0] >> 3;
  if (firstFields(text, wanted) != fields.mid(0, wanted))
    fuzzFail("fields", "firstFields differs from the start of readFields");
  if (firstFields(text, fields.size() + 1) != fields)
    fuzzFail("fields", "firstFields of all fields differs from readFields");
}
