#pragma once
#include <QString>

// The main window's variables, named as the routines use them.
struct ProgramState {
  qint16 aktuellfråga = 0;  // index of the current question (0 = first)
  QString Riktning;         // why the presenter runs: "NÄSTA", "BACKA", "VSCHA", "VSSCR"
  qint16 Klick = 0;         // 1 while a picture-click question is shown
  QString BILDTYP;          // picture kind of the question shown
  QString INFIL = QStringLiteral("nyfil.txt");  // name of the current test file
  QString ProvInfo;                             // three characters of a web test's first field
  qint16 Var = 0;                               // cell counter of the web loader
  QString strURL2;                              // folder address of the loaded test
  QString strURL3;                              // address of a picture to fetch
  QString WebbBild;                             // file name of a picture to fetch
  QString ANVÄNDARE;                            // user name from the sign-in
  QString KLASS;                                // class from the sign-in
  qint16 AntRätt = 0;                           // the score
};
