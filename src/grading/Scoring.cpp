#include "grading/Scoring.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "model/Markers.h"
#include "model/NumberText.h"

void RättaProv(Program& p) {
  p.AntRätt = 0;
  // Every slot of the table counts; slots past the end of a test are never ticked after a
  // load, so they add nothing.
  for (int n = 0; n < QuestionTable::kQuestions; ++n) {
    for (int r = 2; r <= 6; ++r) {
      const QString& rad = p.table.cell(r, n);
      const qint16 mark = p.marks.at(n, r);
      if (ärRätt(rad) && mark == 1) ++p.AntRätt;
      if (ärFel(rad) && mark == 1) --p.AntRätt;
    }
  }
}

void Label2_Click(Program& p) {
  Form1& f = p.form();
  f.Timer1.setInterval(3000);
  RättaProv(p);
  f.Label2->setText(QStringLiteral("Din Poäng = ") + numberText(p.AntRätt));
  f.Label2->adjustSize();
}

void Timer1_Timer(Program& p) {
  Form1& f = p.form();
  f.Label2->setText(QStringLiteral("Poäng = ?"));
  f.Label2->adjustSize();
  f.Timer1.setInterval(0);
}
