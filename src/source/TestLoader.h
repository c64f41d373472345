#pragma once
#include <QString>

class Program;

// "Ladda Test": fetches the picked test into the question table and prepares the window for it
// (start picture, exam rule, title line, marks cleared, download file reset, a question shown).
// The start-up runs it once before anything is picked.
void Command2_Click(Program& p);
// The start picture's timer: the picture goes away.
void Timer2_Timer(Program& p);
// Lays the start picture over the main window for the given time.
void VisaStartbild(Program& p, int ms);
// The title line for the loaded test: its name, the number of questions and the points.
QString provRubrik(const Program& p);
