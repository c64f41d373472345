#pragma once
class Program;

// "AVSLUTA": scores the test, writes the answers file and the wrong-answers file, and ends the
// program. When a file cannot be written the pupil is told which and why, and the program stays
// open with every answer in memory, so that "AVSLUTA" can be pressed again.
void Command3_Click(Program& p);
// "&Avsluta" in the menu "&Arkiv": finishes as "AVSLUTA" does.
void MnuAvsluta_Click(Program& p);
