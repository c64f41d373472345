#pragma once
// The picture window's events: the pointer read-out, the judgement of a click and "STÄNG".
#include <Qt>

class Program;

// A mouse move over the picture at (x, y) twips of the picture, with the buttons held.
void Image1_MouseMove(Program& p, Qt::MouseButtons buttons, double x, double y);
// A click on the picture: judges a picture-click question not answered yet.
void Image1_Click(Program& p);
// "STÄNG": hides the window; it stays loaded.
void Command1_Click(Program& p);
