#include "source/SourceFixture.h"

#include <unistd.h>

#include "model/Cp1252.h"

void SourceFixture::pick(const QString& name) {
  form().Text5->setText(name);
}

std::unique_ptr<Program> SourceFixture::programAt(const QString& serverAddress, Http* client) {
  return std::make_unique<Program>(
      Services{client ? *client : http, dialogs, clock, dir.path(), serverAddress});
}

QByteArray SourceFixture::testText(const QString& field0, const QStringList& cells) {
  QString text = field0 + QStringLiteral("\r\n");
  for (const QString& c : cells) text += c + QStringLiteral("\r\n");
  return toCp1252(text);
}

QStringList SourceFixture::numberedCells(int count) {
  QStringList cells;
  for (int i = 0; i < count; ++i) cells << QStringLiteral("c%1").arg(i);
  return cells;
}
