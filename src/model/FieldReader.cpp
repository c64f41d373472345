#include "model/FieldReader.h"

#include "model/NumberText.h"

namespace {

QString textOf(const char16_t* begin, const char16_t* end) {
  // Most cells of a test are empty: those need no allocation.
  if (begin == end) return QString();
  return QString(reinterpret_cast<const QChar*>(begin), end - begin);
}

bool endsField(char16_t c) {
  // Every character that ends a field lies at or below ','; one comparison settles
  // nearly all others.
  return c <= u',' && (c == u',' || c == u'\n' || c == u'\r');
}

}  // namespace

QStringList readFields(const QString& text) {
  QStringList fields;
  const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
  const char16_t* const end = p + text.size();
  while (p < end) {
    while (p < end && (*p == u' ' || *p == u'\t')) ++p;
    if (p < end && *p == u'"') {
      const char16_t* const start = ++p;
      while (p < end && *p != u'"') ++p;
      fields.append(textOf(start, p));
      if (p < end) ++p;                       // the closing quote
      while (p < end && !endsField(*p)) ++p;  // anything after it is dropped
    } else {
      const char16_t* const start = p;
      while (p < end && !endsField(*p)) ++p;
      fields.append(textOf(start, p));
    }
    if (p == end) break;
    if (*p == u',') {
      ++p;
      if (p == end) fields.append(QString());  // "a," ends in an empty field
      continue;
    }
    if (*p == u'\r' && p + 1 < end && p[1] == u'\n') ++p;
    ++p;  // the line end
  }
  return fields;
}

QString valueSlot(const QString& field) {
  const std::optional<double> number = strictNumber(field);
  return number ? plainNumber(*number) : field;
}
