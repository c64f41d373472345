#pragma once
class Program;

// "INFOGA BILD": the chosen name becomes the current question's picture (cell 8).
void Command16_Click(Program& p);
