// The one place where the controls' events meet their handlers.
#include "app/Wiring.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <exception>

#include "app/Chooser.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SignIn.h"
#include "editor/ChooserBrowse.h"
#include "editor/ChooserDrop.h"
#include "editor/ChooserInsert.h"
#include "editor/ChooserOpen.h"
#include "editor/StoreQuestion.h"
#include "grading/Checking.h"
#include "grading/Finishing.h"
#include "grading/Scoring.h"
#include "picture/FrmBild.h"
#include "picture/PictureWindow.h"
#include "platform/Dialogs.h"
#include "source/TestLoader.h"
#include "source/TestList.h"
#include "taking/AnswerMarks.h"
#include "taking/Navigation.h"

void runHandler(Program& p, const char* name, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    p.dialogs().msgBox(QStringLiteral("Ett oväntat fel inträffade i %1:\r\n%2")
                           .arg(QString::fromUtf8(name), QString::fromUtf8(e.what())));
  }
}

namespace {
// Connects a signal to a handler run through runHandler.
template <typename Sender, typename Signal, typename Handler>
void on(Program& p, Sender* sender, Signal signal, const char* name, Handler handler) {
  QObject::connect(sender, signal, sender,
                   [&p, name, handler](auto&&...) { runHandler(p, name, [&] { handler(); }); });
}
}  // namespace

void wire(Program& p) {
  Form1& f = p.form();
  p.wireFrmBild = [&p](FrmBild& b) { wirePictureWindow(p, b); };

  // --- Test list and loading ---
  on(p, f.Command2, &QPushButton::clicked, "Command2_Click", [&p] { Command2_Click(p); });
  on(p, &f.Timer2.qtimer, &QTimer::timeout, "Timer2_Timer", [&p] { Timer2_Timer(p); });
  // A pick in the list: a click (also on the entry already picked) or a selection made with the
  // keys. A click on another entry raises both, which sets the same two values twice.
  on(p, f.List1, &QListWidget::itemClicked, "List1_Click", [&p] { List1_Click(p); });
  on(p, f.List1, &QListWidget::itemSelectionChanged, "List1_Click", [&p] {
    if (!p.form().List1->selectedItems().isEmpty()) List1_Click(p);
  });
  on(p, f.File1, &QListWidget::currentRowChanged, "File1_Click", [&p] {
    if (p.form().File1->currentRow() >= 0) File1_Click(p);
  });

  // --- Taking a test ---
  for (int r = 2; r <= 6; ++r)
    on(p, f.ChkSvar[r], &QCheckBox::toggled, "ChkSvar_Click", [&p, r] { ChkSvar_Click(p, r); });
  on(p, f.TxtSvar, &QPlainTextEdit::textChanged, "TxtSvar_Change", [&p] { TxtSvar_Change(p); });
  on(p, f.CmdBakåt, &QPushButton::clicked, "CmdBakåt_Click", [&p] { CmdBakåt_Click(p); });
  on(p, f.CmdNästa, &QPushButton::clicked, "CmdNästa_Click", [&p] { CmdNästa_Click(p); });
  // Tracking is off: the value changes on arrow and track clicks, at the end of a drag and when
  // set in code; the drag itself reports each move.
  on(p, f.VScroll1, &QScrollBar::valueChanged, "VScroll1_Change", [&p] { VScroll1_Change(p); });
  on(p, f.VScroll1, &QScrollBar::sliderMoved, "VScroll1_Scroll", [&p] { VScroll1_Scroll(p); });

  // --- Sign-in ---
  on(p, f.Label1, &ClickLabel::doubleClicked, "Label1_DblClick", [&p] { Label1_DblClick(p); });
  // Closing the window through its frame ends the program; nothing is saved.
  f.onClose = [&p] {
    if (!p.ended()) p.endProgram();
  };

  // --- Grading and finishing ---
  on(p, f.Label3, &ClickLabel::clicked, "Label3_Click", [&p] { Label3_Click(p); });
  on(p, f.Label2, &ClickLabel::clicked, "Label2_Click", [&p] { Label2_Click(p); });
  on(p, &f.Timer1.qtimer, &QTimer::timeout, "Timer1_Timer", [&p] { Timer1_Timer(p); });
  on(p, f.Command3, &QPushButton::clicked, "Command3_Click", [&p] { Command3_Click(p); });
  on(p, f.MnuAvsluta, &QAction::triggered, "MnuAvsluta_Click", [&p] { MnuAvsluta_Click(p); });

  // --- Editor ---
  on(p, f.Label6, &ClickLabel::clicked, "Label6_Click", [&p] { Label6_Click(p); });
  on(p, f.Command14, &QPushButton::clicked, "Command14_Click", [&p] { Command14_Click(p); });
  Chooser& chooser = *f.bildval;
  on(p, chooser.Command15, &QPushButton::clicked, "Command15_Click", [&p] { Command15_Click(p); });
  on(p, chooser.Command16, &QPushButton::clicked, "Command16_Click", [&p] { Command16_Click(p); });
  // Command17 "INGEN BILD" has no action.
  on(p, &chooser, &Chooser::frameDoubleClicked, "Frame2_DblClick", [&p] { Frame2_DblClick(p); });
  on(p, chooser.Drive2, &QComboBox::currentIndexChanged, "Drive2_Change",
     [&p] { Drive2_Change(p); });
  on(p, chooser.Dir2, &DirListBox::pathChanged, "Dir2_Change", [&p] { Dir2_Change(p); });
  on(p, chooser.File2, &PictureFileList::fileClicked, "File2_Click", [&p] { File2_Click(p); });
  for (int i = 1; i <= 3; ++i) {
    on(p, chooser.imgVal[i], &PictureBox::clicked, "imgVal_Click", [&p, i] { imgVal_Click(p, i); });
    on(p, chooser.imgVal[i], &DropPictureBox::dropped, "imgVal_DragDrop",
       [&p, i] { imgVal_DragDrop(p, i); });
  }
  on(p, chooser.Picture[1], &PictureFrameBox::dropped, "Picture1_DragDrop",
     [&p] { Picture1_DragDrop(p); });
  on(p, chooser.imgValdBild, &PictureBox::mousePressed, "imgValdBild_MouseDown",
     [&p] { imgValdBild_MouseDown(p); });
  on(p, chooser.imgValdBild, &DropPictureBox::dropped, "imgValdBild_DragDrop",
     [&p] { imgValdBild_DragDrop(p); });
  // The chooser's lists start in the working folder, as file lists start in the current one.
  chooser.startIn(p.workDir());
}

void wirePictureWindow(Program& p, FrmBild& b) {
  // --- Picture window ---
  QObject::connect(b.Image1, &PictureBox::mouseMoved, b.Image1,
                   [&p](Qt::MouseButtons buttons, int x, int y) {
                     runHandler(p, "Image1_MouseMove",
                                [&] { Image1_MouseMove(p, buttons, x, y); });
                   });
  on(p, b.Image1, &PictureBox::clicked, "Image1_Click", [&p] { Image1_Click(p); });
  on(p, b.Command1, &QPushButton::clicked, "Command1_Click", [&p] { Command1_Click(p); });
}
