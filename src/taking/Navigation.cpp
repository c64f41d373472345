#include "taking/Navigation.h"

#include <QLabel>
#include <QScrollBar>

#include "app/Form1.h"
#include "app/Program.h"
#include "picture/FrmBild.h"
#include "taking/Presenter.h"

void CmdBakåt_Click(Program& p) {
  p.frmBild().Label1->hide();
  p.Klick = 0;
  p.Riktning = QStringLiteral("BACKA");
  VäxlaFråga(p);
  p.form().LblRätt->hide();
}

void CmdNästa_Click(Program& p) {
  p.form().VScroll1->show();
  p.frmBild().Label1->hide();
  p.Klick = 0;
  p.Riktning = QStringLiteral("NÄSTA");
  VäxlaFråga(p);
  p.form().LblRätt->hide();
}

void VScroll1_Change(Program& p) {
  p.Riktning = QStringLiteral("VSCHA");
  VäxlaFråga(p);
}

void VScroll1_Scroll(Program& p) {
  p.Riktning = QStringLiteral("VSSCR");
  VäxlaFråga(p);
}
