#include "editor/ChooserInsert.h"

#include <QLabel>

#include "app/Chooser.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/Dialogs.h"

void Command16_Click(Program& p) {
  // Whatever the label holds is stored, also its design text before any choice.
  p.table.cell(8, p.aktuellfråga) = p.form().bildval->lblVBild->text();
  p.dialogs().msgBox(QStringLiteral("Bilden sparad!"));
}
