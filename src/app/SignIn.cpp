#include "app/SignIn.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/TeacherCheck.h"
#include "platform/Dialogs.h"

void LICENS(Program& p) {
  const QString gäst = QStringLiteral("GÄST");
  p.ANVÄNDARE = gäst;
  const QString svar =
      p.dialogs().inputBox(QStringLiteral("ANGE NAMN"), QStringLiteral("NAMN"), QString());
  if (svar != p.ANVÄNDARE) p.ANVÄNDARE = svar;
  if (svar == kLärarkod) p.ANVÄNDARE = QStringLiteral("LÄRARE");
  if (svar.isEmpty()) p.ANVÄNDARE = gäst;

  Form1& f = p.form();
  if (svar == kRedigeringskod) {
    // The class is not asked for and keeps what it was.
    f.Label1->setText(QStringLiteral("LÄRARE"));
  } else {
    p.KLASS =
        p.dialogs().inputBox(QStringLiteral("ANGE KLASS"), QStringLiteral("KLASS?"), QString());
    f.Label1->setText(p.ANVÄNDARE + QStringLiteral(" ") + p.KLASS);
  }
  // Whoever Label1 names as "LÄRARE…" edits, also a pupil who typed that as a name.
  if (ärLärare(p)) REDIGERAFRÅGA(p);
}

void Label1_DblClick(Program& p) {
  LICENS(p);
}

void REDIGERAFRÅGA(Program& p) {
  Form1& f = p.form();
  f.Label6->show();
  f.CmdBakåt->hide();
  f.CmdNästa->hide();
  f.VScroll1->hide();
  f.Command14->show();
}
