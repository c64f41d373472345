#include "source/TestLoader.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <exception>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/Markers.h"
#include "model/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "source/WebSource.h"
#include "taking/AnswerMarks.h"
#include "taking/Navigation.h"

namespace {
// The questions of the loaded test: those before the first end marker. A table without one
// counts up to the last question that holds anything (none in an empty table).
int antalFrågor(const QuestionTable& t) {
  int sista = 0;
  for (int q = 0; q < QuestionTable::kQuestions; ++q) {
    if (ärSlut(t.cell(0, q))) return q;
    for (int c = 0; c < QuestionTable::kCells; ++c)
      if (!t.cell(c, q).isEmpty()) sista = q + 1;
  }
  return sista;
}

// One point for every right answer row of the test's questions.
int maxpoäng(const QuestionTable& t, int frågor) {
  int poäng = 0;
  for (int q = 0; q < frågor; ++q)
    for (int r = 2; r <= 6; ++r)
      if (ärRätt(t.cell(r, q))) ++poäng;
  return poäng;
}
}  // namespace

QString provRubrik(const Program& p) {
  const int frågor = antalFrågor(p.table);
  // A name shortened by repeated saves may have fewer than three characters left.
  const QString namn = p.INFIL.size() >= 3 ? p.INFIL.chopped(3) : QString();
  return QStringLiteral("Du gör nu prov  ") + namn + QStringLiteral("  ") + numberText(frågor) +
         QStringLiteral(" frågor ") + QStringLiteral(" Maxpoäng =") +
         numberText(maxpoäng(p.table, frågor));
}

void VisaStartbild(Program& p, int ms) {
  Form1& f = p.form();
  f.Frame1->move(0, 0);
  f.Frame1->raise();
  f.Frame1->show();
  f.Timer2.setInterval(ms);
}

void Timer2_Timer(Program& p) {
  Form1& f = p.form();
  f.Timer2.setInterval(0);
  f.Frame1->hide();
}

void Command2_Click(Program& p) {
  Form1& f = p.form();
  VisaStartbild(p, 1000);
  p.Var = 0;
  // A download file that cannot be written is no failed transfer: the pupil is told, once the
  // load has shown its question.
  QString diskfel;
  try {
    LaddaTestFilWebb(p);
  } catch (const FileError& e) {
    diskfel = e.text();
  } catch (const std::exception&) {
    // A failed fetch (nothing picked, a transfer that fails, a first field that is not a number)
    // ends the fetch; the cells filled before stay and the load goes on without a message.
  }

  // An exam: no other test can be picked or loaded, and no check or score is offered, for the
  // rest of the run. The comparison is case-sensitive ("Prov" is no exam).
  if (p.INFIL.startsWith(QStringLiteral("prov"))) {
    f.Label2->hide();
    f.Label3->hide();
    f.Command2->hide();
    f.List1->hide();
  } else {
    f.Label2->show();
    f.Label3->show();
  }

  f.Label4->setText(provRubrik(p));
  NollaSvar(p);
  try {
    RaderaTestFilWebb(p);
  } catch (const FileError& e) {
    if (diskfel.isEmpty()) diskfel = e.text();
  }
  CmdBakåt_Click(p);
  if (!diskfel.isEmpty()) p.dialogs().msgBox(diskfel);
}
