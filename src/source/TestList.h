#pragma once
// The test list List1: a pick chooses the test that "Ladda Test" loads, and after a save the
// list is filled with the test files of the working folder.
class Program;

// A pick in List1: Text5 = the picked entry's text, INFIL = that text + ".tst".
void List1_Click(Program& p);
// A selection in File1 made by code: Text5 and INFIL = the selected file name.
void File1_Click(Program& p);
// Fills List1 with the names (less ".tst") of the test files of the working folder. Each file
// is selected in File1 in turn, so Text5 and INFIL name the last one afterwards; an empty
// folder leaves List1 empty and them unchanged.
void LaddaFilTxtbox(Program& p);
