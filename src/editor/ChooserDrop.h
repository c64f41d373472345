#pragma once
class Program;

// A mouse button pressed on the preview starts dragging it.
void imgValdBild_MouseDown(Program& p);
// The preview dropped on thumbnail i (1..3): the thumbnail takes the picture of the file
// selected in File2, for the kinds it shows, and its label takes the chosen name.
void imgVal_DragDrop(Program& p, int i);
// The preview dropped on the edge of the first thumbnail's box: the box takes the selected
// file's picture as its own background, for bitmaps only.
void Picture1_DragDrop(Program& p);
// The preview dropped on itself (also a plain click on it): it keeps its picture and the
// chosen name stays.
void imgValdBild_DragDrop(Program& p);
