#include "editor/ChooserOpen.h"

#include <QGroupBox>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/Twips.h"
#include "app/WindowPlace.h"

namespace {
void closeChooser(Form1& f) {
  placeAt(f.Frame2, 15000, 0);
  placeMainWindow(f, 1350, 12300);
}
}  // namespace

void Command14_Click(Program& p) {
  Form1& f = p.form();
  f.Frame2->setGeometry(tw(4450), tw(0), tw(9975), f.Frame2->height());
  placeMainWindow(f, 500, 14550);
}

void Command15_Click(Program& p) {
  closeChooser(p.form());
}

void Frame2_DblClick(Program& p) {
  closeChooser(p.form());
}
