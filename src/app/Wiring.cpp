// The one place where the controls' events meet their handlers.
#include "app/Wiring.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <exception>

#include "app/Form1.h"
#include "app/Program.h"
#include "picture/FrmBild.h"
#include "platform/Dialogs.h"
#include "taking/AnswerMarks.h"

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

  // --- Taking a test ---
  for (int r = 2; r <= 6; ++r)
    on(p, f.ChkSvar[r], &QCheckBox::toggled, "ChkSvar_Click", [&p, r] { ChkSvar_Click(p, r); });
  on(p, f.TxtSvar, &QPlainTextEdit::textChanged, "TxtSvar_Change", [&p] { TxtSvar_Change(p); });

  // --- Sign-in ---

  // --- Grading and finishing ---

  // --- Editor ---
}

void wirePictureWindow(Program& p, FrmBild& b) {
  (void)p;
  (void)b;
  // --- Picture window ---
}
