#pragma once
class Program;

// A new drive in Drive2: the folder list goes to that drive.
void Drive2_Change(Program& p);
// A new folder in Dir2: the file list shows it and Label7 names it.
void Dir2_Change(Program& p);
// A click in File2: that file becomes the chosen picture, shown in the preview.
void File2_Click(Program& p);
// A click on thumbnail i (1..3): its picture and name become the chosen ones.
void imgVal_Click(Program& p, int i);
