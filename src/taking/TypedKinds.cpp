// The typed-answer step of the presenter: a heading that begins "SVAR" or "BILDSVAR" asks for a
// typed answer; the marker is not shown and the answer box lies over the answer rows.
#include "app/Form1.h"
#include "app/Program.h"
#include "model/Markers.h"
#include "taking/Kinds.h"

namespace kind {
void P2(Program& p) {
  Form1& f = p.form();
  const QString& rubrik = p.table.cell(0, p.aktuellfråga);
  if (ärSvar(rubrik)) {
    f.TxtSvar->show();
    f.TxtFråga[0]->setText(f.TxtFråga[0]->text().mid(4));
  } else {
    f.TxtSvar->hide();
  }
  if (ärBildsvar(rubrik)) {
    f.TxtSvar->show();
    f.TxtFråga[0]->setText(f.TxtFråga[0]->text().mid(8));
  }
}
}  // namespace kind
