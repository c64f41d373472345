#pragma once
#include <QString>

class Program;

// The two sign-in codes, typed in place of a name (compared exactly, case-sensitive).
// The teacher code signs in as "LÄRARE" and asks for the class; the editor code asks for no class.
// Both switch the main window into edit mode.
inline const QString kLärarkod = QStringLiteral("lx");
inline const QString kRedigeringskod = QStringLiteral("q");

// Asks for name and class, shows them in Label1, and puts a teacher into edit mode.
void LICENS(Program& p);
// A double click on Label1 signs in again.
void Label1_DblClick(Program& p);
// Edit mode: the store label and the picture button shown, the navigation hidden.
void REDIGERAFRÅGA(Program& p);
