#pragma once
class Program;

// "Bild": brings the picture chooser into the widened main window.
void Command14_Click(Program& p);
// "STÄNG BILDVAL": moves the chooser out past the window's right edge and narrows the window.
void Command15_Click(Program& p);
// A double click on the chooser's frame closes it as "STÄNG BILDVAL" does.
void Frame2_DblClick(Program& p);
