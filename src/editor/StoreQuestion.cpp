#include "editor/StoreQuestion.h"

#include <QPushButton>
#include <QScrollBar>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/WindowPlace.h"
#include "editor/SaveTest.h"

void Label6_Click(Program& p) {
  Form1& f = p.form();
  f.Label6->hide();
  f.CmdBakåt->show();
  f.CmdNästa->show();
  f.VScroll1->show();
  placeMainWindow(f, 1400, 12300);
  f.Command14->hide();

  const int q = p.aktuellfråga;
  p.table.cell(0, q) = f.TxtFråga[0]->text();
  p.table.cell(1, q) = f.TxtFråga[1]->text();
  // The ticks, not the stored prefixes, say which rows are right; other values leave a row.
  for (int r = 2; r <= 6; ++r) {
    const qint16 mark = p.marks.at(q, r);
    if (mark == 1)
      p.table.cell(r, q) = QStringLiteral("r ") + f.TxtFråga[r]->text();
    else if (mark == 0)
      p.table.cell(r, q) = QStringLiteral("f ") + f.TxtFråga[r]->text();
  }
  SPARAREDIGERATPROV(p);
}
