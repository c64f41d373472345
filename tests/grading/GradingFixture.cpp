#include "grading/GradingFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "TestPaths.h"
#include "taking/AnswerMarks.h"

namespace {
QJsonArray scenarios() {
  QFile f(QStringLiteral(LUMIVO_TEST_DATA "/grading/scenarios.json"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(f.readAll()).object().value(u"scenarios").toArray();
}

void setQuestions(Program& p, const QJsonArray& questions) {
  for (const QJsonValue& v : questions) {
    const QJsonObject o = v.toObject();
    const int q = o.value(u"q").toInt();
    const QJsonArray cells = o.value(u"cells").toArray();
    for (int c = 0; c < cells.size(); ++c) p.table.cell(c, q) = cells[c].toString();
    for (const QJsonValue& r : o.value(u"ticks").toArray()) p.marks.at(q, r.toInt()) = 1;
    if (o.contains(u"typed")) p.typed.at(q, 1) = o.value(u"typed").toString();
  }
}
}  // namespace

void GradingFixture::fråga(int q, const QStringList& cells, std::initializer_list<int> ticks,
                           const QString& typed) {
  for (int c = 0; c < cells.size(); ++c) p->table.cell(c, q) = cells[c];
  for (int r : ticks) p->marks.at(q, r) = 1;
  if (!typed.isEmpty()) p->typed.at(q, 1) = typed;
}

void GradingFixture::attempt(const QJsonObject& s) {
  p->INFIL = s.value(u"INFIL").toString();
  p->ANVÄNDARE = s.value(u"ANVÄNDARE").toString();
  p->KLASS = s.value(u"KLASS").toString();
  if (s.contains(u"date")) clock.set(s.value(u"date").toString(), s.value(u"time").toString());
  setQuestions(*p, s.value(u"questions").toArray());
  if (s.contains(u"reload")) {
    // A second, shorter test loaded over the first: ticks go, cells beyond it stay.
    const QJsonObject reload = s.value(u"reload").toObject();
    NollaSvar(*p);
    p->INFIL = reload.value(u"INFIL").toString();
    setQuestions(*p, reload.value(u"questions").toArray());
  }
}

QStringList GradingFixture::workEntries() const {
  return sorted(
      QDir(dir.path())
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

QString GradingFixture::expectedFolder(const QString& scenario) {
  return QStringLiteral(LUMIVO_TEST_DATA "/grading/expected/") + scenario;
}

QJsonObject scenario(const QString& name) {
  for (const QJsonValue& v : scenarios())
    if (v.toObject().value(u"name").toString() == name) return v.toObject();
  ADD_FAILURE() << "no scenario " << name.toStdString();
  return {};
}

QStringList scenarioNames() {
  QStringList names;
  for (const QJsonValue& v : scenarios()) names << v.toObject().value(u"name").toString();
  return names;
}
