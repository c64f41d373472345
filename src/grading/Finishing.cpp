#include "grading/Finishing.h"

#include "app/Program.h"
#include "grading/AnswersFile.h"
#include "grading/Scoring.h"
#include "grading/WrongAnswersFile.h"
#include "platform/Dialogs.h"
#include "platform/SafeFile.h"

void Command3_Click(Program& p) {
  RättaProv(p);
  try {
    SPARASVAR(p);
    SPARAFELFRÅGOR(p);
  } catch (const FileError& e) {
    // Ending now would lose the answers: they exist nowhere but in memory.
    p.dialogs().msgBox(e.text() +
                       QStringLiteral("\r\n\r\nDina svar finns kvar. Tryck på AVSLUTA igen när "
                                      "felet är åtgärdat."));
    return;
  }
  p.endProgram();
}

void MnuAvsluta_Click(Program& p) {
  Command3_Click(p);
}
