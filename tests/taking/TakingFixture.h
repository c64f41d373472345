#pragma once
// A program with a test laid straight into its question table, so that the moves between
// questions can be tried without a server.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/Form1.h"
#include "model/QtPrinters.h"
#include "support/ProgramFixture.h"
#include "taking/Navigation.h"

class TakingFixture : public ProgramFixture {
 protected:
  // n questions ("Fråga 1" ...), then the end marker unless endMarker is false. The scroll
  // bar's maximum is n - 1, as the web source sets it for such a test.
  void läggTest(int n, bool slutmärke = true) {
    for (int q = 0; q < n; ++q) {
      p->table.cell(0, q) = QStringLiteral("Fråga %1").arg(q + 1);
      p->table.cell(1, q) = QStringLiteral("Text %1").arg(q + 1);
      p->table.cell(2, q) = QStringLiteral("r Ja %1").arg(q + 1);
      p->table.cell(3, q) = QStringLiteral("f Nej %1").arg(q + 1);
      p->table.cell(8, q) = QStringLiteral("bild");
    }
    if (slutmärke) p->table.cell(0, n) = QStringLiteral("SLUT");
    form().VScroll1->setMaximum(n - 1);
  }

  // The window as the start-up leaves it: question 0 shown, "BACKA" pressed in code.
  void börja() {
    p->aktuellfråga = 0;
    CmdBakåt_Click(*p);
  }

  // Puts the pupil on question q (by the scroll bar), both buttons offered, no messages yet.
  void ställPå(int q) {
    form().VScroll1->setValue(q);
    ASSERT_EQ(p->aktuellfråga, q);
    form().CmdBakåt->show();
    form().CmdNästa->show();
    dialogs.messages.clear();
  }

  // A click as the pupil makes it: only on a button that is offered.
  void klicka(QPushButton* knapp) {
    ASSERT_TRUE(visible(knapp)) << knapp->text().toStdString() << " is not offered";
    knapp->click();
  }

  // The question on screen is the current one: its number and texts.
  void visarAktuell() {
    const int q = p->aktuellfråga;
    ASSERT_GE(q, 0);
    ASSERT_LE(q, 200);
    EXPECT_EQ(form().Label5->text(), QString::number(q + 1));
    EXPECT_EQ(form().TxtFråga[1]->text(), p->table.cell(1, q)) << "question " << q;
    EXPECT_EQ(form().TxtFråga[7]->text(), p->table.cell(7, q)) << "question " << q;
  }

  // Messages other than "SISTA FRÅGAN", e.g. a failure that reached the user.
  QStringList andraMeddelanden() const {
    QStringList m = dialogs.messages;
    m.removeAll(QStringLiteral("SISTA FRÅGAN"));
    return m;
  }
  // Where a part of the scroll bar (its box, its track above or below the box) lies now.
  QRect rullningsdel(QStyle::SubControl del) {
    QScrollBar* s = form().VScroll1;
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.subControls = QStyle::SC_All;
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.sliderValue = s->value();
    opt.singleStep = s->singleStep();
    opt.pageStep = s->pageStep();
    opt.upsideDown = s->invertedAppearance();
    if (s->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    return s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, del, s);
  }

  // The mouse on the scroll bar, as the pupil uses it.
  void mus(QEvent::Type typ, QPoint var, Qt::MouseButtons knappar) {
    QScrollBar* s = form().VScroll1;
    QMouseEvent e(typ, QPointF(var), QPointF(s->mapToGlobal(var)), Qt::LeftButton, knappar,
                  Qt::NoModifier);
    QApplication::sendEvent(s, &e);
  }
  void klickaIRullningslisten(QPoint var) {
    mus(QEvent::MouseButtonPress, var, Qt::LeftButton);
    mus(QEvent::MouseButtonRelease, var, Qt::NoButton);
  }

  int sistaFrågan() const { return int(dialogs.messages.count(QStringLiteral("SISTA FRÅGAN"))); }
};
