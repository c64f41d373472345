#include "app/FormLoad.h"

#include <QGroupBox>
#include <exception>

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SignIn.h"
#include "app/Twips.h"
#include "app/WindowPlace.h"
#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "source/TestLoader.h"
#include "source/WebSource.h"
#include "taking/AnswerMarks.h"
#include "taking/Navigation.h"

namespace {
// Fills the test list from the server. Without it the window still comes up, with an empty list,
// and the pupil is told why.
void hämtaTestlistan(Program& p) {
  QString orsak;
  try {
    LaddaTesterWebb(p);
    return;
  } catch (const FileError& e) {
    orsak = e.text();
  } catch (const std::exception& e) {
    orsak = QString::fromUtf8(e.what());
  }
  p.dialogs().msgBox(QStringLiteral("Testlistan kunde inte hämtas från %1.\r\n\r\nOrsak: %2")
                         .arg(p.serverAddress() + QStringLiteral("distanstest/tester.txt"), orsak));
}
}  // namespace

void Form_Load(Program& p) {
  Form1& f = p.form();
  VisaStartbild(p, 3000);
  LICENS(p);
  NollaSvar(p);
  p.INFIL = QStringLiteral("nyfil.txt");
  p.aktuellfråga = 0;
  // Nothing is picked yet: the load fills nothing, but writes the title line and shows
  // question 0.
  Command2_Click(p);
  CmdBakåt_Click(p);
  // The answer box lies over the answer rows; a typed-answer question shows it.
  placeAt(f.TxtSvar, 600, 3960);
  hämtaTestlistan(p);
  // The window's frame at left 1350, top 1300; 12300 twips wide, as high as designed.
  placeMainWindow(f, 1350, 1300, 12300);
  // The picture chooser waits outside the window until it is opened.
  placeAt(f.Frame2, 15000, 0);
}
