#pragma once
class Program;

// "RÄTTA ?": checks the current question.
void Label3_Click(Program& p);
// Frames the answer rows of the current question that matter (green: a right row ticked; red: a
// right row left unticked or a wrong row ticked) and, for a typed answer about a picture, shows
// the verdict. Changes no mark and no score.
void RättaAktuellFråga(Program& p);
