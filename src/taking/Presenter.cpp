#include "taking/Presenter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <exception>

#include "app/Form1.h"
#include "app/Program.h"
#include "model/Markers.h"
#include "platform/Dialogs.h"
#include "taking/Kinds.h"

namespace {
const QString kNästa = QStringLiteral("NÄSTA");
const QString kBacka = QStringLiteral("BACKA");
const QString kVscha = QStringLiteral("VSCHA");
const QString kVsscr = QStringLiteral("VSSCR");
const QString kSistaFrågan = QStringLiteral("SISTA FRÅGAN");

// The question the scroll bar names. A bar whose range was set outside the table still names a
// question of the table: its far ends name the first and the last.
qint16 frågaIRullningslisten(Program& p) {
  return qint16(qBound(0, scrollVärde(p), QuestionTable::kQuestions - 1));
}

// A message box that comes up while the pupil drags the scroll box or holds an arrow takes the
// mouse, and the bar never hears the button go up: a drag would stay held, its value behind the
// question shown, and a held arrow would go on stepping under the box. So the bar is let go here,
// quietly: a dragged box leaves the value at the dragged question.
void släppRullningslisten(Program& p) {
  QScrollBar* s = p.form().VScroll1;
  const QSignalBlocker tyst(s);
  QMouseEvent släpp(QEvent::MouseButtonRelease, QPointF(), s->mapToGlobal(QPointF()),
                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(s, &släpp);
  if (s->isSliderDown()) s->setSliderDown(false);  // a drag begun without the mouse
}

bool frånRullningslisten(const Program& p) {
  return p.Riktning == kVscha || p.Riktning == kVsscr;
}

// The question after q ends the test: its heading begins "SLUT", or it lies past the last
// question the table holds (a test without an end marker stops at question 200).
bool slutEfter(const Program& p, int q) {
  const int nästa = q + 1;
  if (nästa < 0 || nästa >= QuestionTable::kQuestions) return true;
  return ärSlut(p.table.cell(0, nästa));
}

// A picture step that fails (a picture that cannot be read, a fetch that fails, a target field
// that is not a number) is skipped, and the question is shown all the same.
void steg(Program& p, void (*step)(Program&)) {
  try {
    step(p);
  } catch (const std::exception&) {
  }
}

// The display phase: the question's texts, the pupil's marks, its kind, answer rows and picture.
void visaFråga(Program& p) {
  Form1& f = p.form();
  f.Label5->setText(QString::number(p.aktuellfråga + 1));

  // A new value runs the presenter again, nested, on the same question before this run goes on.
  // While the pupil drags, the bar already stands where it should; its value follows on release.
  if (!f.VScroll1->isSliderDown() && frågaIRullningslisten(p) != p.aktuellfråga)
    f.VScroll1->setValue(p.aktuellfråga);
  // The nested run may have taken the question from a bar whose range stops short of it.
  const int q = p.aktuellfråga;
  f.Label5->setText(QString::number(q + 1));

  for (int c = 0; c <= 7; ++c) f.TxtFråga[c]->setText(utanRadmärke(p.table.cell(c, q)));
  f.TxtSvar->setText(p.typed.at(q, 1));
  for (int r = 2; r <= 6; ++r) f.ChkSvar[r]->setChecked(p.marks.at(q, r) != 0);

  kind::P2(p);

  steg(p, kind::P3);
  steg(p, kind::P4);
  steg(p, kind::P5);
  steg(p, kind::P6);
  steg(p, kind::P7);
  steg(p, kind::P8);
  steg(p, kind::P9);

  // The answer frames a check drew belong to the question left.
  for (int r = 2; r <= 6; ++r) {
    f.Shape1[r]->hide();
    f.Shape1[r]->setBorderColor(QColor(0x00, 0xFF, 0x00));
  }
}
}  // namespace

int scrollVärde(Program& p) {
  const QScrollBar* s = p.form().VScroll1;
  return s->isSliderDown() ? s->sliderPosition() : s->value();
}

void VäxlaFråga(Program& p) {
  Form1& f = p.form();
  qint16& q = p.aktuellfråga;

  // Navigation phase.
  kind::P1(p);
  if (frånRullningslisten(p)) q = frågaIRullningslisten(p);
  if (p.Riktning == kNästa) f.CmdBakåt->show();
  if (p.Riktning == kBacka) f.CmdNästa->show();
  if (p.Riktning == kBacka && q < 1) f.CmdBakåt->hide();
  if (p.Riktning == kBacka && q > 0) q = qint16(q - 1);

  bool visa = true;
  if (p.Riktning == kNästa && slutEfter(p, q)) {
    // Nothing moves and the question on screen stays.
    f.CmdNästa->hide();
    visa = false;
  } else if (frånRullningslisten(p) && slutEfter(p, q)) {
    f.CmdNästa->hide();
    släppRullningslisten(p);
    p.dialogs().msgBox(kSistaFrågan);
    // The bar has chosen the last question: it is shown, so that the question on screen and
    // aktuellfråga agree.
  } else if (p.Riktning == kNästa) {
    q = qint16(q + 1);
  }

  if (visa) visaFråga(p);

  // End phase. A nested run from the scroll bar leaves Riktning "VSCHA", so arriving at the last
  // question by "NÄSTA" gives one message, from the nested run.
  if (p.Riktning == kNästa && !visible(f.CmdNästa)) p.dialogs().msgBox(kSistaFrågan);
  steg(p, kind::P10);
  steg(p, kind::P11);
}
