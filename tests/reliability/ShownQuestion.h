#pragma once
// What the main window must show while a pupil takes a test, checked against the program's
// state: Label5 names aktuellfråga + 1, the text boxes hold that question's cells, and the
// ticks and the typed answer on screen are the stored ones. Used by the soak of the user
// interface and by the fuzz target that loads whole web tests; it needs no test framework.
#include <QCheckBox>
#include <QLabel>
#include <QString>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/Markers.h"

namespace shown {

// The text a box shows for a text set into it: a box of the same kind takes it, so that its
// own handling of line ends and special characters applies alike to both sides.
inline QString asShown(const QString& text) {
  static TextBox* probe = new TextBox(nullptr, true);
  probe->setText(QString());
  probe->setText(text);
  return probe->toPlainText();
}

// The heading as the presenter shows it: without an answer-row marker, and for a typed-answer
// question without its kind marker.
inline QString expectedHeading(const QString& cell0) {
  QString shown = utanRadmärke(cell0);
  if (ärSvar(cell0)) shown = shown.mid(4);
  if (ärBildsvar(cell0)) shown = shown.mid(8);
  return shown;
}

// Empty when the window shows the current question as stored; otherwise what disagrees.
inline QString mismatch(Program& p) {
  Form1& f = p.form();
  const int q = p.aktuellfråga;
  if (q < 0 || q >= QuestionTable::kQuestions)
    return QStringLiteral("aktuellfråga %1 lies outside the table").arg(q);
  if (f.Label5->text() != QString::number(q + 1))
    return QStringLiteral("Label5 shows %1 while aktuellfråga is %2").arg(f.Label5->text()).arg(q);
  for (int c = 0; c <= 7; ++c) {
    const QString cell = p.table.cell(c, q);
    const QString expected = asShown(c == 0 ? expectedHeading(cell) : utanRadmärke(cell));
    if (f.TxtFråga[c]->toPlainText() != expected)
      return QStringLiteral("TxtFråga(%1) shows \"%2\", question %3 holds \"%4\"")
          .arg(c)
          .arg(f.TxtFråga[c]->toPlainText(), QString::number(q + 1), cell);
  }
  for (int r = 2; r <= 6; ++r) {
    if (f.ChkSvar[r]->isChecked() != (p.marks.at(q, r) != 0))
      return QStringLiteral("ChkSvar(%1) shows %2, the stored mark is %3")
          .arg(r)
          .arg(f.ChkSvar[r]->isChecked())
          .arg(p.marks.at(q, r));
  }
  if (f.TxtSvar->text() != p.typed.at(q, 1))
    return QStringLiteral("TxtSvar shows \"%1\", the stored answer is \"%2\"")
        .arg(f.TxtSvar->text(), p.typed.at(q, 1));
  return QString();
}

}  // namespace shown
