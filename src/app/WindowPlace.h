#pragma once
class Form1;

// Moves the main window's left edge (its frame, as the screen shows it) to a place and makes
// the whole window, frame included, a width; both in twips. The top and the height stay.
void placeMainWindow(Form1& f, int leftTwips, int widthTwips);
// The same, with the frame's top edge moved too.
void placeMainWindow(Form1& f, int leftTwips, int topTwips, int widthTwips);
