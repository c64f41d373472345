#pragma once
class Program;

// A click on "KLICKA HÄR FÖR ATT SPARA FRÅGA": leaves edit mode, stores the texts and ticks
// of the current question into its cells and saves the test.
void Label6_Click(Program& p);
